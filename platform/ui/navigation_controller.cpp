#include "platform/ui/navigation_controller.h"

#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest {

NavigationController::NavigationController(QWidget* parent)
    : QWidget(parent)
    , bar_(new NavigationBar(this))
    , pages_(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(pages_, 1);
    connect(bar_, &NavigationBar::backRequested, this, [this] { popViewController(true); });
    updateNavigationBar();
}

NavigationController::NavigationController(std::shared_ptr<ViewController> root, QWidget* parent)
    : NavigationController(parent)
{
    setRootViewController(std::move(root));
}

NavigationController::~NavigationController()
{
    // Controllers that outlive the stack keep their views.
    for (const auto& controller : stack_)
        detach(*controller);
}

void NavigationController::setRootViewController(std::shared_ptr<ViewController> root)
{
    for (const auto& controller : stack_)
        detach(*controller);
    stack_.clear();
    if (root)
        pushViewController(std::move(root), false);
    else
        updateNavigationBar();
}

void NavigationController::pushViewController(std::shared_ptr<ViewController> controller, bool animated)
{
    Q_UNUSED(animated);
    if (!controller)
        return;
    if (controller->navigationController_) {
        qWarning("Lanterncrest: a view controller cannot be pushed while it is in a navigation stack");
        return;
    }
    controller->navigationController_ = this;
    stack_.push_back(controller);
    QWidget* view = controller->view();
    pages_->addWidget(view);
    pages_->setCurrentWidget(view);
    updateNavigationBar();
    emit stackChanged();
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated)
{
    Q_UNUSED(animated);
    if (stack_.size() < 2)
        return nullptr;
    std::shared_ptr<ViewController> popped = std::move(stack_.back());
    stack_.pop_back();
    detach(*popped);
    pages_->setCurrentWidget(stack_.back()->view());
    updateNavigationBar();
    // The pop may come from a click inside the popped view: release it after that event.
    QTimer::singleShot(0, this, [keep = popped] {});
    emit stackChanged();
    return popped;
}

std::shared_ptr<ViewController> NavigationController::topViewController() const
{
    return stack_.empty() ? nullptr : stack_.back();
}

void NavigationController::updateNavigationBar()
{
    const bool canGoBack = stack_.size() > 1;
    bar_->show(stack_.empty() ? QString() : stack_.back()->title(), canGoBack,
               canGoBack ? stack_[stack_.size() - 2]->title() : QString());
}

void NavigationController::detach(ViewController& controller)
{
    controller.navigationController_ = nullptr;
    if (QWidget* view = controller.viewIfLoaded()) {
        pages_->removeWidget(view);
        view->hide();
        view->setParent(nullptr);
    }
}

} // namespace lanterncrest
