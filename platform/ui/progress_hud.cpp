#include "platform/ui/progress_hud.h"

#include <QApplication>
#include <QPointer>

#include "platform/ui/progress_overlay.h"

namespace lanterncrest {

namespace {

QPointer<ProgressOverlay>& overlay()
{
    static QPointer<ProgressOverlay> current;
    return current;
}

QWidget* hostWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isWindow() && !qobject_cast<ProgressOverlay*>(window)
            && (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog))
            return window;
    }
    return nullptr;
}

} // namespace

void ProgressHUD::show()
{
    QWidget* host = hostWindow();
    QPointer<ProgressOverlay>& current = overlay();
    if (current && current->host() != host)
        delete current.data();
    if (!current)
        current = new ProgressOverlay(host);
    current->show();
    if (host)
        current->raise();
}

void ProgressHUD::dismiss()
{
    delete overlay().data();
}

bool ProgressHUD::isVisible()
{
    return overlay() && !overlay()->isHidden();
}

} // namespace lanterncrest
