#include "platform/ui/ui_class_registry.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_header_view.h"

namespace lanterncrest {

namespace {

// The squad grid's cell and header, named by their nibs: registered when the library is
// loaded, before any nib can be read.
const bool registered = [] {
    auto &registry = UiClassRegistry::shared();
    registry.registerClass<PlayerListCollectionViewCell>(
            QStringLiteral("PlayerListCollectionViewCell"));
    registry.registerClass<PositionHeaderView>(QStringLiteral("PositionHeaderView"));
    return true;
}();

} // namespace

} // namespace lanterncrest
