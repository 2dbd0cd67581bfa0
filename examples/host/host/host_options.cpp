#include "examples/host/host/host_options.h"

#include <QCommandLineParser>
#include <QUrl>

#include <cstring>

namespace lanterncrest::host {

ParsedOptions parseHostOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Shows the framework's screens: the teams of a season, a squad, a player's profile."));
    parser.addHelpOption();
    const QCommandLineOption service(
            QStringLiteral("service"),
            QStringLiteral("Use the service at URL instead of starting the sample one."),
            QStringLiteral("URL"));
    const QCommandLineOption walk(
            QStringLiteral("walk"),
            QStringLiteral(
                    "Walk from the teams to a profile unattended, save the screens in DIR, exit."),
            QStringLiteral("DIR"));
    const QCommandLineOption timeout(
            QStringLiteral("timeout"),
            QStringLiteral("Give up the walk after S seconds (default 30)."), QStringLiteral("S"),
            QStringLiteral("30"));
    parser.addOptions({ service, walk, timeout });
    parser.process(arguments);

    if (!parser.positionalArguments().isEmpty())
        return { std::nullopt,
                 QStringLiteral("Unexpected argument: ") + parser.positionalArguments().first() };

    HostOptions options;
    if (parser.isSet(service)) {
        options.serviceUrl = parser.value(service);
        const QUrl url(options.serviceUrl, QUrl::StrictMode);
        const bool web =
                url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
        if (!url.isValid() || !web || url.host().isEmpty() || url.hasQuery() || url.hasFragment())
            return { std::nullopt,
                     QStringLiteral("Not a service URL (http or https, no query): ")
                             + options.serviceUrl };
    }
    if (parser.isSet(walk)) {
        options.walkDirectory = parser.value(walk);
        if (options.walkDirectory.isEmpty())
            return { std::nullopt, QStringLiteral("--walk needs a directory") };
    }
    bool valid = false;
    options.timeoutSeconds = parser.value(timeout).toInt(&valid);
    if (!valid || options.timeoutSeconds <= 0 || options.timeoutSeconds > 24 * 3600)
        return { std::nullopt,
                 QStringLiteral("Not a number of seconds: ") + parser.value(timeout) };
    return { options, {} };
}

bool argumentsAskForWalk(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--walk") == 0 || std::strncmp(argv[i], "--walk=", 7) == 0)
            return true;
    }
    return false;
}

} // namespace lanterncrest::host
