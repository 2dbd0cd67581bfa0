#include "platform/ui/navigation_controller.h"

#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/transition_click_guard.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest {

NavigationController::NavigationController(QWidget *parent)
    : QWidget(parent),
      m_bar(new NavigationBar(this)),
      m_pages(new QStackedWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_bar);
    layout->addWidget(m_pages, 1);
    connect(m_bar, &NavigationBar::backRequested, this, [this] { popViewController(true); });
    // The rest of a double-click that pushed or popped a screen must not act on the next one.
    connect(this, &NavigationController::stackChanged, new TransitionClickGuard(this),
            &TransitionClickGuard::begin);
    updateNavigationBar();
}

NavigationController::NavigationController(std::shared_ptr<ViewController> root, QWidget *parent)
    : NavigationController(parent)
{
    setRootViewController(std::move(root));
}

NavigationController::~NavigationController()
{
    // Controllers that outlive the stack keep their views.
    for (const auto &controller : m_stack)
        detach(*controller);
}

void NavigationController::setRootViewController(std::shared_ptr<ViewController> root)
{
    for (const auto &controller : m_stack)
        detach(*controller);
    m_stack.clear();
    if (root)
        pushViewController(std::move(root), false);
    else
        updateNavigationBar();
}

void NavigationController::pushViewController(std::shared_ptr<ViewController> controller,
                                              bool animated)
{
    Q_UNUSED(animated);
    if (!controller)
        return;
    if (controller->m_navigationController) {
        qWarning("Lanterncrest: a view controller cannot be pushed while it is in a navigation "
                 "stack");
        return;
    }
    controller->m_navigationController = this;
    m_stack.push_back(controller);
    QWidget *view = controller->view();
    m_pages->addWidget(view);
    m_pages->setCurrentWidget(view);
    updateNavigationBar();
    emit stackChanged();
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated)
{
    Q_UNUSED(animated);
    if (m_stack.size() < 2)
        return nullptr;
    std::shared_ptr<ViewController> popped = std::move(m_stack.back());
    m_stack.pop_back();
    detach(*popped);
    m_pages->setCurrentWidget(m_stack.back()->view());
    updateNavigationBar();
    // The pop may come from a click inside the popped view: release it after that event.
    QTimer::singleShot(0, this, [keep = popped] {});
    emit stackChanged();
    return popped;
}

std::shared_ptr<ViewController> NavigationController::topViewController() const
{
    return m_stack.empty() ? nullptr : m_stack.back();
}

void NavigationController::updateNavigationBar()
{
    const bool canGoBack = m_stack.size() > 1;
    m_bar->show(m_stack.empty() ? QString() : m_stack.back()->title(), canGoBack,
                canGoBack ? m_stack[m_stack.size() - 2]->title() : QString());
}

void NavigationController::detach(ViewController &controller)
{
    controller.m_navigationController = nullptr;
    if (QWidget *view = controller.viewIfLoaded()) {
        m_pages->removeWidget(view);
        view->hide();
        view->setParent(nullptr);
    }
}

} // namespace lanterncrest
