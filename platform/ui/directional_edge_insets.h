#pragma once

namespace lanterncrest {

// Insets named by reading direction: leading is the left edge left to right, the right edge
// right to left.
struct DirectionalEdgeInsets
{
    double top = 0;
    double leading = 0;
    double bottom = 0;
    double trailing = 0;

    static constexpr DirectionalEdgeInsets uniform(double inset)
    {
        return { inset, inset, inset, inset };
    }

    friend constexpr bool operator==(const DirectionalEdgeInsets &,
                                     const DirectionalEdgeInsets &) = default;
};

} // namespace lanterncrest
