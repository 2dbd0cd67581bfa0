#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;
class QWindow;

namespace lanterncrest {

// Keeps the rest of a click sequence that changed what an area shows from acting on what
// appears there: a double-click that opened a screen must not press the button that takes the
// pointer's place. From begin(), presses and double-clicks on the area's window are dropped, with
// the releases that belong to them, until the pointer has rested for the system's double-click
// interval; a mobile platform likewise ignores touches while a transition runs. Each dropped
// press or release starts the interval again, so a press whose release never comes (the pointer
// left the window) holds clicks off no longer than that. Events sent straight to a widget pass:
// only what the window system delivers to the area's window is looked at. Main thread only.
class TransitionClickGuard : public QObject
{
    Q_OBJECT
public:
    explicit TransitionClickGuard(QWidget *area);
    ~TransitionClickGuard() override;

    // Starts the quiet time, or starts it again; nothing while the area is not shown.
    void begin();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Filters `window`'s events, or none; the guard looks only while it has work.
    void watch(QWindow *window);
    void settle();

    QWidget *m_area;
    QPointer<QWindow> m_window;
    QTimer m_quiet;
    // Buttons whose press was dropped and whose release has not come yet.
    Qt::MouseButtons m_dropped;
};

} // namespace lanterncrest
