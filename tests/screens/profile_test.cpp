#include <QTest>
#include <gtest/gtest.h>

#include "platform/ui/button.h"
#include "screens/profile/player_profile_header_view.h"
#include "screens/profile/player_profile_view_controller.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

void fill(PlayerProfileHeaderView &header, std::optional<People> player)
{
    header.setPlayerObject(std::move(player));
    header.fillPlayerData();
}

TEST(ProfileHeader, AFullRecordFillsEveryValueAndAnEmptyOneShowsNothing)
{
    PreferredLanguage english("en-GB");
    LoopbackService service;
    service.answer("/photo.png", pngAnswer(Qt::red).after(100ms));
    service.answer("/flag.png", pngAnswer(Qt::yellow).after(100ms));
    auto header = fromNib<PlayerProfileHeaderView>("PlayerProfileHeaderView");
    fill(*header,
         makePlayer({ .id = "p-10",
                      .enName = "Lionel Andrés Messi",
                      .number = 10,
                      .positionEn = "Forward",
                      .photo = service.url("photo.png").toStdString(),
                      .flag = service.url("flag.png").toStdString() }));
    EXPECT_EQ(header->nameLabel()->optionalText(), "LIONEL");
    EXPECT_EQ(header->lastNameLabel()->optionalText(), "MESSI");
    EXPECT_EQ(header->positionLabel()->optionalText(), "Forward");
    EXPECT_EQ(header->shirtNoLabel()->text(), "10");
    ASSERT_TRUE(waitUntil([&] {
        return shownColor(*header->playerPhoto()) == QColor(Qt::red)
                && shownColor(*header->teamIcon()) == QColor(Qt::yellow);
    }));

    auto empty = fromNib<PlayerProfileHeaderView>("PlayerProfileHeaderView");
    fill(*empty, People{});
    spinFor(50ms);
    for (const Label *label :
         { empty->nameLabel(), empty->lastNameLabel(), empty->positionLabel() })
        EXPECT_EQ(label->optionalText(), std::nullopt) << label->objectName().toStdString();
    EXPECT_EQ(empty->shirtNoLabel()->text(), QString());
    EXPECT_TRUE(empty->playerPhoto()->image().isNull());
    EXPECT_TRUE(empty->teamIcon()->image().isNull());
}

TEST(ProfileHeader, NamesAndPositionFollowTheLanguageWithoutFallingBack)
{
    const struct
    {
        const char *language;
        PlayerSpec player;
        std::optional<QString> first, last, position;
    } cases[] = {
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
        fill(*header, makePlayer(c.player));
        EXPECT_EQ(header->nameLabel()->optionalText(), c.first) << c.language;
        EXPECT_EQ(header->lastNameLabel()->optionalText(), c.last) << c.language;
        EXPECT_EQ(header->positionLabel()->optionalText(), c.position) << c.language;
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

TEST_F(ProfileScreen, APlayerHandedOverBeforeTheViewLoadsFillsTheHeader)
{
    const People player = makePlayer({ .id = "p-9", .enName = "Ali Daei", .number = 9 });
    const auto screen = open(player);
    ASSERT_NE(header(*screen), nullptr);
    EXPECT_EQ(header(*screen)->playerObject(), player);
    EXPECT_EQ(header(*screen)->shirtNoLabel()->text(), "9");
}

TEST_F(ProfileScreen, FollowAndViewPostsReachTheHostWithThePlayersIdOrEmptyText)
{
    const struct
    {
        std::optional<People> player;
        QString id;
    } cases[] = {
        { makePlayer({ .id = "p-10", .enName = "Lionel Messi" }), "p-10" },
        { makePlayer({ .enName = "Nobody" }), "" },
        { std::nullopt, "" },
    };
    for (const auto &c : cases) {
        host->calls.clear();
        const auto screen = open(c.player);
        tap(*screen, "followButton");
        tap(*screen, "viewPostsButton");
        EXPECT_EQ(host->calls, (Calls{ { "fololow", c.id }, { "viewPosts", c.id } }))
                << c.id.toStdString();
    }
}

TEST_F(ProfileScreen, AHostThatIsGoneHearsNothingAndNothingBreaks)
{
    const auto screen = open(makePlayer({ .id = "p-1" }));
    std::weak_ptr<RecordingHost> released = host;
    host.reset();
    ASSERT_TRUE(released.expired());
    tap(*screen, "followButton");
    tap(*screen, "viewPostsButton");
    EXPECT_NE(header(*screen), nullptr);
}

} // namespace
} // namespace lanterncrest::test
