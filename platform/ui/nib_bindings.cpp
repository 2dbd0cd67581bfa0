#include "platform/ui/nib_owner.h"

#include <QWidget>

namespace lanterncrest {

NibBindings::NibBindings(QWidget *root, QString resource)
    : m_root(root),
      m_resource(std::move(resource))
{
}

void NibBindings::action(const QString &name, Action handler)
{
    m_actions[name] = std::move(handler);
}

QObject *NibBindings::lookup(const QString &name) const
{
    QObject *found = m_root->objectName() == name ? m_root : m_root->findChild<QObject *>(name);
    if (!found)
        qFatal("Lanterncrest: %s: outlet '%s' is not connected: no object of that name",
               qUtf8Printable(m_resource), qUtf8Printable(name));
    return found;
}

void NibBindings::wrongClass(const QString &name, QObject *object, const char *expected) const
{
    qFatal("Lanterncrest: %s: outlet '%s' is a %s, not a %s", qUtf8Printable(m_resource),
           qUtf8Printable(name), object->metaObject()->className(), expected);
}

} // namespace lanterncrest
