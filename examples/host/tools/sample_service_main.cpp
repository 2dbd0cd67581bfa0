// Runs the sample service on a given port until interrupted, for trying the framework or the
// host by hand:  lanterncrest-sample-service --port 8080
#include "examples/host/sample_service/sample_service.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void onSignal(int)
{
    interrupted = 1;
}

} // namespace

int main(int argc, char **argv)
{
    // The pictures need fonts, hence a QGuiApplication; it needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lanterncrest-sample-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
            QStringLiteral("Serves an invented football season on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption({ QStringLiteral("p"), QStringLiteral("port") },
                                        QStringLiteral("Port to listen on (0 picks a free one)."),
                                        QStringLiteral("port"), QStringLiteral("0"));
    parser.addOption(portOption);
    parser.process(app);

    QTextStream err(stderr);
    bool valid = false;
    const uint port = parser.value(portOption).toUInt(&valid);
    if (!valid || port > 65535) {
        err << "Not a port: " << parser.value(portOption) << Qt::endl;
        return 2;
    }

    lanterncrest::SampleService service;
    if (!service.start(static_cast<quint16>(port))) {
        err << "Cannot listen on 127.0.0.1:" << port << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << "Sample service at " << service.baseUrl() << Qt::endl
        << "Point the framework at it with LANTERNCREST_API_BASE_URL=" << service.baseUrl()
        << Qt::endl;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [] {
        if (interrupted)
            QCoreApplication::quit();
    });
    watch.start(100);
    const int status = app.exec();
    service.stop();
    return status;
}
