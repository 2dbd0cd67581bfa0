#include "platform/ui/ui_class_registry.h"

namespace lanterncrest {

UiClassRegistry &UiClassRegistry::shared()
{
    static UiClassRegistry registry;
    return registry;
}

UiClassRegistry::UiClassRegistry()
{
    registerPlatformUiClasses(*this);
}

void UiClassRegistry::registerClass(const QString &className, Factory factory)
{
    m_factories[className] = std::move(factory);
}

bool UiClassRegistry::contains(const QString &className) const
{
    return m_factories.contains(className);
}

QWidget *UiClassRegistry::create(const QString &className, QWidget *parent) const
{
    const auto found = m_factories.find(className);
    return found == m_factories.end() ? nullptr : found->second(parent);
}

} // namespace lanterncrest
