#pragma once

#include <QString>
#include <functional>

namespace lanterncrest {

// Diagnostic lines for the developer: written to standard output, one line each, unless
// a sink is installed (tests install one to read what was printed). Main thread only.
class Console
{
public:
    using Sink = std::function<void(const QString &line)>;

    // Prints `line` followed by a line feed, as UTF-8.
    static void print(const QString &line);

    // Sends every later line to `sink` instead of standard output; an empty sink restores
    // standard output. Returns the sink that was installed before.
    static Sink setSink(Sink sink);
};

} // namespace lanterncrest
