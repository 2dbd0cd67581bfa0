#include "platform/ui/collection_view.h"
#include "tests/ui/layouts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <vector>

using namespace lanterncrest;

namespace {

struct LabelCell : CollectionViewCell
{
    QLabel *label = new QLabel(this);
};

// One section of numbered items; each cell shows its item's number after a prefix.
class NumberedItems : public CollectionViewDataSource, public CollectionViewDelegate
{
public:
    int numberOfItemsInSection(CollectionView &, int) override { return count; }
    CollectionViewCell *cellForItemAt(CollectionView &view, const IndexPath &indexPath) override
    {
        auto *cell = static_cast<LabelCell *>(view.dequeueReusableCell("LabelCell", indexPath));
        cell->label->setText(prefix + QString::number(indexPath.item));
        return cell;
    }
    void didSelectItemAt(CollectionView &, const IndexPath &indexPath) override
    {
        selected.push_back(indexPath);
    }

    int count = 0;
    QString prefix;
    std::vector<IndexPath> selected;
};

class CollectionViewTest : public ::testing::Test
{
protected:
    void install(int count, QSize size = QSize(375, 667))
    {
        items->count = count;
        view.resize(size);
        view.registerCell("LabelCell", [this] {
            ++cellsMade;
            return new LabelCell;
        });
        view.setCollectionViewLayout(test::threeColumnGrid());
        view.setDataSource(items);
        view.setDelegate(items);
        view.show();
        view.layoutIfNeeded();
    }

    LabelCell *cell(int item) const
    {
        return static_cast<LabelCell *>(view.cellForItem({ 0, item }));
    }

    // Every visible item has a visible cell on its own frame that shows its own content.
    void expectCellsShowTheirItems() const
    {
        const int offset = view.verticalScrollBar()->value();
        for (const IndexPath &indexPath : view.indexPathsForVisibleItems()) {
            const LabelCell *shown = cell(indexPath.item);
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(shown->isVisible());
            EXPECT_EQ(shown->label->text(), items->prefix + QString::number(indexPath.item));
            EXPECT_NEAR(shown->geometry().top(),
                        view.layoutFrames().itemFrame(indexPath)->top() - offset, 1.0);
        }
    }

    CollectionView view;
    std::shared_ptr<NumberedItems> items = std::make_shared<NumberedItems>();
    int cellsMade = 0;
};

TEST_F(CollectionViewTest, ScrollingRecyclesAFewCellsAndEachShowsItsOwnItem)
{
    install(3000);
    const int bound = 30; // 667 points plus a margin: about seven rows of three
    std::set<IndexPath> seen;
    QScrollBar *bar = view.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100000);
    for (int value = 0; value < bar->maximum() + 997; value += 997) {
        bar->setValue(value);
        EXPECT_LE(view.viewport()->findChildren<LabelCell *>().size(), bound) << "at " << value;
        const auto visible = view.indexPathsForVisibleItems();
        ASSERT_FALSE(visible.empty());
        seen.insert(visible.begin(), visible.end());
        expectCellsShowTheirItems();
    }
    EXPECT_EQ(view.indexPathsForVisibleItems().back(), (IndexPath{ 0, 2999 }));
    EXPECT_GT(seen.size(), 300u);
    EXPECT_LE(cellsMade, bound);
}

// Four million items in a window ten phones wide: rows of 1704 points make the content taller
// than pixels in an int can reach. It scrolls and drags as far as they do.
TEST_F(CollectionViewTest, ContentTallerThanTheIntRangeScrollsAndDragsToWherePixelsEnd)
{
    install(4'000'000, QSize(3750, 667));
    ASSERT_GT(view.layoutFrames().contentHeight(), double(INT_MAX));
    QScrollBar *bar = view.verticalScrollBar();
    EXPECT_EQ(bar->maximum(), INT_MAX - view.viewport()->height());
    for (const int value : { bar->maximum() / 2, bar->maximum() - 997, bar->maximum() }) {
        bar->setValue(value);
        EXPECT_FALSE(view.indexPathsForVisibleItems().empty()) << "at " << value;
        expectCellsShowTheirItems();
    }
    // Drags longer than the window is high: on past the end, where it stays, then back up.
    const QPoint middle = view.viewport()->rect().center();
    for (const int by : { -1000, 1000 }) {
        const int from = bar->value();
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseMove(view.viewport(), middle + QPoint(0, by / 2));
        QTest::mouseMove(view.viewport(), middle + QPoint(0, by));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, middle + QPoint(0, by));
        EXPECT_EQ(bar->value(), std::clamp<qint64>(qint64(from) - by, 0, bar->maximum()))
                << "by " << by;
        expectCellsShowTheirItems();
    }
}

TEST_F(CollectionViewTest, ATapSelectsTheCellsItemADragNothingAndReloadDataReusesPooledCells)
{
    install(30);
    QTest::mouseClick(cell(4), Qt::LeftButton, {}, cell(4)->rect().center());
    // A tap on a label counts for its cell.
    QTest::mouseClick(cell(4)->label, Qt::LeftButton, {}, QPoint(2, 2));
    view.verticalScrollBar()->setValue(200);
    QTest::mouseClick(cell(9), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(items->selected, (std::vector<IndexPath>{ { 0, 4 }, { 0, 4 }, { 0, 9 } }));

    items->selected.clear();
    view.verticalScrollBar()->setValue(0);
    const QPoint start = cell(3)->geometry().center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start - QPoint(0, 40));
    QTest::mouseMove(view.viewport(), start - QPoint(0, 80));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start - QPoint(0, 80));
    EXPECT_EQ(view.verticalScrollBar()->value(), 80);
    // The gap between two cells.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(127, 100));
    EXPECT_TRUE(items->selected.empty());

    // Reloading shows the changed data with the pooled cells.
    const int made = cellsMade;
    items->count = 2;
    items->prefix = "new ";
    view.reloadData();
    QCoreApplication::sendPostedEvents(&view, QEvent::LayoutRequest);

    EXPECT_EQ(view.indexPathsForVisibleItems(), (std::vector<IndexPath>{ { 0, 0 }, { 0, 1 } }));
    EXPECT_EQ(cell(2), nullptr);
    expectCellsShowTheirItems();
    const auto live = view.viewport()->findChildren<LabelCell *>();
    EXPECT_EQ(std::count_if(live.begin(), live.end(), [](LabelCell *c) { return c->isVisible(); }),
              2);
    EXPECT_EQ(cellsMade, made);

    // A data source that is gone leaves the view empty instead of calling into freed memory.
    items.reset();
    view.reloadData();
    view.layoutIfNeeded();
    EXPECT_TRUE(view.indexPathsForVisibleItems().empty());
}

} // namespace
