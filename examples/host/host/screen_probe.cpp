#include "examples/host/host/screen_probe.h"

#include "platform/ui/image_loader.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "platform/ui/view_controller.h"

#include <limits>

namespace lanterncrest::host {

namespace {

// Visible and not clipped away by a scrolling viewport: its centre lies inside every ancestor.
bool seenByPerson(const QWidget &widget)
{
    if (!widget.isVisible() || widget.width() <= 0 || widget.height() <= 0)
        return false;
    const QPoint centre = widget.rect().center();
    for (const QWidget *ancestor = widget.parentWidget(); ancestor;
         ancestor = ancestor->parentWidget()) {
        if (!ancestor->rect().contains(widget.mapTo(ancestor, centre)))
            return false;
        if (ancestor->isWindow())
            break;
    }
    return true;
}

} // namespace

int ScreenProbe::depth() const
{
    return static_cast<int>(m_navigation.viewControllers().size());
}

QWidget *ScreenProbe::topView() const
{
    const auto top = m_navigation.topViewController();
    return top ? top->viewIfLoaded() : nullptr;
}

QWidget *ScreenProbe::firstVisibleCell() const
{
    QWidget *view = topView();
    if (!view)
        return nullptr;
    QWidget *first = nullptr;
    QPoint firstPlace(std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    // The class is matched by name: the framework keeps its cell class to itself.
    for (QWidget *candidate : view->findChildren<QWidget *>()) {
        if (!candidate->inherits("lanterncrest::CollectionViewCell") || !seenByPerson(*candidate))
            continue;
        const QPoint place = candidate->mapTo(view->window(), QPoint(0, 0));
        if (place.y() < firstPlace.y()
            || (place.y() == firstPlace.y() && place.x() < firstPlace.x())) {
            first = candidate;
            firstPlace = place;
        }
    }
    return first;
}

QWidget *ScreenProbe::visibleWidget(const QString &objectName) const
{
    QWidget *view = topView();
    if (!view)
        return nullptr;
    for (QWidget *candidate : view->findChildren<QWidget *>(objectName)) {
        if (seenByPerson(*candidate))
            return candidate;
    }
    return nullptr;
}

bool ScreenProbe::settled()
{
    return !ProgressHUD::isVisible() && ImageLoader::shared().loadsInFlight() == 0;
}

} // namespace lanterncrest::host
