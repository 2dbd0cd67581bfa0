#pragma once

#include "platform/ui/directional_edge_insets.h"
#include "platform/ui/layout_dimension.h"

namespace lanterncrest {

// One cell's place in a group: its size relative to the group, and the insets that separate
// the cell's frame from the edges of that place.
struct LayoutItem
{
    LayoutSize layoutSize;
    DirectionalEdgeInsets contentInsets{};
};

} // namespace lanterncrest
