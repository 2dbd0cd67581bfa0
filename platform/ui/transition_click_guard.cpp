#include "platform/ui/transition_click_guard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace lanterncrest {

TransitionClickGuard::TransitionClickGuard(QWidget *area) : QObject(area), m_area(area)
{
    m_quiet.setSingleShot(true);
    // A click just after the interval acts, so the end must not come late.
    m_quiet.setTimerType(Qt::PreciseTimer);
    connect(&m_quiet, &QTimer::timeout, this, &TransitionClickGuard::settle);
}

TransitionClickGuard::~TransitionClickGuard()
{
    watch(nullptr);
}

void TransitionClickGuard::begin()
{
    QWindow *window = m_area->window()->windowHandle();
    if (!window || !m_area->isVisible())
        return; // no pointer can be on it
    watch(window);
    m_quiet.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

bool TransitionClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto &press = static_cast<const QMouseEvent &>(*event);
        if (!m_quiet.isActive()) {
            // The release of an earlier dropped press went elsewhere: this press starts afresh.
            m_dropped &= ~press.button();
            settle();
            return false;
        }
        m_dropped |= press.button();
        m_quiet.start();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto &release = static_cast<const QMouseEvent &>(*event);
        if (!(m_dropped & release.button()))
            return false;
        m_dropped &= ~release.button();
        if (m_quiet.isActive())
            m_quiet.start();
        else
            settle();
        return true;
    }
    default:
        return false;
    }
}

void TransitionClickGuard::watch(QWindow *window)
{
    if (window == m_window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window)
        window->installEventFilter(this);
}

void TransitionClickGuard::settle()
{
    // Releases of dropped presses still belong to the dropped sequence.
    if (!m_dropped)
        watch(nullptr);
}

} // namespace lanterncrest
