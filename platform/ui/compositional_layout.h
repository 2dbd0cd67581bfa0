#pragma once

#include "platform/ui/layout_frames.h"
#include "platform/ui/layout_section.h"

#include <QSizeF>
#include <QString>
#include <Qt>

#include <map>
#include <span>
#include <utility>

namespace lanterncrest {

// Heights that a collection view measured for supplementary views of estimated height,
// by element kind and section.
using MeasuredSupplementaryHeights = std::map<std::pair<QString, int>, double>;

// A vertically scrolling layout in which every section follows one section description.
// Pure computation: given the container's size and the number of items in each section it
// answers every frame, so it can be tested and measured without a widget.
class CompositionalLayout
{
public:
    explicit CompositionalLayout(LayoutSection section) : m_section(std::move(section)) { }

    const LayoutSection &section() const { return m_section; }

    // Fractions of a group or boundary item refer to the container less the section's insets;
    // fractions of an item refer to its group. An estimated height is used as it stands
    // unless `measured` holds a height for that view. Right to left, the leading edge is the
    // right one: every frame is the left-to-right one mirrored across the container's width.
    LayoutFrames frames(const QSizeF &container, std::span<const int> itemCounts,
                        const MeasuredSupplementaryHeights &measured = {},
                        Qt::LayoutDirection direction = Qt::LeftToRight) const;

private:
    LayoutSection m_section;
};

} // namespace lanterncrest
