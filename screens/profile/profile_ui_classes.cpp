#include "platform/ui/ui_class_registry.h"
#include "screens/profile/player_profile_header_view.h"
#include "screens/profile/sub_tab_collection_view_cell.h"
#include "screens/profile/tab_collection_view_cell.h"

namespace lanterncrest {

namespace {

// The profile screen's classes that its .ui files name: registered when the library is
// loaded, before any file can be read.
const bool registered = [] {
    auto &registry = UiClassRegistry::shared();
    registry.registerClass<PlayerProfileHeaderView>(QStringLiteral("PlayerProfileHeaderView"));
    registry.registerClass<TabCollectionViewCell>(QStringLiteral("TabCollectionViewCell"));
    registry.registerClass<SubTabCollectionViewCell>(QStringLiteral("SubTabCollectionViewCell"));
    return true;
}();

} // namespace

} // namespace lanterncrest
