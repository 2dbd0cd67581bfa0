#include "tests/screens/squad_fixtures.h"
#include "tests/screens/squad_screen_harness.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "screens/teams/season_teams_view_controller.h"

namespace lanterncrest::test {
namespace {

// The season's teams screen as the host shows it, its teams loaded from the service.
class TeamTap : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.service.answer("/v1/seasons/4jgw0ek6ajq3m5ya/teams",
            ScriptedAnswer::json(200, R"({"data":[
                {"id":"team-a","ar_name":"الفريق أ","en_name":"Team A"},
                {"ar_name":"بلا رقم","en_name":"No Id"},
                {"id":"team c/7","en_name":"Team C"}]})"));
        teams->setDelegate(host);
        harness.navigation.setRootViewController(teams);
        ASSERT_TRUE(waitUntil([&] { return teams->teams().size() == 3 && !ProgressHUD::isVisible(); }));
        teams->teamsCollectionView()->layoutIfNeeded();
    }

    std::shared_ptr<PlayerListViewController> tapTeam(int item)
    {
        CollectionView& grid = *teams->teamsCollectionView();
        const auto frame = grid.layoutFrames().itemFrame({0, item});
        if (!frame)
            return nullptr;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, frame->center().toPoint());
        return std::dynamic_pointer_cast<PlayerListViewController>(harness.navigation.topViewController());
    }

    SquadScreenHarness harness;
    std::shared_ptr<HostDelegate> host = std::make_shared<HostDelegate>();
    std::shared_ptr<SeasonTeamsViewController> teams = SeasonTeamsViewController::viewController();
};

TEST_F(TeamTap, OpensTheTappedTeamsSquadWhichAsksForItsPlayers)
{
    harness.service.answer(squadPath, ScriptedAnswer::json(200, R"({"data":[]})"));
    harness.service.clearRequests();
    auto squad = tapTeam(2);
    ASSERT_NE(squad, nullptr) << "no squad screen was pushed";
    EXPECT_EQ(squad->delegate().lock(), host);
    EXPECT_EQ(squad->currentTeamId(), "team c/7");
    ASSERT_TRUE(squad->currentTeam());
    EXPECT_EQ(squad->currentTeam()->en_name, "Team C");
    EXPECT_EQ(squad->title(), "TEAM C");

    ASSERT_TRUE(harness.waitUntilLoaded());
    ASSERT_EQ(harness.service.requestCount(squadPath), 1);
    EXPECT_EQ(harness.service.requests().back().target,
        "/v1/team-players-in-current-season?id=team%20c%2F7&season_id=4jgw0ek6ajq3m5ya");
}

TEST_F(TeamTap, ATeamWithoutIdOpensASquadThatAsksForNothing)
{
    harness.service.clearRequests();
    auto squad = tapTeam(1);
    ASSERT_NE(squad, nullptr);
    EXPECT_EQ(squad->currentTeamId(), "");
    EXPECT_EQ(squad->currentTeam()->en_name, "No Id");
    spinFor(std::chrono::milliseconds(100));
    EXPECT_EQ(harness.service.requestCount(squadPath), 0);
}

TEST_F(TeamTap, EachTapPushesItsOwnSquadWithTheDelegateOfThatMoment)
{
    auto first = tapTeam(0);
    ASSERT_NE(first, nullptr);
    harness.navigation.popViewController(false);
    auto later = std::make_shared<HostDelegate>();
    teams->setDelegate(later);
    auto second = tapTeam(0);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->delegate().lock(), host);
    EXPECT_EQ(second->delegate().lock(), later);
}

TEST_F(TeamTap, OutsideANavigationControllerATapShowsNothing)
{
    auto alone = SeasonTeamsViewController::viewController();
    alone->loadViewIfNeeded();
    ASSERT_TRUE(waitUntil([&] { return alone->teams().size() == 3 && !ProgressHUD::isVisible(); }));
    harness.service.clearRequests();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    alone->didSelectItemAt(*alone->teamsCollectionView(), {0, 0});
    spinFor(std::chrono::milliseconds(50));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(harness.service.requestCount(squadPath), 0);
}

} // namespace
} // namespace lanterncrest::test
