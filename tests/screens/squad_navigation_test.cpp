#include "tests/screens/squad_fixtures.h"
#include "tests/screens/squad_screen_harness.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "screens/profile/player_profile_view_controller.h"

namespace lanterncrest::test {
namespace {

// Taps the item as a finger would: the grid is scrolled to it first.
void tap(CollectionView& grid, const IndexPath& place)
{
    const auto frame = grid.layoutFrames().itemFrame(place);
    ASSERT_TRUE(frame);
    grid.verticalScrollBar()->setValue(qRound(frame->top()) - 20);
    grid.layoutIfNeeded();
    const QPointF centre = frame->center() - QPointF(0, grid.verticalScrollBar()->value());
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre.toPoint());
}

TEST(SquadNavigation, ATapOpensTheProfileOfThatPlaceInTheSortedSectionsWithTheHostsDelegate)
{
    SquadScreenHarness harness;
    // In the answer's order; the sections are Defender, Goalkeeper, Midfielder.
    const char* positions[] = {"Midfielder", "Goalkeeper", "Defender", "Goalkeeper", "Midfielder", "Defender",
        "Goalkeeper", "Defender", "Midfielder", "Goalkeeper"};
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 10; ++k)
        players.push_back({.id = "player-" + std::to_string(k), .enName = "Player Number" + std::to_string(k),
            .number = k, .positionEn = positions[k]});
    harness.service.answer(squadPath, ScriptedAnswer::json(200, squadJson(players)));
    auto host = std::make_shared<HostDelegate>();
    auto screen = PlayerListViewController::viewController();
    screen->setDelegate(host);
    screen->setCurrentTeamId("navigation");
    harness.navigation.pushViewController(screen, true);
    ASSERT_TRUE(harness.waitUntilLoaded());

    tap(*screen->playerListCollectionView(), {1, 2});

    auto profile = std::dynamic_pointer_cast<PlayerProfileViewController>(harness.navigation.topViewController());
    ASSERT_NE(profile, nullptr) << "no profile was pushed";
    ASSERT_TRUE(profile->playerObject());
    EXPECT_EQ(profile->playerObject()->id, "player-6") << "the third goalkeeper, not the third player of the answer";
    EXPECT_EQ(*profile->playerObject(), makePlayer(players[6]));
    EXPECT_EQ(profile->delegate().lock(), host);
    EXPECT_EQ(harness.navigation.viewControllers().size(), 3u);
}

TEST(SquadNavigation, OutsideANavigationControllerATapShowsNothing)
{
    auto screen = PlayerListViewController::viewController();
    screen->loadViewIfNeeded();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    screen->didSelectItemAt(*screen->playerListCollectionView(), {0, 0});
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore) << "the profile was shown somewhere";
    EXPECT_EQ(screen->navigationController(), nullptr);
}

} // namespace
} // namespace lanterncrest::test
