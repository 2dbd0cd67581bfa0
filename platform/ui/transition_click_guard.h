#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>

class QMouseEvent;
class QWidget;
class QWindow;

namespace lanterncrest {

// Keeps the rest of a click sequence that changed what an area shows from acting on what
// appears there: a double-click that opened a screen must not press the button that takes the
// pointer's place. A change counts as made by a click when the area was pressed within the
// system's double-click interval before it; one made by code, a timer or a key drops nothing.
// After a change made by a click, presses and double-clicks on the area are dropped, with the
// releases that belong to them, until the pointer has rested for the interval; a mobile platform
// likewise ignores touches while a transition runs. Each dropped press or release starts the
// interval again, so a press whose release never comes (the pointer left the window) holds
// clicks off no longer than that. Presses elsewhere in the window, on the host's own widgets,
// always pass. Only what the window system delivers to the area's window is looked at: events
// sent straight to a widget pass. Main thread only.
class TransitionClickGuard : public QObject
{
    Q_OBJECT
public:
    explicit TransitionClickGuard(QWidget *area);
    ~TransitionClickGuard() override;

    // The area's content changed: starts the quiet time, or starts it again, when a click on
    // the area made the change.
    void begin();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterPointer(const QMouseEvent &event);
    bool lands(const QMouseEvent &event) const;
    void watchAreaWindow();

    QWidget *m_area;
    QPointer<QWindow> m_window;
    // Open for a double-click interval after each press on the area that was let through.
    QDeadlineTimer m_changeMayFollowClick;
    // Open while the rest of a click sequence that made a change is dropped.
    QDeadlineTimer m_quiet;
    // Buttons whose press was dropped and whose release has not come yet.
    Qt::MouseButtons m_dropped;
};

} // namespace lanterncrest
