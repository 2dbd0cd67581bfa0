#include "platform/ui/transition_click_guard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace lanterncrest {

namespace {

QDeadlineTimer doubleClickIntervalFromNow()
{
    // Precise: a click just after the interval acts, so the end must not come late.
    return QDeadlineTimer(QGuiApplication::styleHints()->mouseDoubleClickInterval(),
                          Qt::PreciseTimer);
}

} // namespace

TransitionClickGuard::TransitionClickGuard(QWidget *area) : QObject(area), m_area(area)
{
    // Presses on the area are seen from the first show on, so a change knows whether one came
    // just before it.
    area->installEventFilter(this);
    watchAreaWindow();
}

TransitionClickGuard::~TransitionClickGuard()
{
    if (m_window)
        m_window->removeEventFilter(this);
}

void TransitionClickGuard::begin()
{
    watchAreaWindow();
    if (m_area->isVisible() && !m_changeMayFollowClick.hasExpired())
        m_quiet = doubleClickIntervalFromNow();
}

bool TransitionClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_area) {
        if (event->type() == QEvent::Show)
            watchAreaWindow();
        return false;
    }
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return filterPointer(static_cast<const QMouseEvent &>(*event));
    default:
        return false;
    }
}

// True when the event is dropped.
bool TransitionClickGuard::filterPointer(const QMouseEvent &event)
{
    if (event.type() == QEvent::MouseButtonRelease) {
        if (!(m_dropped & event.button()))
            return false;
        m_dropped &= ~event.button();
        if (!m_quiet.hasExpired())
            m_quiet = doubleClickIntervalFromNow();
        return true;
    }
    if (!lands(event))
        return false;
    if (m_quiet.hasExpired()) {
        // The release of an earlier dropped press went elsewhere: this press starts afresh.
        m_dropped &= ~event.button();
        m_changeMayFollowClick = doubleClickIntervalFromNow();
        return false;
    }
    m_dropped |= event.button();
    m_quiet = doubleClickIntervalFromNow();
    return true;
}

// Whether the press goes to the area, not to a widget of the host beside or over it.
bool TransitionClickGuard::lands(const QMouseEvent &event) const
{
    QWidget *top = m_area->window();
    const QPoint at = event.position().toPoint();
    QWidget *target = top->childAt(at);
    if (!target && top->rect().contains(at))
        target = top;
    return target && (target == m_area || m_area->isAncestorOf(target));
}

void TransitionClickGuard::watchAreaWindow()
{
    QWindow *window = m_area->window()->windowHandle();
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

} // namespace lanterncrest
