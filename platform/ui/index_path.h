#pragma once

#include <compare>

namespace lanterncrest {

// The place of one item in a sectioned list. Tables call the item a row.
struct IndexPath
{
    int section = 0;
    int item = 0;

    constexpr int row() const { return item; }

    friend constexpr auto operator<=>(const IndexPath &, const IndexPath &) = default;
};

} // namespace lanterncrest
