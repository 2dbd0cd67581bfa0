#include "platform/ui/button.h"
#include "platform/ui/collection_view.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/table_view.h"
#include "platform/ui/ui_class_registry.h"
#include "platform/ui/view.h"

namespace lanterncrest {

// The widget classes of platform/ui that .ui files may name; add new ones here.
void registerPlatformUiClasses(UiClassRegistry &registry)
{
    registry.registerClass<View>(QStringLiteral("View"));
    registry.registerClass<Label>(QStringLiteral("Label"));
    registry.registerClass<Button>(QStringLiteral("Button"));
    registry.registerClass<ImageView>(QStringLiteral("ImageView"));
    registry.registerClass<CollectionView>(QStringLiteral("CollectionView"));
    registry.registerClass<CollectionViewCell>(QStringLiteral("CollectionViewCell"));
    registry.registerClass<CollectionReusableView>(QStringLiteral("CollectionReusableView"));
    registry.registerClass<TableView>(QStringLiteral("TableView"));
}

} // namespace lanterncrest
