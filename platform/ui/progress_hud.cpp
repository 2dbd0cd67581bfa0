#include "platform/ui/progress_hud.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "platform/ui/progress_overlay.h"

namespace lanterncrest {

namespace {

QPointer<ProgressOverlay> &overlay()
{
    static QPointer<ProgressOverlay> current;
    return current;
}

QWidget *activeHostWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isWindow() && !qobject_cast<ProgressOverlay *>(window)
            && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog))
            return window;
    }
    return nullptr;
}

// Puts the overlay over `host` (nullptr: its own small window), making it when there is none.
void showOver(QWidget *host)
{
    QPointer<ProgressOverlay> &current = overlay();
    if (!current)
        current = new ProgressOverlay(host);
    else if (current->host() != host)
        current->attachTo(host);
    current->show();
    current->raise();
}

// The views of the screens that wait for an answer, one entry per wait, oldest first. It
// watches them: a view may be loaded before it is in the host's window (a navigation
// controller loads its root while the host builds it), and the overlay follows it there.
class Waits : public QObject
{
public:
    static Waits &shared()
    {
        static Waits *waits = new Waits(qApp);
        return *waits;
    }

    void begin(QWidget *view)
    {
        if (std::ranges::find(m_views, view) == m_views.end()) {
            view->installEventFilter(this);
            connect(view, &QObject::destroyed, this, &Waits::forget);
        }
        m_views.push_back(view);
        place();
    }

    void end(QWidget *view)
    {
        const auto found = std::ranges::find(m_views, view);
        if (found == m_views.end())
            return;
        m_views.erase(found);
        if (std::ranges::find(m_views, view) == m_views.end())
            release(view);
        settle();
    }

    // Every wait of the view ends: the user no longer sees it, so its answer is nobody's
    // business on screen, and its own later end finds nothing to end.
    void endAll(QWidget *view)
    {
        release(view);
        std::erase(m_views, view);
        settle();
    }

    void clear()
    {
        for (QWidget *view : m_views)
            release(view);
        m_views.clear();
    }

protected:
    // A view taken out of its parent has left the window it was shown in (a navigation
    // controller does so with each screen it pops or lets go); a view that is put somewhere
    // or shown takes the overlay along when it is the newest to wait.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *view = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::ParentChange && !view->parentWidget())
            endAll(view);
        else if ((event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
                 && !m_views.empty() && view == m_views.back())
            place();
        return false;
    }

private:
    using QObject::QObject;

    void release(QWidget *view)
    {
        view->removeEventFilter(this);
        disconnect(view, &QObject::destroyed, this, &Waits::forget);
    }

    // Called while the view is being destroyed: only its address is compared.
    void forget(QObject *gone)
    {
        std::erase_if(m_views, [gone](const QWidget *view) {
            return static_cast<const QObject *>(view) == gone;
        });
        settle();
    }

    void settle()
    {
        if (m_views.empty())
            delete overlay().data();
        else
            place();
    }

    // Over the window of the newest waiting screen. A view outside any shown window (one
    // loading before it is pushed) leaves the overlay in a shown one.
    void place()
    {
        QWidget *window = m_views.back()->window();
        const ProgressOverlay *current = overlay();
        if (!window->isVisible() && current && current->host()
            && current->host()->window()->isVisible())
            return;
        showOver(window);
    }

    std::vector<QWidget *> m_views;
};

} // namespace

void ProgressHUD::show()
{
    showOver(activeHostWindow());
}

void ProgressHUD::dismiss()
{
    Waits::shared().clear();
    delete overlay().data();
}

bool ProgressHUD::isVisible()
{
    return overlay() && !overlay()->isHidden();
}

void ProgressHUD::showLoading(QWidget *screenView)
{
    if (screenView)
        Waits::shared().begin(screenView);
}

void ProgressHUD::dismissLoading(QWidget *screenView)
{
    if (screenView)
        Waits::shared().end(screenView);
}

} // namespace lanterncrest
