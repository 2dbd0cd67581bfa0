#pragma once

#include "platform/ui/layout_dimension.h"

#include <QString>

namespace lanterncrest {

// A view of the given kind placed at the top of its section, above the section's items, such
// as a section header. Its size is relative to the section's container.
struct BoundarySupplementaryItem
{
    LayoutSize layoutSize;
    QString elementKind;
};

} // namespace lanterncrest
