#pragma once

#include "platform/ui/nib_owner.h"
#include "platform/ui/view_controller.h"
#include "platform/ui/weak_reference.h"

#include <QObject>

#include <memory>

namespace lanterncrest {

// How a widget that a .ui file connects to its owner holds that owner as a T: through the
// controller's shared ownership when the owner is a controller held by std::shared_ptr, watched
// as a QObject when it is one, and otherwise as the loader's contract has it, trusting the owner
// to outlive its views. Empty when the owner is not a T.
template<class T>
WeakReference<T> ownerReference(NibOwner *owner)
{
    T *typed = dynamic_cast<T *>(owner);
    if (!typed)
        return {};
    if (auto *controller = dynamic_cast<ViewController *>(owner)) {
        if (std::shared_ptr<ViewController> shared = controller->weak_from_this().lock())
            return std::shared_ptr<T>(shared, typed);
    }
    if (auto *object = dynamic_cast<QObject *>(owner))
        return WeakReference<T>::guardedBy(typed, object);
    return WeakReference<T>::unguarded(typed);
}

} // namespace lanterncrest
