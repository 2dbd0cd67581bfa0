#include "platform/ui/ui_class_registry.h"

namespace lanterncrest {

UiClassRegistry& UiClassRegistry::shared()
{
    static UiClassRegistry registry;
    return registry;
}

UiClassRegistry::UiClassRegistry()
{
    registerPlatformUiClasses(*this);
}

void UiClassRegistry::registerClass(const QString& className, Factory factory)
{
    factories_[className] = std::move(factory);
}

bool UiClassRegistry::contains(const QString& className) const
{
    return factories_.contains(className);
}

QWidget* UiClassRegistry::create(const QString& className, QWidget* parent) const
{
    const auto found = factories_.find(className);
    return found == factories_.end() ? nullptr : found->second(parent);
}

} // namespace lanterncrest
