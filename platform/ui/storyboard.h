#pragma once

#include <QString>
#include <memory>
#include <type_traits>

#include "platform/export.h"
#include "platform/ui/nib.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest {

// A set of scenes in the bundle, one .ui per view controller:
// ":/lanterncrest/storyboards/<name>/<identifier>.ui", the identifier being the controller's
// class name. The top-level widget of a scene is the controller's view.
class LANTERNCREST_EXPORT Storyboard
{
public:
    // Stops the process when the bundle holds no storyboard of that name.
    explicit Storyboard(const QString &name);

    const QString &name() const { return m_name; }

    // A new controller whose view will come from the scene `identifier`, not loaded yet. Stops
    // the process when the storyboard has no such scene.
    template<class T>
    std::shared_ptr<T> instantiateViewController(const QString &identifier) const
    {
        static_assert(std::is_base_of_v<ViewController, T>);
        auto controller = std::make_shared<T>();
        controller->m_scene = scene(identifier);
        return controller;
    }

    Nib scene(const QString &identifier) const;
    static QString scenePath(const QString &name, const QString &identifier);

private:
    QString m_name;
};

} // namespace lanterncrest
