#include "platform/ui/image_view.h"
#include "platform/ui/runtime_attributes.h"
#include "platform/ui/ui_class_registry.h"
#include "screens/teams/hexagon_mask.h"
#include "screens/teams/scoreboard_banner.h"
#include "screens/teams/team_collection_view_cell.h"

namespace lanterncrest {

namespace {

// What the .ui files of the screens, and of a host, may name beyond the platform's own: filled
// in when the library is loaded, before any file can be read, and read only when one is.
const bool registered = [] {
    UiClassRegistry::shared().registerClass<ScoreboardBanner>(QStringLiteral("ScoreboardBanner"));
    UiClassRegistry::shared().registerClass<TeamCollectionViewCell>(
            QStringLiteral("TeamCollectionViewCell"));
    RuntimeAttributes::shared().registerAttribute<ImageView>(
            "polygonRadius", [](ImageView &view, const QVariant &value) {
                const auto radius = RuntimeAttributes::number(value);
                if (radius)
                    setPolygonRadius(view, *radius);
                return radius.has_value();
            });
    return true;
}();

} // namespace

} // namespace lanterncrest
