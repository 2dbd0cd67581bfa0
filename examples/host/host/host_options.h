#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lanterncrest::host {

// What the command line asks of the host.
struct HostOptions
{
    QString serviceUrl; // --service URL; empty: LANTERNCREST_API_BASE_URL or the sample service
    QString walkDirectory; // --walk DIR; empty: an ordinary window for a person
    int timeoutSeconds = 30; // --timeout S, for the walk
};

// The options, or the message that explains what is wrong with them. --help and --version
// print and exit, as QCommandLineParser does.
struct ParsedOptions
{
    std::optional<HostOptions> options;
    QString error;
};
ParsedOptions parseHostOptions(const QStringList &arguments);

// Whether the arguments ask for a walk: read before the application object exists, because a
// walk on a machine without a display goes offscreen.
bool argumentsAskForWalk(int argc, char **argv);

} // namespace lanterncrest::host
