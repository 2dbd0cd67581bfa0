#include "platform/ui/ui_loader.h"

#include <QDynamicPropertyChangeEvent>
#include <QWidget>

#include "platform/ui/runtime_attributes.h"
#include "platform/ui/ui_class_registry.h"

namespace lanterncrest {

UiLoader::UiLoader(QString resource, QObject *parent)
    : QUiLoader(parent),
      m_resource(std::move(resource))
{
}

UiLoader::~UiLoader() = default;

QWidget *UiLoader::createWidget(const QString &className, QWidget *parent, const QString &name)
{
    QWidget *widget = UiClassRegistry::shared().create(className, parent);
    if (widget)
        widget->setObjectName(name);
    else
        widget = QUiLoader::createWidget(className, parent, name);
    if (!widget)
        qFatal("Lanterncrest: %s: no widget class named '%s' (register it with UiClassRegistry)",
               qUtf8Printable(m_resource), qUtf8Printable(className));
    // The builder sets the properties right after this returns: watching them here is how the
    // runtime attributes get applied one by one, in the file's order.
    widget->installEventFilter(this);
    return widget;
}

bool UiLoader::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent *>(event)->propertyName();
        // Qt keeps state of its own in dynamic properties named "_q_..." (a style sheet's font,
        // for one): those are no attributes of the file.
        if (!name.startsWith("_q_") && !RuntimeAttributes::isConnectionAttribute(name))
            RuntimeAttributes::shared().apply(*watched, name, watched->property(name), m_resource);
    }
    return false;
}

} // namespace lanterncrest
