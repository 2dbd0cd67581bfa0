#include "platform/ui/collection_view.h"
#include "tests/ui/layouts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

using namespace lanterncrest;

namespace {

const QString kHeader = CollectionView::elementKindSectionHeader();

class LabelCell : public CollectionViewCell {
public:
    LabelCell() : label(new QLabel(this)) {}
    QLabel* label;
};

// A header whose preferred height differs from the layout's estimate of 44.
class TitleHeader : public CollectionReusableView {
public:
    TitleHeader() : label(new QLabel(this)) {}
    QSize sizeHint() const override { return QSize(100, 30); }
    QLabel* label;
};

QString textOf(int section, int item)
{
    return QStringLiteral("%1.%2").arg(section).arg(item);
}

// Sections of numbered items; each cell shows "section.item", each header "section N".
class NumberedItems : public CollectionViewDataSource, public CollectionViewDelegate {
public:
    explicit NumberedItems(std::vector<int> counts) : counts(std::move(counts)) {}

    int numberOfSections(CollectionView&) override { return static_cast<int>(counts.size()); }
    int numberOfItemsInSection(CollectionView&, int section) override { return counts.at(section); }

    CollectionViewCell* cellForItemAt(CollectionView& view, const IndexPath& indexPath) override
    {
        ++cellRequests;
        auto* cell = static_cast<LabelCell*>(view.dequeueReusableCell("LabelCell", indexPath));
        if (cell)
            cell->label->setText(prefix + textOf(indexPath.section, indexPath.item));
        return cell;
    }

    CollectionReusableView* viewForSupplementaryElementOfKind(
        CollectionView& view, const QString& kind, const IndexPath& indexPath) override
    {
        auto* header = static_cast<TitleHeader*>(view.dequeueReusableSupplementaryView(kind, "TitleHeader", indexPath));
        header->label->setText(QStringLiteral("section %1").arg(indexPath.section));
        return header;
    }

    void didSelectItemAt(CollectionView&, const IndexPath& indexPath) override { selected.push_back(indexPath); }

    std::vector<int> counts;
    QString prefix;
    int cellRequests = 0;
    std::vector<IndexPath> selected;
};

class CollectionViewTest : public ::testing::Test {
protected:
    void SetUp() override { view.resize(375, 667); }

    void install(CompositionalLayout layout, std::vector<int> counts)
    {
        items = std::make_shared<NumberedItems>(std::move(counts));
        view.registerCell("LabelCell", [this] {
            ++cellsMade;
            return new LabelCell;
        });
        view.registerSupplementaryView(kHeader, "TitleHeader", [] { return new TitleHeader; });
        view.setCollectionViewLayout(std::move(layout));
        view.setDataSource(items);
        view.setDelegate(items);
        view.show();
        view.layoutIfNeeded();
    }

    QList<LabelCell*> liveCells() const { return view.viewport()->findChildren<LabelCell*>(); }

    // Every cell that exists shows its own item and sits on its own frame.
    void expectCellsShowTheirItems() const
    {
        const int offset = view.verticalScrollBar()->value();
        for (const IndexPath& indexPath : view.indexPathsForVisibleItems()) {
            const auto* cell = static_cast<const LabelCell*>(view.cellForItem(indexPath));
            ASSERT_NE(cell, nullptr);
            EXPECT_TRUE(cell->isVisible());
            EXPECT_EQ(cell->label->text(), items->prefix + textOf(indexPath.section, indexPath.item));
            const QRectF frame = *view.layoutFrames().itemFrame(indexPath);
            EXPECT_NEAR(cell->geometry().top(), frame.top() - offset, 1.0);
            EXPECT_NEAR(cell->geometry().left(), frame.left(), 1.0);
        }
    }

    void tap(QWidget* widget, QPoint at)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }

    CollectionView view;
    std::shared_ptr<NumberedItems> items;
    int cellsMade = 0;
};

TEST_F(CollectionViewTest, ShowsOnlyTheCellsNearTheViewportAndRecyclesThemWhileScrolling)
{
    install(lanterncrest::test::threeColumnGrid(), {3000});
    // 667 points high plus a margin: about seven rows of three.
    const int bound = 30;
    EXPECT_LE(liveCells().size(), bound);
    expectCellsShowTheirItems();

    std::set<IndexPath> seen;
    QScrollBar* bar = view.verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100000);
    for (int value = 0; value <= bar->maximum(); value += 997) {
        bar->setValue(value);
        EXPECT_LE(liveCells().size(), bound) << "at " << value;
        const auto visible = view.indexPathsForVisibleItems();
        ASSERT_FALSE(visible.empty());
        seen.insert(visible.begin(), visible.end());
        expectCellsShowTheirItems();
    }
    bar->setValue(bar->maximum());
    expectCellsShowTheirItems();
    EXPECT_EQ(view.indexPathsForVisibleItems().back(), (IndexPath{0, 2999}));

    // Hundreds of items were shown with the few cells made at the start.
    EXPECT_GT(seen.size(), 300u);
    EXPECT_GT(items->cellRequests, 300);
    EXPECT_LE(cellsMade, bound);
}

TEST_F(CollectionViewTest, ATapOnACellSelectsItsItem)
{
    install(lanterncrest::test::threeColumnGrid(), {10});
    LabelCell* cell = static_cast<LabelCell*>(view.cellForItem({0, 4}));
    ASSERT_NE(cell, nullptr);
    tap(cell, cell->rect().center());
    // A tap on a label inside a cell counts for the cell.
    tap(cell->label, QPoint(2, 2));
    EXPECT_EQ(items->selected, (std::vector<IndexPath>{{0, 4}, {0, 4}}));

    view.verticalScrollBar()->setValue(200);
    items->selected.clear();
    LabelCell* last = static_cast<LabelCell*>(view.cellForItem({0, 9}));
    ASSERT_NE(last, nullptr);
    tap(last, QPoint(10, 10));
    EXPECT_EQ(items->selected, (std::vector<IndexPath>{{0, 9}}));
}

TEST_F(CollectionViewTest, TapsOutsideCellsDragsAndPressReleaseOnDifferentCellsSelectNothing)
{
    install(lanterncrest::test::threeColumnGrid(), {10});
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    const QRectF lastRow = *view.layoutFrames().itemFrame({0, 9});
    const int offset = view.verticalScrollBar()->value();

    // The empty places beside the last cell, and the gap between two cells.
    tap(view.viewport(), QPoint(300, qRound(lastRow.center().y()) - offset));
    tap(view.viewport(), QPoint(127, qRound(lastRow.center().y()) - offset));

    // A drag scrolls instead of selecting.
    items->counts = {30};
    view.reloadData();
    view.layoutIfNeeded();
    view.verticalScrollBar()->setValue(0);
    LabelCell* cell = static_cast<LabelCell*>(view.cellForItem({0, 3}));
    ASSERT_NE(cell, nullptr);
    const QPoint start = cell->geometry().center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start - QPoint(0, 40));
    QTest::mouseMove(view.viewport(), start - QPoint(0, 80));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start - QPoint(0, 80));
    EXPECT_EQ(view.verticalScrollBar()->value(), 80);

    // Pressed on one cell, released on its neighbour.
    view.verticalScrollBar()->setValue(0);
    const QPoint first = view.cellForItem({0, 0})->geometry().center();
    const QPoint second = view.cellForItem({0, 1})->geometry().center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, first);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, second);

    EXPECT_TRUE(items->selected.empty());
}

TEST_F(CollectionViewTest, ReloadDataShowsTheChangedData)
{
    install(lanterncrest::test::threeColumnGrid(), {5});
    ASSERT_EQ(view.indexPathsForVisibleItems().size(), 5u);

    items->counts = {2};
    items->prefix = "new ";
    view.reloadData();
    // Nothing changes before the next layout pass, as with the platform's own view.
    EXPECT_EQ(view.numberOfItemsInSection(0), 5);
    QCoreApplication::sendPostedEvents(&view, QEvent::LayoutRequest);

    EXPECT_EQ(view.numberOfItemsInSection(0), 2);
    EXPECT_EQ(view.indexPathsForVisibleItems(), (std::vector<IndexPath>{{0, 0}, {0, 1}}));
    EXPECT_EQ(view.cellForItem({0, 2}), nullptr);
    expectCellsShowTheirItems();
    int shown = 0;
    for (LabelCell* cell : liveCells())
        shown += cell->isVisible() ? 1 : 0;
    EXPECT_EQ(shown, 2);
    // The two cells came from the pool, not from the factory.
    EXPECT_EQ(cellsMade, 5);

    items->counts = {7};
    view.reloadData();
    view.layoutIfNeeded();
    EXPECT_EQ(view.indexPathsForVisibleItems().size(), 7u);
    expectCellsShowTheirItems();
}

TEST_F(CollectionViewTest, SectionHeadersAreMeasuredAndPlacedAboveTheirSections)
{
    install(lanterncrest::test::twoColumnsWithHeaders(), {3, 2});
    // The header prefers 30 points to the estimated 44, and the layout follows it.
    const auto header0 = static_cast<TitleHeader*>(view.supplementaryView(kHeader, {0, 0}));
    const auto header1 = static_cast<TitleHeader*>(view.supplementaryView(kHeader, {1, 0}));
    ASSERT_NE(header0, nullptr);
    ASSERT_NE(header1, nullptr);
    EXPECT_EQ(header0->label->text(), "section 0");
    EXPECT_EQ(header1->label->text(), "section 1");

    const double row = 375 * 0.5636363636363636;
    EXPECT_EQ(header0->geometry(), QRect(0, 0, 375, 30));
    EXPECT_EQ(header1->geometry().top(), qRound(30 + 2 * row));
    EXPECT_EQ(header1->geometry().height(), 30);
    EXPECT_NEAR(view.layoutFrames().itemFrame({1, 0})->top(), 30 + 2 * row + 30 + 5, 1e-9);
    expectCellsShowTheirItems();

    // A narrower view lays everything out again at its own width.
    view.resize(320, 667);
    EXPECT_EQ(header0->geometry(), QRect(0, 0, 320, 30));
    EXPECT_NEAR(view.layoutFrames().itemFrame({0, 1})->left(), 165, 1e-9);
    expectCellsShowTheirItems();
}

TEST_F(CollectionViewTest, AGoneDataSourceOrDelegateLeavesTheViewEmptyAndQuiet)
{
    install(lanterncrest::test::threeColumnGrid(), {6});
    LabelCell* cell = static_cast<LabelCell*>(view.cellForItem({0, 1}));
    ASSERT_NE(cell, nullptr);
    const QPoint center = cell->geometry().center();

    std::weak_ptr<NumberedItems> watch = items;
    items.reset();
    ASSERT_TRUE(watch.expired());
    tap(view.viewport(), center);

    view.reloadData();
    view.layoutIfNeeded();
    EXPECT_EQ(view.numberOfSections(), 0);
    EXPECT_TRUE(view.indexPathsForVisibleItems().empty());
    for (LabelCell* live : liveCells())
        EXPECT_FALSE(live->isVisible());
}

// Data sources that break the rules get empty places, not a broken view.
class MisbehavingSource : public CollectionViewDataSource {
public:
    int numberOfItemsInSection(CollectionView&, int) override { return 4; }
    CollectionViewCell* cellForItemAt(CollectionView& view, const IndexPath& indexPath) override
    {
        switch (indexPath.item) {
        case 0:
            return view.dequeueReusableCell("NotRegistered", indexPath);
        case 1:
            // Dequeues twice and keeps one: the other must go back to the pool.
            view.dequeueReusableCell("LabelCell", indexPath);
            shared = static_cast<LabelCell*>(view.dequeueReusableCell("LabelCell", indexPath));
            return shared;
        case 2:
            return shared; // already shown for item 1
        default:
            return new LabelCell; // not dequeued: shown, but never recycled
        }
    }
    LabelCell* shared = nullptr;
};

TEST_F(CollectionViewTest, CellsTheDataSourceGetsWrongLeaveTheirPlacesEmpty)
{
    auto source = std::make_shared<MisbehavingSource>();
    int made = 0;
    view.registerCell("LabelCell", [&made] {
        ++made;
        return new LabelCell;
    });
    view.setCollectionViewLayout(lanterncrest::test::threeColumnGrid());
    view.setDataSource(source);
    view.show();
    view.layoutIfNeeded();

    EXPECT_EQ(view.cellForItem({0, 0}), nullptr);
    EXPECT_EQ(view.cellForItem({0, 1}), source->shared);
    EXPECT_EQ(view.cellForItem({0, 2}), nullptr);
    ASSERT_NE(view.cellForItem({0, 3}), nullptr);
    EXPECT_TRUE(view.cellForItem({0, 3})->reuseIdentifier().isEmpty());

    // After a reload the unused second cell is handed out again instead of a new one.
    view.reloadData();
    view.layoutIfNeeded();
    EXPECT_EQ(made, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.viewport()->findChildren<LabelCell*>().size(), 3);
}

TEST_F(CollectionViewTest, WithoutALayoutNothingIsPlaced)
{
    items = std::make_shared<NumberedItems>(std::vector<int>{4});
    view.registerCell("LabelCell", [] { return new LabelCell; });
    view.setDataSource(items);
    view.show();
    view.layoutIfNeeded();
    EXPECT_EQ(view.numberOfItemsInSection(0), 4);
    EXPECT_TRUE(view.indexPathsForVisibleItems().empty());
    EXPECT_EQ(items->cellRequests, 0);

    view.setCollectionViewLayout(lanterncrest::test::threeColumnGrid());
    view.layoutIfNeeded();
    EXPECT_EQ(view.indexPathsForVisibleItems().size(), 4u);
}

} // namespace
