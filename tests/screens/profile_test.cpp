#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/button.h"
#include "screens/profile/player_profile_header_view.h"
#include "screens/profile/player_profile_view_controller.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

// A fresh header shows nothing for an empty record; names, number and position follow the language
// without falling back to the other one. The photo and flag load in the profile's screenshot test.
TEST(ProfileHeader, ValuesFollowTheLanguageWithoutFallingBack)
{
    const struct
    {
        const char *language;
        PlayerSpec player;
        std::optional<QString> first, last, position, shirt;
    } cases[] = {
        { "en-GB", {}, std::nullopt, std::nullopt, std::nullopt, "" },
        { "en-GB",
          { .id = "p-10", .enName = "Lionel Andrés Messi", .number = 10, .positionEn = "Forward" },
          "LIONEL",
          "MESSI",
          "Forward",
          "10" },
        { "ar-QA",
          { .enName = "Lionel Messi",
            .arName = "ليونيل ميسي",
            .positionEn = "Forward",
            .positionAr = "مهاجم" },
          QString::fromUtf8("ليونيل"),
          QString::fromUtf8("ميسي"),
          QString::fromUtf8("مهاجم") },
        { "ar",
          { .enName = "Lionel Messi", .positionEn = "Forward" },
          std::nullopt,
          std::nullopt,
          std::nullopt },
        { "AR",
          { .enName = "Pelé", .arName = "بيليه", .positionEn = "Forward" },
          "PELÉ",
          "PELÉ",
          "Forward" },
        { "en", { .enName = "Thomas Müßig", .arName = "x" }, "THOMAS", "MÜSSIG", std::nullopt },
    };
    auto header = fromNib<PlayerProfileHeaderView>("PlayerProfileHeaderView");
    for (const auto &c : cases) {
        PreferredLanguage language(QString::fromLatin1(c.language));
        header->setPlayerObject(makePlayer(c.player));
        header->fillPlayerData();
        EXPECT_EQ(header->nameLabel()->optionalText(), c.first) << c.language;
        EXPECT_EQ(header->lastNameLabel()->optionalText(), c.last) << c.language;
        EXPECT_EQ(header->positionLabel()->optionalText(), c.position) << c.language;
        if (c.shirt) {
            EXPECT_EQ(header->shirtNoLabel()->text(), *c.shirt) << c.language;
        }
        if (!c.player.enName) {
            spinFor(50ms);
            EXPECT_TRUE(header->playerPhoto()->image().isNull());
            EXPECT_TRUE(header->teamIcon()->image().isNull());
        }
    }
}

class ProfileScreen : public ::testing::Test
{
protected:
    std::shared_ptr<RecordingHost> host = std::make_shared<RecordingHost>();
    NavigationController navigation{ std::make_shared<ViewController>() };

    // As the squad screen opens it: delegate, then the player, then the push, which loads the view.
    std::shared_ptr<PlayerProfileViewController> open(std::optional<People> player)
    {
        auto screen = PlayerProfileViewController::viewController();
        screen->setDelegate(host);
        screen->setPlayerObject(std::move(player));
        EXPECT_FALSE(screen->isViewLoaded());
        navigation.pushViewController(screen, true);
        return screen;
    }
    static PlayerProfileHeaderView *header(const PlayerProfileViewController &screen)
    {
        return dynamic_cast<PlayerProfileHeaderView *>(
                screen.playerProfileTableView()->tableHeaderView());
    }
    static void tap(const PlayerProfileViewController &screen, const char *buttonName)
    {
        QTest::mouseClick(header(screen)->findChild<Button *>(QString::fromLatin1(buttonName)),
                          Qt::LeftButton);
    }
};

// The player handed over before the view loads fills the header; follow and view posts reach the
// host with the player's id, or empty text, and once the host is gone nothing hears them.
TEST_F(ProfileScreen, TheHandedOverPlayerFillsTheHeaderAndItsIdReachesTheHostWhileItLives)
{
    const struct
    {
        std::optional<People> player;
        QString id, shirt;
    } cases[] = {
        { std::nullopt, "" },
        { makePlayer({ .enName = "Nobody" }), "" },
        { makePlayer({ .id = "p-9", .enName = "Ali Daei", .number = 9 }), "p-9", "9" },
    };
    std::shared_ptr<PlayerProfileViewController> screen;
    for (const auto &c : cases) {
        host->calls.clear();
        screen = open(c.player);
        ASSERT_NE(header(*screen), nullptr);
        EXPECT_EQ(header(*screen)->playerObject(), c.player);
        EXPECT_EQ(header(*screen)->shirtNoLabel()->text(), c.shirt);
        tap(*screen, "followButton");
        tap(*screen, "viewPostsButton");
        EXPECT_EQ(host->calls, (Calls{ { "fololow", c.id }, { "viewPosts", c.id } }))
                << c.id.toStdString();
    }
    std::weak_ptr<RecordingHost> released = host;
    host.reset();
    ASSERT_TRUE(released.expired());
    tap(*screen, "followButton");
    tap(*screen, "viewPostsButton");
    EXPECT_NE(header(*screen), nullptr);
}

} // namespace
} // namespace lanterncrest::test
