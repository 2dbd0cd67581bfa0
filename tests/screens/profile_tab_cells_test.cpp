#include "screens/profile/sub_tab_collection_view_cell.h"
#include "screens/profile/tab_collection_view_cell.h"

#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/nib.h"
#include "screens/profile/player_profile_header_view.h"

namespace lanterncrest::test {
namespace {

TEST(ProfileTabCells, ATabCellMadeInCodeHasNeitherIconNorTitle)
{
    TabCollectionViewCell cell;
    EXPECT_EQ(cell.tabIcon(), nullptr);
    EXPECT_EQ(cell.tabTitle(), nullptr);
}

TEST(ProfileTabCells, ATabCellFromItsNibShowsTheNibsIconAndTitleUntouched)
{
    std::unique_ptr<TabCollectionViewCell> cell(
        Nib(QStringLiteral("TabCollectionViewCell")).instantiate<TabCollectionViewCell>());
    ASSERT_NE(cell->tabIcon(), nullptr);
    ASSERT_NE(cell->tabTitle(), nullptr);
    EXPECT_EQ(cell->tabIcon()->objectName(), "tabIcon");
    EXPECT_EQ(cell->tabTitle()->objectName(), "tabTitle");
    EXPECT_TRUE(cell->tabIcon()->image().isNull());
    EXPECT_EQ(cell->tabTitle()->text(), QString());
}

TEST(ProfileTabCells, EachStripOfTheHeaderHandsOutItsOwnCellClass)
{
    std::unique_ptr<PlayerProfileHeaderView> header(
        Nib(QStringLiteral("PlayerProfileHeaderView")).instantiate<PlayerProfileHeaderView>());
    CollectionViewCell* tab = header->cellForItemAt(*header->tabCollectionView(), {0, 0});
    CollectionViewCell* subTab = header->cellForItemAt(*header->subTabCollectionView(), {0, 0});

    ASSERT_NE(dynamic_cast<TabCollectionViewCell*>(tab), nullptr);
    ASSERT_NE(dynamic_cast<SubTabCollectionViewCell*>(subTab), nullptr);
    EXPECT_EQ(tab->reuseIdentifier(), "TabCollectionViewCell");
    EXPECT_EQ(subTab->reuseIdentifier(), "SubTabCollectionViewCell");
    EXPECT_NE(static_cast<TabCollectionViewCell*>(tab)->tabTitle(), nullptr);
}

} // namespace
} // namespace lanterncrest::test
