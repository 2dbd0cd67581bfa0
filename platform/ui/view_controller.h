#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/export.h"
#include "platform/ui/nib.h"
#include "platform/ui/nib_owner.h"

namespace lanterncrest {

class NavigationController;

// A screen: a plain object, held by std::shared_ptr, that owns its view (a QWidget) and loads
// it lazily. A controller made by Storyboard::instantiateViewController() loads the scene of its
// identifier with itself as the NibOwner; any other builds an empty QWidget unless it overrides
// loadView(). Main thread only.
class LANTERNCREST_EXPORT ViewController : public NibOwner,
                                           public std::enable_shared_from_this<ViewController>
{
public:
    ViewController();
    virtual ~ViewController();

    ViewController(const ViewController &) = delete;
    ViewController &operator=(const ViewController &) = delete;

    // The view, loaded first when needed: loadView() then viewDidLoad(), once.
    QWidget *view();
    void loadViewIfNeeded();
    bool isViewLoaded() const;
    QWidget *viewIfLoaded() const { return m_view.data(); }

    // The navigation controller whose stack holds this controller, or nullptr.
    NavigationController *navigationController() const;

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    // The storyboard scene this controller loads its view from, if any.
    const std::optional<Nib> &storyboardScene() const { return m_scene; }

protected:
    // Builds the view; an override must call setView().
    virtual void loadView();
    // Runs once, right after the view is loaded and its outlets are bound.
    virtual void viewDidLoad() { }

    void setView(QWidget *view);

private:
    friend class Storyboard;
    friend class NavigationController;

    std::optional<Nib> m_scene;
    QPointer<QWidget> m_view;
    QPointer<NavigationController> m_navigationController;
    QString m_title;
    bool m_viewDidLoadRan = false;
};

} // namespace lanterncrest
