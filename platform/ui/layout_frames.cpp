#include "platform/ui/layout_frames.h"

#include <algorithm>
#include <utility>

namespace lanterncrest {

namespace {

// Open intervals on both axes: frames that only touch the rectangle's edge stay outside, and
// an empty frame is nowhere.
bool overlaps(const QRectF &frame, const QRectF &rect)
{
    return !frame.isEmpty() && frame.left() < rect.right() && frame.right() > rect.left()
            && frame.top() < rect.bottom() && frame.bottom() > rect.top();
}

} // namespace

LayoutFrames::LayoutFrames(std::vector<SectionFrames> sections, double contentHeight)
    : m_sections(std::move(sections)),
      m_contentHeight(contentHeight)
{
}

int LayoutFrames::numberOfItems(int section) const
{
    if (section < 0 || section >= numberOfSections())
        return 0;
    return static_cast<int>(m_sections[section].items.size());
}

std::optional<QRectF> LayoutFrames::itemFrame(const IndexPath &indexPath) const
{
    if (indexPath.item < 0 || indexPath.item >= numberOfItems(indexPath.section))
        return std::nullopt;
    return m_sections[indexPath.section].items[indexPath.item];
}

std::optional<QRectF> LayoutFrames::supplementaryFrame(const QString &elementKind,
                                                       int section) const
{
    if (section < 0 || section >= numberOfSections())
        return std::nullopt;
    for (const auto &supplementary : m_sections[section].supplementaries) {
        if (supplementary.elementKind == elementKind)
            return supplementary.frame;
    }
    return std::nullopt;
}

// Visits every item of every row that reaches into [top, bottom], with its section's index.
template<typename Visit>
void LayoutFrames::forEachItemInBand(double top, double bottom, Visit &&visit) const
{
    auto section = std::lower_bound(
            m_sections.begin(), m_sections.end(), top,
            [](const SectionFrames &frames, double y) { return frames.bounds.bottom() < y; });
    for (; section != m_sections.end() && section->bounds.top() <= bottom; ++section) {
        if (section->itemsPerRow <= 0)
            continue;
        const int sectionIndex = static_cast<int>(section - m_sections.begin());
        auto row =
                std::lower_bound(section->rows.begin(), section->rows.end(), top,
                                 [](const QRectF &frame, double y) { return frame.bottom() < y; });
        for (; row != section->rows.end() && row->top() <= bottom; ++row) {
            const auto first = static_cast<std::size_t>(row - section->rows.begin())
                    * static_cast<std::size_t>(section->itemsPerRow);
            const auto last = std::min(first + static_cast<std::size_t>(section->itemsPerRow),
                                       section->items.size());
            for (auto item = first; item < last; ++item)
                visit(IndexPath{ sectionIndex, static_cast<int>(item) }, section->items[item]);
        }
    }
}

std::vector<IndexPath> LayoutFrames::itemsIntersecting(const QRectF &rect) const
{
    std::vector<IndexPath> found;
    forEachItemInBand(rect.top(), rect.bottom(),
                      [&](const IndexPath &indexPath, const QRectF &frame) {
                          if (overlaps(frame, rect))
                              found.push_back(indexPath);
                      });
    return found;
}

std::vector<SupplementaryFrame> LayoutFrames::supplementariesIntersecting(const QRectF &rect) const
{
    std::vector<SupplementaryFrame> found;
    auto section = std::lower_bound(
            m_sections.begin(), m_sections.end(), rect.top(),
            [](const SectionFrames &frames, double y) { return frames.bounds.bottom() < y; });
    for (; section != m_sections.end() && section->bounds.top() <= rect.bottom(); ++section) {
        for (const auto &supplementary : section->supplementaries) {
            if (overlaps(supplementary.frame, rect))
                found.push_back(supplementary);
        }
    }
    return found;
}

std::optional<IndexPath> LayoutFrames::itemAt(const QPointF &point) const
{
    std::optional<IndexPath> found;
    forEachItemInBand(point.y(), point.y(), [&](const IndexPath &indexPath, const QRectF &frame) {
        if (!found && frame.contains(point))
            found = indexPath;
    });
    return found;
}

} // namespace lanterncrest
