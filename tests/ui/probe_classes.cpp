#include "tests/ui/probe_classes.h"

#include "platform/ui/ui_class_registry.h"

namespace lanterncrest::test {

void registerProbeClasses()
{
    auto& registry = UiClassRegistry::shared();
    registry.registerClass<ConnectableProbe>(QStringLiteral("ConnectableProbe"));
    registry.registerClass<ProbeHeader>(QStringLiteral("ProbeHeader"));
}

} // namespace lanterncrest::test
