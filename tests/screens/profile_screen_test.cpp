#include "screens/profile/player_profile_view_controller.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/navigation_controller.h"
#include "screens/profile/player_profile_header_view.h"
#include "tests/screens/profile_fixtures.h"
#include "tests/screens/squad_fixtures.h"

namespace lanterncrest::test {
namespace {

// A host that writes down what the framework tells it.
struct RecordingHost : SeasonTeamsViewControllerDelegate {
    std::vector<std::pair<QString, QString>> calls;
    void viewPosts(const QString& forPlayer) override { calls.emplace_back("viewPosts", forPlayer); }
    void fololow(const QString& playerId) override { calls.emplace_back("fololow", playerId); }
};

using Calls = std::vector<std::pair<QString, QString>>;

class ProfileScreen : public ::testing::Test {
protected:
    std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
    NavigationController navigation{std::make_shared<ViewController>()};

    // As the squad screen opens it: delegate first, then the player, then the push, which
    // loads the view.
    std::shared_ptr<PlayerProfileViewController> open(std::optional<People> player)
    {
        auto screen = PlayerProfileViewController::viewController();
        screen->setDelegate(host);
        screen->setPlayerObject(std::move(player));
        EXPECT_FALSE(screen->isViewLoaded());
        navigation.pushViewController(screen, true);
        EXPECT_EQ(navigation.topViewController(), screen);
        return screen;
    }

    static PlayerProfileHeaderView* header(const PlayerProfileViewController& screen)
    {
        return dynamic_cast<PlayerProfileHeaderView*>(screen.playerProfileTableView()->tableHeaderView());
    }
    static void tap(const PlayerProfileViewController& screen, const char* buttonName)
    {
        QTest::mouseClick(header(screen)->findChild<Button*>(QString::fromLatin1(buttonName)), Qt::LeftButton);
    }
};

TEST_F(ProfileScreen, EachCallMakesANewUnloadedScreenWithNothingHandedOver)
{
    const auto first = PlayerProfileViewController::viewController();
    const auto second = PlayerProfileViewController::viewController();
    EXPECT_NE(first, second);
    EXPECT_FALSE(first->isViewLoaded());
    EXPECT_TRUE(first->delegate().expired());
    EXPECT_EQ(first->playerObject(), std::nullopt);
    EXPECT_EQ(first->playerProfileTableView(), nullptr);
}

TEST_F(ProfileScreen, APlayerHandedOverBeforeTheViewLoadsFillsTheHeaderAboveAnEmptyTable)
{
    PreferredLanguage english("en-US");
    const People player = makeProfile({"p-9", "Ali Daei", "علي دائي", 9, "Striker"});
    const auto screen = open(player);

    ASSERT_NE(screen->playerProfileTableView(), nullptr);
    const PlayerProfileHeaderView* shown = header(*screen);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->playerObject(), player);
    EXPECT_EQ(shown->delegate().lock().get(), static_cast<PlayerProfileHeaderViewDelegate*>(screen.get()));
    EXPECT_EQ(shown->nameLabel()->optionalText(), "ALI");
    EXPECT_EQ(shown->lastNameLabel()->optionalText(), "DAEI");
    EXPECT_EQ(shown->positionLabel()->optionalText(), "Striker");
    EXPECT_EQ(shown->shirtNoLabel()->text(), "9");
    EXPECT_EQ(screen->playerProfileTableView()->numberOfSections(), 1);
    EXPECT_EQ(screen->playerProfileTableView()->numberOfRowsInSection(0), 0);
    // The header keeps the height its nib gives it.
    EXPECT_EQ(shown->height(), 400);
}

TEST_F(ProfileScreen, FollowAndViewPostsReachTheHostWithThePlayersIdOrEmptyText)
{
    const struct {
        std::optional<People> player;
        QString id;
    } cases[] = {
        {makeProfile({.id = "p-10", .enName = "Lionel Messi"}), "p-10"},
        {makeProfile({.enName = "Nobody"}), ""},
        {std::nullopt, ""},
    };
    for (const auto& c : cases) {
        host->calls.clear();
        const auto screen = open(c.player);
        tap(*screen, "followButton");
        tap(*screen, "viewPostsButton");
        screen->viewPostsClicked();
        EXPECT_EQ(host->calls, (Calls{{"fololow", c.id}, {"viewPosts", c.id}, {"viewPosts", c.id}}))
            << c.id.toStdString();
    }
}

TEST_F(ProfileScreen, AHostThatIsGoneHearsNothingAndNothingBreaks)
{
    const auto screen = open(makeProfile({.id = "p-1"}));
    std::weak_ptr<RecordingHost> released = host;
    host.reset();
    ASSERT_TRUE(released.expired());
    tap(*screen, "followButton");
    tap(*screen, "viewPostsButton");
    screen->viewPostsClicked();
    EXPECT_NE(header(*screen), nullptr);
}

TEST_F(ProfileScreen, APlayerWrittenAfterTheViewLoadedChangesOnlyTheIdOfTheNextTap)
{
    PreferredLanguage english("en");
    const auto screen = open(makeProfile({"p-1", "First Player"}));
    screen->setPlayerObject(makeProfile({"p-2", "Second Player"}));
    EXPECT_EQ(header(*screen)->nameLabel()->optionalText(), "FIRST");
    EXPECT_EQ(header(*screen)->playerObject()->id, "p-1");
    tap(*screen, "followButton");
    EXPECT_EQ(host->calls, (Calls{{"fololow", "p-2"}}));
}

TEST_F(ProfileScreen, TheHostCanBeChangedAtAnyTime)
{
    const auto screen = open(makeProfile({.id = "p-3"}));
    auto other = std::make_shared<RecordingHost>();
    screen->setDelegate(other);
    tap(*screen, "viewPostsButton");
    EXPECT_TRUE(host->calls.empty());
    EXPECT_EQ(other->calls, (Calls{{"viewPosts", "p-3"}}));
}

} // namespace
} // namespace lanterncrest::test
