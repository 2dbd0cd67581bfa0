#pragma once

#include "platform/ui/boundary_supplementary_item.h"
#include "platform/ui/directional_edge_insets.h"
#include "platform/ui/layout_group.h"

#include <utility>
#include <vector>

namespace lanterncrest {

// How every section of a collection is laid out: its boundary items on top, then its content,
// rows of the group inside the content insets. The insets' leading and trailing edges also
// narrow the boundary items.
struct LayoutSection
{
    explicit LayoutSection(LayoutGroup group) : group(std::move(group)) { }

    LayoutGroup group;
    DirectionalEdgeInsets contentInsets{};
    std::vector<BoundarySupplementaryItem> boundarySupplementaryItems;
};

} // namespace lanterncrest
