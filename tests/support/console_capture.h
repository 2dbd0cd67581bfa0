#pragma once

#include "platform/foundation/console.h"

#include <QStringList>

namespace lanterncrest::test {

// Collects what Console prints while it lives, then restores the previous sink.
class ConsoleCapture
{
public:
    ConsoleCapture()
        : m_previous(Console::setSink([this](const QString &line) { m_lines.append(line); }))
    {
    }
    ~ConsoleCapture() { Console::setSink(std::move(m_previous)); }
    ConsoleCapture(const ConsoleCapture &) = delete;
    ConsoleCapture &operator=(const ConsoleCapture &) = delete;

    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    Console::Sink m_previous;
};

} // namespace lanterncrest::test
