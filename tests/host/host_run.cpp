#include "tests/host/host_run.h"

#include <QProcess>
#include <QRegularExpression>

namespace lanterncrest::test {

QStringList HostRun::playerActionLines() const
{
    static const QRegularExpression action(QStringLiteral("^(follow|view posts): "));
    return outputLines.filter(action);
}

HostRun runHost(const QStringList &arguments, const QProcessEnvironment &overrides,
                int limitSeconds)
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANTERNCREST_API_BASE_URL"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char *variable : { "HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME" })
        environment.remove(QString::fromLatin1(variable));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(overrides);

    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(LANTERNCREST_HOST_PROGRAM), arguments);
    HostRun run;
    if (!host.waitForFinished(limitSeconds * 1000)) {
        host.kill();
        host.waitForFinished();
    } else if (host.exitStatus() == QProcess::NormalExit) {
        run.exitCode = host.exitCode();
    }
    run.outputLines = QString::fromUtf8(host.readAllStandardOutput())
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errorText = QString::fromUtf8(host.readAllStandardError());
    return run;
}

} // namespace lanterncrest::test
