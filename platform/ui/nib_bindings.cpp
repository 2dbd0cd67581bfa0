#include "platform/ui/nib_owner.h"

#include <QWidget>

namespace lanterncrest {

NibBindings::NibBindings(QWidget* root, QString resource)
    : root_(root)
    , resource_(std::move(resource))
{
}

void NibBindings::action(const QString& name, Action handler)
{
    actions_[name] = std::move(handler);
}

QObject* NibBindings::lookup(const QString& name) const
{
    QObject* found = root_->objectName() == name ? root_ : root_->findChild<QObject*>(name);
    if (!found)
        qFatal("Lanterncrest: %s: outlet '%s' is not connected: no object of that name",
               qUtf8Printable(resource_), qUtf8Printable(name));
    return found;
}

void NibBindings::wrongClass(const QString& name, QObject* object, const char* expected) const
{
    qFatal("Lanterncrest: %s: outlet '%s' is a %s, not a %s", qUtf8Printable(resource_), qUtf8Printable(name),
           object->metaObject()->className(), expected);
}

} // namespace lanterncrest
