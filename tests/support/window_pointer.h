#pragma once

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <chrono>

#include "tests/support/loopback_service.h"

namespace lanterncrest::test {

// Sets the system's double-click interval for one scope.
class DoubleClickInterval
{
public:
    explicit DoubleClickInterval(std::chrono::milliseconds interval)
        : m_previous(QGuiApplication::styleHints()->mouseDoubleClickInterval())
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(int(interval.count()));
    }
    ~DoubleClickInterval()
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(m_previous);
    }
    DoubleClickInterval(const DoubleClickInterval &) = delete;
    DoubleClickInterval &operator=(const DoubleClickInterval &) = delete;

private:
    int m_previous;
};

// Where a click on `widget` goes, in the coordinates of `window`, which holds it.
inline QPoint centreIn(const QWidget &window, const QWidget &widget)
{
    return widget.mapTo(&window, widget.rect().center());
}

// The left mouse button over a shown widget's window, fed to the application as a window system
// feeds it: each event reaches whatever is under the pointer at that moment, and the application
// itself makes a press that follows the last one closely, in the events' own times, a
// double-click. Points are in the window's coordinates.
class WindowPointer
{
public:
    // Its first press never completes a double-click begun by an earlier pointer.
    explicit WindowPointer(const QWidget &shown) : m_shown(shown)
    {
        QTest::lastMouseTimestamp += 60'000;
    }

    void press(QPoint at) { send(at, Qt::LeftButton, QEvent::MouseButtonPress); }
    void release(QPoint at) { send(at, Qt::NoButton, QEvent::MouseButtonRelease); }
    void click(QPoint at)
    {
        press(at);
        release(at);
    }
    // Rests, on the events' clock and in the event loop.
    void rest(std::chrono::milliseconds pause)
    {
        QTest::lastMouseTimestamp += pause.count();
        spinFor(pause);
    }
    // Rests a little longer than a double-click may take, so the last click sequence is over.
    void restPastADoubleClick()
    {
        rest(std::chrono::milliseconds(
                50 + QGuiApplication::styleHints()->mouseDoubleClickInterval()));
    }

private:
    void send(QPoint at, Qt::MouseButtons held, QEvent::Type type)
    {
        QWindow *window = m_shown.window()->windowHandle();
        ++QTest::lastMouseTimestamp;
        qt_handleMouseEvent(window, at, window->mapToGlobal(at), held, Qt::LeftButton, type,
                            Qt::NoModifier, QTest::lastMouseTimestamp);
        QGuiApplication::processEvents();
    }

    const QWidget &m_shown;
};

} // namespace lanterncrest::test
