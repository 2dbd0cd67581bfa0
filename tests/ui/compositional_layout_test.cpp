#include "platform/ui/compositional_layout.h"
#include "tests/ui/layouts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace lanterncrest;
using lanterncrest::test::threeColumnGrid;
using lanterncrest::test::twoColumnsWithHeaders;

namespace {

constexpr double kTolerance = 1e-9;
const QString kHeader = CollectionView::elementKindSectionHeader();

void expectRect(const std::optional<QRectF>& actual, double x, double y, double width, double height)
{
    ASSERT_TRUE(actual.has_value());
    EXPECT_NEAR(actual->x(), x, kTolerance);
    EXPECT_NEAR(actual->y(), y, kTolerance);
    EXPECT_NEAR(actual->width(), width, kTolerance);
    EXPECT_NEAR(actual->height(), height, kTolerance);
}

struct GridCase {
    double width;
    int item;
    double x, y, cellWidth, cellHeight;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const GridCase& c, std::ostream* os)
{
    *os << "width " << c.width << ", item " << c.item;
}

class ThreeColumnGridFrames : public ::testing::TestWithParam<GridCase> {};

TEST_P(ThreeColumnGridFrames, CellSitsFivePointsInsideItsThirdOfTheRow)
{
    const GridCase c = GetParam();
    const int counts[] = {12};
    const LayoutFrames frames = threeColumnGrid().frames(QSizeF(c.width, 667), counts);
    expectRect(frames.itemFrame({0, c.item}), c.x, c.y, c.cellWidth, c.cellHeight);
}

// Rows are 5/11 of the width high; cells are a third of the width less 10, and the row height less 10.
INSTANTIATE_TEST_SUITE_P(Widths, ThreeColumnGridFrames,
    ::testing::Values(GridCase{375, 0, 5, 5, 115, 160.45454545454544},
        GridCase{375, 1, 130, 5, 115, 160.45454545454544},
        GridCase{375, 2, 255, 5, 115, 160.45454545454544},
        GridCase{375, 3, 5, 175.45454545454544, 115, 160.45454545454544},
        GridCase{375, 11, 255, 516.3636363636363, 115, 160.45454545454544},
        GridCase{320, 0, 5, 5, 96.66666666666667, 135.45454545454544},
        GridCase{320, 2, 218.33333333333331, 5, 96.66666666666667, 135.45454545454544},
        GridCase{320, 4, 111.66666666666667, 150.45454545454544, 96.66666666666667, 135.45454545454544}));

TEST(CompositionalLayout, TenItemsFillFourRowsAndTheLastCellStartsAtTheLeadingEdge)
{
    const int counts[] = {10};
    const LayoutFrames frames = threeColumnGrid().frames(QSizeF(375, 667), counts);
    const double row = 375 * 0.45454545454545453;

    EXPECT_NEAR(frames.contentHeight(), 4 * row, kTolerance);
    expectRect(frames.itemFrame({0, 9}), 5, 3 * row + 5, 115, row - 10);
    EXPECT_FALSE(frames.itemFrame({0, 10}).has_value());

    const auto lastRow = frames.itemsIntersecting(QRectF(0, 3 * row, 375, row));
    EXPECT_EQ(lastRow, (std::vector<IndexPath>{{0, 9}}));
    // The two remaining places of the last row stay empty.
    EXPECT_FALSE(frames.itemAt(QPointF(180, 3 * row + 80)).has_value());
    EXPECT_FALSE(frames.itemAt(QPointF(300, 3 * row + 80)).has_value());
    EXPECT_EQ(frames.itemAt(QPointF(60, 3 * row + 80)), (IndexPath{0, 9}));
}

TEST(CompositionalLayout, ALastRowOfTwoLeavesTheThirdPlaceEmpty)
{
    const int counts[] = {5};
    const LayoutFrames frames = threeColumnGrid().frames(QSizeF(375, 667), counts);
    const double row = 375 * 0.45454545454545453;
    EXPECT_EQ(frames.itemsIntersecting(QRectF(0, row, 375, row)), (std::vector<IndexPath>{{0, 3}, {0, 4}}));
    EXPECT_FALSE(frames.itemAt(QPointF(300, row + 80)).has_value());
    EXPECT_NEAR(frames.contentHeight(), 2 * row, kTolerance);
}

TEST(CompositionalLayout, TheInsetsBetweenCellsLeaveGapsThatHitNoItem)
{
    const int counts[] = {3};
    const LayoutFrames frames = threeColumnGrid().frames(QSizeF(375, 667), counts);
    EXPECT_FALSE(frames.itemAt(QPointF(2, 80)).has_value());
    EXPECT_FALSE(frames.itemAt(QPointF(127, 80)).has_value());
    EXPECT_FALSE(frames.itemAt(QPointF(60, 168)).has_value());
    EXPECT_EQ(frames.itemAt(QPointF(131, 80)), (IndexPath{0, 1}));
}

TEST(CompositionalLayout, SectionsOfTwoColumnsFollowTheirHeaders)
{
    const int counts[] = {3, 8, 0, 1};
    const LayoutFrames frames = twoColumnsWithHeaders().frames(QSizeF(375, 667), counts);
    const double row = 375 * 0.5636363636363636;
    const double cellHeight = row - 10;

    struct Expected {
        IndexPath item;
        double x, y;
    };
    const double section1 = 44 + 2 * row;
    const double section2 = section1 + 44 + 4 * row;
    const double section3 = section2 + 44;
    const Expected items[] = {
        {{0, 0}, 5, 49},
        {{0, 1}, 192.5, 49},
        {{0, 2}, 5, 44 + row + 5},
        {{1, 0}, 5, section1 + 49},
        {{1, 7}, 192.5, section1 + 44 + 3 * row + 5},
        {{3, 0}, 5, section3 + 49},
    };
    for (const auto& expected : items) {
        SCOPED_TRACE(testing::Message() << "item " << expected.item.section << "." << expected.item.item);
        expectRect(frames.itemFrame(expected.item), expected.x, expected.y, 177.5, cellHeight);
    }

    const double headers[] = {0, section1, section2, section3};
    for (int section = 0; section < 4; ++section) {
        SCOPED_TRACE(testing::Message() << "header " << section);
        expectRect(frames.supplementaryFrame(kHeader, section), 0, headers[section], 375, 44);
    }
    // An empty section still shows its header.
    EXPECT_EQ(frames.numberOfItems(2), 0);
    EXPECT_NEAR(frames.contentHeight(), section3 + 44 + row, kTolerance);

    const auto band = frames.supplementariesIntersecting(QRectF(0, section1 - 10, 375, 20));
    ASSERT_EQ(band.size(), 1u);
    EXPECT_EQ(band[0].indexPath, (IndexPath{1, 0}));
    EXPECT_EQ(band[0].elementKind, kHeader);
}

TEST(CompositionalLayout, AMeasuredHeaderHeightReplacesTheEstimateAndMovesWhatFollows)
{
    const int counts[] = {2, 2};
    const double row = 375 * 0.5636363636363636;
    const MeasuredSupplementaryHeights measured{{{kHeader, 0}, 30.0}};
    const LayoutFrames frames = twoColumnsWithHeaders().frames(QSizeF(375, 667), counts, measured);

    expectRect(frames.supplementaryFrame(kHeader, 0), 0, 0, 375, 30);
    expectRect(frames.itemFrame({0, 0}), 5, 35, 177.5, row - 10);
    expectRect(frames.supplementaryFrame(kHeader, 1), 0, 30 + row, 375, 44);
}

TEST(CompositionalLayout, AMeasuredHeightLeavesAnAbsoluteHeaderAlone)
{
    LayoutItem item{{LayoutDimension::fractionalWidth(1.0), LayoutDimension::absolute(50)}};
    LayoutSection section(LayoutGroup::horizontal(
        {LayoutDimension::fractionalWidth(1.0), LayoutDimension::absolute(50)}, {item}));
    section.boundarySupplementaryItems.push_back(
        {{LayoutDimension::fractionalWidth(1.0), LayoutDimension::absolute(42)}, kHeader});
    const int counts[] = {1};
    const LayoutFrames frames
        = CompositionalLayout(section).frames(QSizeF(375, 667), counts, {{{kHeader, 0}, 30.0}});
    expectRect(frames.supplementaryFrame(kHeader, 0), 0, 0, 375, 42);
    expectRect(frames.itemFrame({0, 0}), 0, 42, 375, 50);
}

TEST(CompositionalLayout, SectionInsetsNarrowTheContainerOfGroupsAndHeaders)
{
    LayoutItem item{{LayoutDimension::fractionalWidth(0.5), LayoutDimension::fractionalHeight(1.0)}};
    LayoutSection section(LayoutGroup::horizontal(
        {LayoutDimension::fractionalWidth(1.0), LayoutDimension::fractionalHeight(0.25)}, {item, item}));
    section.contentInsets = {10, 20, 30, 40};
    section.boundarySupplementaryItems.push_back(
        {{LayoutDimension::fractionalWidth(1.0), LayoutDimension::absolute(24)}, kHeader});
    const int counts[] = {3, 1};
    // The container is 315 by 560 once the insets are taken off; a row is a quarter of 560.
    const LayoutFrames frames = CompositionalLayout(section).frames(QSizeF(375, 600), counts);

    expectRect(frames.supplementaryFrame(kHeader, 0), 20, 0, 315, 24);
    expectRect(frames.itemFrame({0, 0}), 20, 34, 157.5, 140);
    expectRect(frames.itemFrame({0, 1}), 177.5, 34, 157.5, 140);
    expectRect(frames.itemFrame({0, 2}), 20, 174, 157.5, 140);
    const double section1 = 34 + 2 * 140 + 30;
    expectRect(frames.supplementaryFrame(kHeader, 1), 20, section1, 315, 24);
    EXPECT_NEAR(frames.contentHeight(), section1 + 24 + 10 + 140 + 30, kTolerance);
}

TEST(CompositionalLayout, DegenerateDescriptionsPlaceNothingInsteadOfFailing)
{
    const int counts[] = {4, -3};
    const LayoutFrames noSubitems
        = CompositionalLayout(LayoutSection(LayoutGroup::horizontal(
                                  {LayoutDimension::fractionalWidth(1.0), LayoutDimension::absolute(50)}, {})))
              .frames(QSizeF(375, 667), counts);
    EXPECT_EQ(noSubitems.numberOfItems(0), 0);
    EXPECT_FALSE(noSubitems.itemFrame({0, 0}).has_value());
    EXPECT_TRUE(noSubitems.itemsIntersecting(QRectF(0, 0, 375, 667)).empty());

    const LayoutFrames negativeCount = threeColumnGrid().frames(QSizeF(375, 667), counts);
    EXPECT_EQ(negativeCount.numberOfItems(1), 0);
    EXPECT_FALSE(negativeCount.itemFrame({1, 0}).has_value());
    EXPECT_FALSE(negativeCount.itemFrame({-1, 0}).has_value());

    // Insets wider than the item leave an empty cell that nothing can hit.
    LayoutItem crowded{{LayoutDimension::absolute(8), LayoutDimension::absolute(8)}, DirectionalEdgeInsets::uniform(5)};
    const LayoutFrames tiny = CompositionalLayout(LayoutSection(LayoutGroup::horizontal(
                                                      {LayoutDimension::absolute(8), LayoutDimension::absolute(8)},
                                                      {crowded})))
                                  .frames(QSizeF(375, 667), counts);
    ASSERT_TRUE(tiny.itemFrame({0, 0}).has_value());
    EXPECT_TRUE(tiny.itemFrame({0, 0})->isEmpty());
    EXPECT_TRUE(tiny.itemsIntersecting(QRectF(0, 0, 375, 667)).empty());
}

TEST(CompositionalLayout, LookUpsInALongListFindExactlyTheItemsInTheBand)
{
    const std::vector<int> counts{5000, 1, 0, 4999};
    const LayoutFrames frames = twoColumnsWithHeaders().frames(QSizeF(375, 667), counts);
    const QRectF bands[] = {QRectF(0, 50, 375, 1), QRectF(0, 1000, 375, 700), QRectF(0, 527900, 375, 1500),
        QRectF(0, frames.contentHeight() - 300, 375, 600), QRectF(100, 20000, 10, 10)};
    for (const QRectF& band : bands) {
        std::vector<IndexPath> expected;
        for (int section = 0; section < frames.numberOfSections(); ++section) {
            for (int item = 0; item < frames.numberOfItems(section); ++item) {
                const QRectF frame = *frames.itemFrame({section, item});
                if (frame.intersects(band))
                    expected.push_back({section, item});
            }
        }
        SCOPED_TRACE(testing::Message() << "band at " << band.y());
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(frames.itemsIntersecting(band), expected);
    }
}

} // namespace
