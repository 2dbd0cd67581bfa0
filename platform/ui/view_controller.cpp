#include "platform/ui/view_controller.h"

#include "platform/ui/navigation_controller.h"

namespace lanterncrest {

ViewController::ViewController() = default;

ViewController::~ViewController()
{
    // The view goes with its controller, wherever it is shown.
    delete view_.data();
}

QWidget* ViewController::view()
{
    loadViewIfNeeded();
    return view_.data();
}

void ViewController::loadViewIfNeeded()
{
    if (view_)
        return;
    loadView();
    if (!view_)
        qFatal("Lanterncrest: loadView() of %s set no view", typeid(*this).name());
    if (!viewDidLoadRan_) {
        viewDidLoadRan_ = true;
        viewDidLoad();
    }
}

NavigationController* ViewController::navigationController() const
{
    return navigationController_.data();
}

bool ViewController::isViewLoaded() const
{
    return !view_.isNull();
}

void ViewController::setTitle(const QString& title)
{
    title_ = title;
    if (navigationController_)
        navigationController_->updateNavigationBar();
}

void ViewController::loadView()
{
    setView(scene_ ? scene_->instantiate(this) : new QWidget);
}

void ViewController::setView(QWidget* view)
{
    view_ = view;
}

} // namespace lanterncrest
