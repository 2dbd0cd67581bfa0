#include "platform/ui/collection_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib.h"
#include "platform/ui/nib_awakable.h"
#include "platform/ui/storyboard.h"
#include "platform/ui/ui_class_registry.h"
#include "platform/ui/view.h"
#include "platform/ui/view_controller.h"
#include "platform/ui/weak_reference.h"
#include "tests/ui/layouts.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace lanterncrest::test {
namespace {

// A cell whose .ui file is its own: the title label is its outlet.
class GridCell : public CollectionViewCell, public NibOwner {
public:
    using CollectionViewCell::CollectionViewCell;
    void bindNib(NibBindings& bindings) override { LC_OUTLET(bindings, titleLabel); }
    QPointer<Label> titleLabel;
};

// Answers for a grid of titles, whether a controller or a header owns the grid.
class TitleGrid : public CollectionViewDataSource, public CollectionViewDelegate {
public:
    int numberOfItemsInSection(CollectionView&, int) override { return static_cast<int>(titles.size()); }
    CollectionViewCell* cellForItemAt(CollectionView& view, const IndexPath& indexPath) override
    {
        auto* cell = static_cast<GridCell*>(view.dequeueReusableCell(QStringLiteral("GridCell"), indexPath));
        cell->titleLabel->setText(titles.at(indexPath.item));
        return cell;
    }
    void didSelectItemAt(CollectionView&, const IndexPath& indexPath) override { selected.push_back(indexPath); }

    static void prepare(CollectionView& view)
    {
        view.registerCell(Nib(QStringLiteral("GridCell")), QStringLiteral("GridCell"));
        view.setCollectionViewLayout(threeColumnGrid());
    }

    std::vector<QString> titles;
    std::vector<IndexPath> selected;
};

// A screen whose scene connects the grid's data source and delegate to it.
class GridController : public ViewController, public TitleGrid {
public:
    void bindNib(NibBindings& bindings) override { LC_OUTLET(bindings, grid); }
    void viewDidLoad() override { prepare(*grid); }
    QPointer<CollectionView> grid;
};

// A header that is its own .ui's owner and its strip's data source and delegate.
class StripHeader : public View, public NibOwner, public NibAwakable, public TitleGrid {
public:
    using View::View;
    void bindNib(NibBindings& bindings) override { LC_OUTLET(bindings, strip); }
    void awakeFromNib() override { prepare(*strip); }
    QPointer<CollectionView> strip;
};

class CollectionViewWiring : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto& registry = UiClassRegistry::shared();
        registry.registerClass<GridCell>(QStringLiteral("GridCell"));
        registry.registerClass<StripHeader>(QStringLiteral("StripHeader"));
    }
};

TEST_F(CollectionViewWiring, ASceneConnectsTheGridToItsControllerWithoutKeepingItAlive)
{
    auto controller = Storyboard(QStringLiteral("TestBoard"))
                          .instantiateViewController<GridController>(QStringLiteral("GridController"));
    controller->titles = {"Lions", "Eagles", "Sharks", "Wolves"};
    controller->view()->show();
    ASSERT_TRUE(controller->grid);
    CollectionView& grid = *controller->grid;
    EXPECT_EQ(grid.dataSource().get(), static_cast<CollectionViewDataSource*>(controller.get()));
    grid.layoutIfNeeded();

    auto* cell = static_cast<GridCell*>(grid.cellForItem({0, 3}));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->titleLabel->text(), "Wolves");
    EXPECT_EQ(cell->reuseIdentifier(), "GridCell");
    QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(controller->selected, (std::vector<IndexPath>{{0, 3}}));

    std::weak_ptr<GridController> watch = controller;
    controller.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(CollectionViewWiring, AHeaderNibConnectsItsStripToItself)
{
    std::unique_ptr<StripHeader> header(Nib(QStringLiteral("StripHeader")).instantiate<StripHeader>());
    ASSERT_TRUE(header->strip);
    header->titles = {"Posts", "Stats"};
    header->show();
    header->strip->layoutIfNeeded();

    EXPECT_EQ(header->strip->indexPathsForVisibleItems().size(), 2u);
    auto* cell = static_cast<GridCell*>(header->strip->cellForItem({0, 1}));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->titleLabel->text(), "Stats");
    QTest::mouseClick(cell, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(header->selected, (std::vector<IndexPath>{{0, 1}}));
}

struct Counter {
    virtual ~Counter() = default;
    int value = 7;
};
struct CountingWidget : QWidget, Counter {};

TEST(WeakReference, AnswersNullOnceTheObjectIsGone)
{
    auto shared = std::make_shared<Counter>();
    WeakReference<Counter> fromShared = shared;
    auto widget = std::make_unique<CountingWidget>();
    auto guarded = WeakReference<Counter>::guardedBy(widget.get(), widget.get());

    EXPECT_EQ(fromShared.lock()->value, 7);
    EXPECT_EQ(guarded.lock()->value, 7);
    // A lock keeps a shared object alive for the length of a call.
    {
        auto held = fromShared.lock();
        shared.reset();
        EXPECT_EQ(held->value, 7);
    }
    widget.reset();
    EXPECT_EQ(fromShared.lock(), nullptr);
    EXPECT_EQ(guarded.lock(), nullptr);
    EXPECT_EQ(WeakReference<Counter>().lock(), nullptr);
}

} // namespace
} // namespace lanterncrest::test
