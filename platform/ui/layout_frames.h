#pragma once

#include "platform/ui/index_path.h"

#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

namespace lanterncrest {

struct SupplementaryFrame
{
    QString elementKind;
    IndexPath indexPath; // the section's, with item 0
    QRectF frame;
};

// Where one section's views go. Rows are the extents of the repeated group (its frame and
// its items' frames), top to bottom; row r holds the items from r * itemsPerRow on.
struct SectionFrames
{
    QRectF bounds;
    std::vector<SupplementaryFrame> supplementaries;
    std::vector<QRectF> rows;
    std::vector<QRectF> items;
    int itemsPerRow = 0;
};

// The computed frames of a whole collection, in content coordinates (origin at the top-left
// of the scrolled content), with the look-ups a scrolling view needs. Sections and rows are
// ordered top to bottom, so each look-up costs a binary search plus what it finds.
class LayoutFrames
{
public:
    LayoutFrames() = default;
    LayoutFrames(std::vector<SectionFrames> sections, double contentHeight);

    double contentHeight() const { return m_contentHeight; }
    int numberOfSections() const { return static_cast<int>(m_sections.size()); }
    int numberOfItems(int section) const;

    // The frame of a cell: its place in the row less the item's content insets.
    std::optional<QRectF> itemFrame(const IndexPath &indexPath) const;
    std::optional<QRectF> supplementaryFrame(const QString &elementKind, int section) const;

    std::vector<IndexPath> itemsIntersecting(const QRectF &rect) const;
    std::vector<SupplementaryFrame> supplementariesIntersecting(const QRectF &rect) const;
    std::optional<IndexPath> itemAt(const QPointF &point) const;

private:
    template<typename Visit>
    void forEachItemInBand(double top, double bottom, Visit &&visit) const;

    std::vector<SectionFrames> m_sections;
    double m_contentHeight = 0;
};

} // namespace lanterncrest
