#pragma once

#include "platform/ui/layout_item.h"

#include <utility>
#include <vector>

namespace lanterncrest {

// A row of items laid side by side from the leading edge. The group repeats down the section
// until every item has a place; a last row with fewer items leaves its remaining places empty.
class LayoutGroup
{
public:
    static LayoutGroup horizontal(LayoutSize layoutSize, std::vector<LayoutItem> subitems)
    {
        return LayoutGroup(layoutSize, std::move(subitems));
    }

    const LayoutSize &layoutSize() const { return m_layoutSize; }
    const std::vector<LayoutItem> &subitems() const { return m_subitems; }

private:
    LayoutGroup(LayoutSize layoutSize, std::vector<LayoutItem> subitems)
        : m_layoutSize(layoutSize),
          m_subitems(std::move(subitems))
    {
    }

    LayoutSize m_layoutSize;
    std::vector<LayoutItem> m_subitems;
};

} // namespace lanterncrest
