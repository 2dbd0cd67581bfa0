// lanterncrest-host: a small application that hosts the framework as any host would, in a
// window of its own, with the sample service behind it unless told otherwise.
#include "examples/host/host/host_options.h"
#include "examples/host/host/player_action_printer.h"
#include "examples/host/host/walk.h"
#include "examples/host/sample_service/sample_service.h"
#include "platform/ui/navigation_controller.h"
#include "screens/teams/season_teams_view_controller.h"

#include <QApplication>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

constexpr const char *kBaseUrlVariable = "LANTERNCREST_API_BASE_URL";

void say(const QString &message)
{
    QTextStream(stderr) << "lanterncrest-host: " << message << Qt::endl;
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char **argv)
{
    using namespace lanterncrest;

    // A walk needs no person watching, so it needs no display either.
    if (host::argumentsAskForWalk(argc, argv) && !hasDisplay()
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Lanterncrest"));
    QCoreApplication::setApplicationName(QStringLiteral("lanterncrest-host"));

    const host::ParsedOptions parsed = host::parseHostOptions(QCoreApplication::arguments());
    if (!parsed.options) {
        say(parsed.error);
        return 2;
    }
    const host::HostOptions &options = *parsed.options;

    // The framework reads the service's address once, when its first request goes out: it
    // must be in place before the first screen loads.
    SampleService sampleService;
    if (!options.serviceUrl.isEmpty()) {
        qputenv(kBaseUrlVariable, options.serviceUrl.toUtf8());
    } else if (qEnvironmentVariableIsEmpty(kBaseUrlVariable)) {
        if (!sampleService.start()) {
            say(QStringLiteral("cannot start the sample service on 127.0.0.1"));
            return 1;
        }
        qputenv(kBaseUrlVariable, sampleService.baseUrl().toUtf8());
    }
    say(QStringLiteral("service at ") + qEnvironmentVariable(kBaseUrlVariable));

    const auto printer = std::make_shared<host::PlayerActionPrinter>();
    const std::shared_ptr<SeasonTeamsViewController> teams =
            SeasonTeamsViewController::viewController();
    teams->setDelegate(printer);

    NavigationController window(teams);
    window.setWindowTitle(QStringLiteral("Lanterncrest"));
    window.resize(390, 760);
    window.show();

    std::optional<host::Walk> walk;
    if (!options.walkDirectory.isEmpty()) {
        walk.emplace(window, *printer, options.walkDirectory, options.timeoutSeconds);
        walk->start();
    }
    const int status = QApplication::exec();
    sampleService.stop();
    return status;
}
