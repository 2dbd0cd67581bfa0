#include "tests/ui/layouts.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lanterncrest;

namespace {

const QString kHeader = CollectionView::elementKindSectionHeader();

void expectRect(const std::optional<QRectF> &actual, const QRectF &expected)
{
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(actual->x(), expected.x(), 1e-9);
    EXPECT_NEAR(actual->y(), expected.y(), 1e-9);
    EXPECT_NEAR(actual->width(), expected.width(), 1e-9);
    EXPECT_NEAR(actual->height(), expected.height(), 1e-9);
}

TEST(CompositionalLayout, GridCellsSitFivePointsInsideTheirThirdAndALastRowStartsAtTheLeadingEdge)
{
    const int counts[] = { 10 };
    const LayoutFrames frames = test::threeColumnGrid().frames(QSizeF(375, 667), counts);
    // Rows are 5/11 of the width high; cells are a third of the width less 10, and the row height
    // less 10.
    const double row = 375 * 0.45454545454545453;
    const struct
    {
        int item;
        double x, y;
    } cases[] = { { 0, 5, 5 },       { 1, 130, 5 },           { 2, 255, 5 },
                  { 3, 5, row + 5 }, { 8, 255, 2 * row + 5 }, { 9, 5, 3 * row + 5 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item);
        expectRect(frames.itemFrame({ 0, c.item }), QRectF(c.x, c.y, 115, row - 10));
    }
    EXPECT_FALSE(frames.itemFrame({ 0, 10 }).has_value());
    EXPECT_NEAR(frames.contentHeight(), 4 * row, 1e-9);
    EXPECT_EQ(frames.itemsIntersecting(QRectF(0, 3 * row, 375, row)),
              (std::vector<IndexPath>{ { 0, 9 } }));
    // The two remaining places of the last row stay empty.
    EXPECT_FALSE(frames.itemAt(QPointF(180, 3 * row + 80)).has_value());
    EXPECT_FALSE(frames.itemAt(QPointF(300, 3 * row + 80)).has_value());
    EXPECT_EQ(frames.itemAt(QPointF(60, 3 * row + 80)), (IndexPath{ 0, 9 }));
}

TEST(CompositionalLayout, SectionsOfTwoColumnsFollowTheirHeaders)
{
    const int counts[] = { 3, 8, 0, 1 };
    const LayoutFrames frames = test::twoColumnsWithHeaders().frames(QSizeF(375, 667), counts);
    const double row = 375 * 0.5636363636363636;
    const double section1 = 44 + 2 * row;
    const double section2 = section1 + 44 + 4 * row;
    const double section3 = section2 + 44; // an empty section still shows its header

    const struct
    {
        IndexPath item;
        double x, y;
    } items[] = { { { 0, 0 }, 5, 49 },
                  { { 0, 1 }, 192.5, 49 },
                  { { 0, 2 }, 5, 44 + row + 5 },
                  { { 1, 0 }, 5, section1 + 49 },
                  { { 1, 7 }, 192.5, section1 + 44 + 3 * row + 5 },
                  { { 3, 0 }, 5, section3 + 49 } };
    for (const auto &expected : items) {
        SCOPED_TRACE(testing::Message() << expected.item.section << "." << expected.item.item);
        expectRect(frames.itemFrame(expected.item),
                   QRectF(expected.x, expected.y, 177.5, row - 10));
    }
    const double headers[] = { 0, section1, section2, section3 };
    for (int section = 0; section < 4; ++section)
        expectRect(frames.supplementaryFrame(kHeader, section),
                   QRectF(0, headers[section], 375, 44));
    EXPECT_NEAR(frames.contentHeight(), section3 + 44 + row, 1e-9);
}

} // namespace
