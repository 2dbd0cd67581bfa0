#pragma once

#include "platform/foundation/console.h"

#include <QStringList>

namespace lanterncrest::test {

// Collects what Console prints while it lives, then restores the previous sink.
class ConsoleCapture {
public:
    ConsoleCapture()
        : previous_(Console::setSink([this](const QString& line) { lines_.append(line); }))
    {
    }
    ~ConsoleCapture() { Console::setSink(std::move(previous_)); }
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
    Console::Sink previous_;
};

} // namespace lanterncrest::test
