#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lanterncrest::test {

// One finished run of the built lanterncrest-host, offscreen, in a HOME of its own.
struct HostRun
{
    int exitCode = -1; // -1: it crashed or was stopped for taking too long
    QStringList outputLines; // standard output
    QString errorText; // standard error

    int count(const QString &line) const { return static_cast<int>(outputLines.count(line)); }
    // The output lines that are player actions, "follow: ..." or "view posts: ...".
    QStringList playerActionLines() const;
};

// Runs the host with `arguments` and the environment `overrides` on top of this process's
// own (without LANTERNCREST_API_BASE_URL unless the overrides set it), waiting at most
// `limitSeconds`.
HostRun runHost(const QStringList &arguments, const QProcessEnvironment &overrides = {},
                int limitSeconds = 120);

} // namespace lanterncrest::test
