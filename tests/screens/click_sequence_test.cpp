// Clicks reach the host's window as a window system delivers them, so each press lands on
// whatever the screen under the pointer shows at that moment. A squad card's last name lies
// where the profile's follow and view-posts buttons appear, and the first team where the first
// card appears.

#include <gtest/gtest.h>

#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/season_teams_view_controller.h"
#include "tests/screens/screen_fixtures.h"
#include "tests/support/window_pointer.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

class ClickSequences : public ::testing::Test
{
protected:
    void SetUp() override
    {
        entry->setDelegate(host);
        service.answer(teamsPath,
                       ScriptedAnswer::json(200,
                                            teamsJson({ { .id = "team-a", .en_name = "A" },
                                                        { .id = "team-b", .en_name = "B" } })));
        service.answer(
                squadPath,
                ScriptedAnswer::json(200,
                                     squadJson({ { .id = "p-1", .enName = "One Player" },
                                                 { .id = "p-2", .enName = "Two Player" },
                                                 { .id = "p-3", .enName = "Six Player" } })));
        window.resize(375, 812);
        window.show();
        ASSERT_TRUE(
                waitUntil([&] { return entry->teams().size() == 2 && !ProgressHUD::isVisible(); }));
    }
    void TearDown() override { ProgressHUD::dismiss(); }

    QPoint inWindow(const QWidget &widget) const { return centreIn(window, widget); }
    QPoint teamPoint(int item)
    {
        CollectionView &grid = *entry->teamsCollectionView();
        grid.layoutIfNeeded();
        return grid.viewport()->mapTo(
                &window, grid.layoutFrames().itemFrame({ 0, item })->center().toPoint());
    }
    // Clicks the team once and waits until its squad shows its cards.
    std::shared_ptr<PlayerListViewController> openSquad()
    {
        pointer.click(teamPoint(0));
        auto squad = top<PlayerListViewController>();
        if (squad && waitUntil([&] { return !ProgressHUD::isVisible(); }))
            squad->playerListCollectionView()->layoutIfNeeded();
        return squad;
    }
    QPoint lastNamePoint(const PlayerListViewController &squad, int item)
    {
        auto *card = dynamic_cast<PlayerListCollectionViewCell *>(
                squad.playerListCollectionView()->cellForItem({ 0, item }));
        return card ? inWindow(*card->lastNameLabel()) : QPoint();
    }
    template<class Screen>
    std::shared_ptr<Screen> top() const
    {
        return std::dynamic_pointer_cast<Screen>(window.topViewController());
    }
    void backToTheTeams()
    {
        while (window.viewControllers().size() > 1)
            window.popViewController(true);
        pointer.restPastADoubleClick();
    }

    LoopbackService &service = screenService();
    std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
    std::shared_ptr<SeasonTeamsViewController> entry = SeasonTeamsViewController::viewController();
    NavigationController window{ entry };
    WindowPointer pointer{ window };
};

TEST_F(ClickSequences, MoreClicksOnACardOpenOneProfileAndPressNothingOnIt)
{
    // Long enough for a busy machine to deliver the three clicks of a sequence within it.
    DoubleClickInterval interval(800ms);
    auto squad = openSquad();
    ASSERT_NE(squad, nullptr);
    pointer.restPastADoubleClick();
    for (int item : { 0, 1 }) {
        for (int clicks : { 2, 3 }) {
            SCOPED_TRACE(testing::Message() << "card " << item << ", " << clicks << " clicks");
            host->calls.clear();
            const QPoint name = lastNamePoint(*squad, item);
            ASSERT_FALSE(name.isNull());
            for (int k = 0; k < clicks; ++k)
                pointer.click(name);
            ASSERT_EQ(window.viewControllers().size(), 3u);
            auto profile = top<PlayerProfileViewController>();
            ASSERT_NE(profile, nullptr);
            EXPECT_EQ(profile->playerObject()->id, item ? "p-2" : "p-1");
            EXPECT_EQ(host->calls, Calls{});
            window.popViewController(true);
            pointer.restPastADoubleClick();
        }
    }
}

TEST_F(ClickSequences, MoreClicksOnATeamOpenOneSquadThoughItsCardsShowBeforeTheSecondClick)
{
    // Long enough for the squad's answer to come between the clicks of one double-click.
    DoubleClickInterval slow(2500ms);
    const QPoint team = teamPoint(0);
    for (int clicks : { 2, 3 }) {
        SCOPED_TRACE(testing::Message() << clicks << " clicks");
        auto squad = openSquad();
        ASSERT_NE(squad, nullptr);
        ASSERT_FALSE(lastNamePoint(*squad, 0).isNull()) << "the squad did not show in time";
        for (int k = 1; k < clicks; ++k)
            pointer.click(team);
        EXPECT_EQ(window.viewControllers().size(), 2u);
        EXPECT_EQ(window.topViewController(), squad);
        backToTheTeams();
    }
}

TEST_F(ClickSequences, EveryClickOnFollowAfterTheProfileOpenedReachesTheHost)
{
    DoubleClickInterval quick(40ms);
    for (bool slowly : { true, false }) {
        SCOPED_TRACE(slowly ? "slowly" : "quickly");
        host->calls.clear();
        auto squad = openSquad();
        ASSERT_NE(squad, nullptr);
        pointer.restPastADoubleClick();
        pointer.click(lastNamePoint(*squad, 0));
        auto profile = top<PlayerProfileViewController>();
        ASSERT_NE(profile, nullptr);
        pointer.restPastADoubleClick();
        const QPoint follow =
                inWindow(*profileHeader(*profile)->findChild<Button *>("followButton"));
        for (int k = 0; k < 20; ++k) {
            pointer.click(follow);
            if (slowly)
                pointer.restPastADoubleClick();
        }
        EXPECT_EQ(host->calls, Calls(20, { "fololow", "p-1" }));
        backToTheTeams();
    }
}

} // namespace
} // namespace lanterncrest::test
