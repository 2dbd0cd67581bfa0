#pragma once

#include <QString>

namespace lanterncrest::test {

// The message of a log writer's entry `number`: its tag, the number, and a run of the tag's first
// letter whose length varies from entry to entry, up to a few kilobytes, so that a line cut or
// mixed with another writer's shows.
inline QString logWriterMessage(const QString &tag, int number)
{
    return tag + u' ' + QString::number(number) + u' ' + QString(number % 64 * 64, tag.front());
}

} // namespace lanterncrest::test
