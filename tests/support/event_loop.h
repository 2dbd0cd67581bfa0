#pragma once

#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace lanterncrest::test {

// Runs the main event loop until `done` holds or `timeoutMs` has passed; returns `done()`.
// The deadline only keeps a broken test from hanging, it measures nothing.
inline bool runEventLoopUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start();
    deadline.start(timeoutMs);
    loop.exec();
    return done();
}

} // namespace lanterncrest::test
