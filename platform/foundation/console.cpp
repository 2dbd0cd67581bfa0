#include "platform/foundation/console.h"

#include <cstdio>
#include <utility>

namespace lanterncrest {

namespace {
Console::Sink &installedSink()
{
    static Console::Sink sink;
    return sink;
}
} // namespace

void Console::print(const QString &line)
{
    if (const Sink &sink = installedSink()) {
        sink(line);
        return;
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

Console::Sink Console::setSink(Sink sink)
{
    return std::exchange(installedSink(), std::move(sink));
}

} // namespace lanterncrest
