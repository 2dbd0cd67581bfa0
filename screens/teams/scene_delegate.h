#pragma once

#include <QWidget>
#include <memory>

class QWindow;

namespace lanterncrest {

// The window-scene delegate an application template asks for: it holds a window and ignores
// every scene event. Nothing in the framework creates or reads it; a host gets a place to keep
// its main window.
class SceneDelegate
{
public:
    SceneDelegate() = default;

    const std::shared_ptr<QWidget> &window() const { return m_window; }
    void setWindow(std::shared_ptr<QWidget> window) { m_window = std::move(window); }

    void sceneWillConnect(QWindow * /*scene*/) { }
    void sceneDidDisconnect(QWindow * /*scene*/) { }
    void sceneDidBecomeActive(QWindow * /*scene*/) { }
    void sceneWillResignActive(QWindow * /*scene*/) { }
    void sceneWillEnterForeground(QWindow * /*scene*/) { }
    void sceneDidEnterBackground(QWindow * /*scene*/) { }

private:
    std::shared_ptr<QWidget> m_window;
};

} // namespace lanterncrest
