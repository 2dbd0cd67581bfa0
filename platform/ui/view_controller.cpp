#include "platform/ui/view_controller.h"

#include "platform/ui/navigation_controller.h"

namespace lanterncrest {

ViewController::ViewController() = default;

ViewController::~ViewController()
{
    // The view goes with its controller, wherever it is shown.
    delete m_view.data();
}

QWidget *ViewController::view()
{
    loadViewIfNeeded();
    return m_view.data();
}

void ViewController::loadViewIfNeeded()
{
    if (m_view)
        return;
    loadView();
    if (!m_view)
        qFatal("Lanterncrest: loadView() of %s set no view", typeid(*this).name());
    if (!m_viewDidLoadRan) {
        m_viewDidLoadRan = true;
        viewDidLoad();
    }
}

NavigationController *ViewController::navigationController() const
{
    return m_navigationController.data();
}

bool ViewController::isViewLoaded() const
{
    return !m_view.isNull();
}

void ViewController::setTitle(const QString &title)
{
    m_title = title;
    if (m_navigationController)
        m_navigationController->updateNavigationBar();
}

void ViewController::loadView()
{
    setView(m_scene ? m_scene->instantiate(this) : new QWidget);
}

void ViewController::setView(QWidget *view)
{
    m_view = view;
}

} // namespace lanterncrest
