#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "platform/export.h"

class QStackedWidget;

namespace lanterncrest {

class NavigationBar;
class ViewController;

// A stack of screens under a title bar. The host puts it in its window and sets the root; the
// screens push what follows. The stack holds its controllers; a popped controller lives on
// while anyone else holds it (a pending request, say), with its view out of the window.
// Transitions are immediate; the rest of the click sequence that made one (the second click of
// a double-click) is ignored rather than let act on the screen that appears. Main thread only.
class LANTERNCREST_EXPORT NavigationController : public QWidget
{
    Q_OBJECT
public:
    explicit NavigationController(QWidget *parent = nullptr);
    explicit NavigationController(std::shared_ptr<ViewController> root, QWidget *parent = nullptr);
    ~NavigationController() override;

    // Replaces the whole stack with `root`.
    void setRootViewController(std::shared_ptr<ViewController> root);

    // Loads the controller's view if needed (its viewDidLoad() then sees this navigation
    // controller) and shows it on top. A controller already in a stack is refused. `animated`
    // here and in popViewController() is ignored: a host keeps the platform's call shape, and
    // every change shows at once.
    void pushViewController(std::shared_ptr<ViewController> controller, bool animated);

    // Takes the top controller off, unless it is the root; returns it, or nullptr.
    std::shared_ptr<ViewController> popViewController(bool animated);

    const std::vector<std::shared_ptr<ViewController>> &viewControllers() const { return m_stack; }
    std::shared_ptr<ViewController> topViewController() const;

    NavigationBar *navigationBar() const { return m_bar; }

    // Shows the top controller's title; controllers call it when their title changes.
    void updateNavigationBar();

signals:
    void stackChanged();

private:
    void detach(ViewController &controller);

    NavigationBar *m_bar;
    QStackedWidget *m_pages;
    std::vector<std::shared_ptr<ViewController>> m_stack;
};

} // namespace lanterncrest
