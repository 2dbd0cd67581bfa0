#include "platform/ui/compositional_layout.h"

#include <algorithm>
#include <vector>

namespace lanterncrest {

namespace {

QRectF inset(const QRectF &box, const DirectionalEdgeInsets &insets)
{
    const double width = std::max(0.0, box.width() - insets.leading - insets.trailing);
    const double height = std::max(0.0, box.height() - insets.top - insets.bottom);
    return QRectF(box.left() + insets.leading, box.top() + insets.top, width, height);
}

// Item boxes of one row relative to the row's top-left corner, leading edge first.
std::vector<QRectF> rowTemplate(const LayoutGroup &group, const QSizeF &groupSize)
{
    std::vector<QRectF> boxes;
    boxes.reserve(group.subitems().size());
    double x = 0;
    for (const auto &item : group.subitems()) {
        const double width = item.layoutSize.widthDimension.resolved(groupSize);
        const double height = item.layoutSize.heightDimension.resolved(groupSize);
        boxes.push_back(inset(QRectF(x, 0, width, height), item.contentInsets));
        x += width;
    }
    return boxes;
}

} // namespace

LayoutFrames CompositionalLayout::frames(const QSizeF &container, std::span<const int> itemCounts,
                                         const MeasuredSupplementaryHeights &measured,
                                         Qt::LayoutDirection direction) const
{
    // Frames are laid out from the left and, right to left, mirrored here and nowhere else.
    const auto placed = [&](const QRectF &box) {
        if (direction != Qt::RightToLeft)
            return box;
        return QRectF(container.width() - box.right(), box.top(), box.width(), box.height());
    };
    const auto &insets = m_section.contentInsets;
    const QSizeF sectionContainer(
            std::max(0.0, container.width() - insets.leading - insets.trailing),
            std::max(0.0, container.height() - insets.top - insets.bottom));
    const QSizeF groupSize(m_section.group.layoutSize().widthDimension.resolved(sectionContainer),
                           m_section.group.layoutSize().heightDimension.resolved(sectionContainer));
    std::vector<QRectF> row = rowTemplate(m_section.group, groupSize);
    const int itemsPerRow = static_cast<int>(row.size());
    // Items may reach out of their group; a row's extent covers both, so look-ups by row find them.
    QRectF rowExtent(QPointF(0, 0), groupSize);
    for (const auto &box : row)
        rowExtent = rowExtent.united(box);
    // The first row in place; the others are it moved down.
    rowExtent = placed(rowExtent.translated(insets.leading, 0));
    for (auto &box : row)
        box = placed(box.translated(insets.leading, 0));

    std::vector<SectionFrames> sections;
    sections.reserve(itemCounts.size());
    double y = 0;
    for (std::size_t index = 0; index < itemCounts.size(); ++index) {
        const int section = static_cast<int>(index);
        SectionFrames frames;
        const double top = y;

        for (const auto &boundary : m_section.boundarySupplementaryItems) {
            const double width = boundary.layoutSize.widthDimension.resolved(sectionContainer);
            double height = boundary.layoutSize.heightDimension.resolved(sectionContainer);
            if (boundary.layoutSize.heightDimension.isEstimated()) {
                if (auto found = measured.find({ boundary.elementKind, section });
                    found != measured.end())
                    height = std::max(0.0, found->second);
            }
            frames.supplementaries.push_back({ boundary.elementKind, IndexPath{ section, 0 },
                                               placed(QRectF(insets.leading, y, width, height)) });
            y += height;
        }

        y += insets.top;
        const int count = std::max(0, itemCounts[index]);
        // A group without subitems has no place for any item: its section shows none.
        if (itemsPerRow > 0 && count > 0) {
            const int rows = count / itemsPerRow + (count % itemsPerRow != 0 ? 1 : 0);
            frames.itemsPerRow = itemsPerRow;
            frames.rows.reserve(rows);
            frames.items.reserve(count);
            for (int r = 0; r < rows; ++r) {
                frames.rows.push_back(rowExtent.translated(0, y));
                const int inRow = std::min(itemsPerRow, count - r * itemsPerRow);
                for (int i = 0; i < inRow; ++i)
                    frames.items.push_back(row[i].translated(0, y));
                y += groupSize.height();
            }
        }
        y += insets.bottom;

        frames.bounds = QRectF(0, top, container.width(), y - top);
        sections.push_back(std::move(frames));
    }
    return LayoutFrames(std::move(sections), y);
}

} // namespace lanterncrest
