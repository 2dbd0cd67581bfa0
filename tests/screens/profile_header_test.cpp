#include "screens/profile/player_profile_header_view.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/nib.h"
#include "tests/screens/profile_fixtures.h"
#include "tests/screens/squad_fixtures.h"
#include "tests/screens/teams_test_images.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

// The colour of the test bundle's "imageHorizontalPlaceHolderBig".
const QColor bigPlaceholderBlue(0, 0, 200);

// Counts the header's button taps.
struct TapCounter : PlayerProfileHeaderViewDelegate {
    int follows = 0;
    int viewPosts = 0;
    void followTapped() override { ++follows; }
    void viewPostsTapped() override { ++viewPosts; }
};

class ProfileHeader : public ::testing::Test {
protected:
    std::unique_ptr<PlayerProfileHeaderView> header{
        Nib(QStringLiteral("PlayerProfileHeaderView")).instantiate<PlayerProfileHeaderView>()};
    LoopbackService service;

    void fill(std::optional<People> player)
    {
        header->setPlayerObject(std::move(player));
        header->fillPlayerData();
    }
    QString url(const char* path) const { return service.url(QString::fromLatin1(path)); }
    Button* button(const char* name) const { return header->findChild<Button*>(QString::fromLatin1(name)); }
};

TEST_F(ProfileHeader, AWokenHeaderShowsNoNameNoValueAndNoImage)
{
    // The nib carries no sample text or image: before a record arrives nothing shows.
    EXPECT_EQ(header->nameLabel()->optionalText(), std::nullopt);
    EXPECT_EQ(header->lastNameLabel()->optionalText(), std::nullopt);
    EXPECT_EQ(header->positionLabel()->optionalText(), std::nullopt);
    for (const Label* value : {header->shirtNoLabel(), header->appearanceValueLabel(), header->goalsValueLabel(),
                               header->assistsValueLabel()})
        EXPECT_EQ(value->text(), QString()) << value->objectName().toStdString();
    EXPECT_TRUE(header->playerPhoto()->image().isNull());
    EXPECT_TRUE(header->teamIcon()->image().isNull());
    EXPECT_EQ(header->subTabCollectionView()->height(), 0);
    EXPECT_EQ(header->subTabCollectionView()->maximumHeight(), 0);
}

TEST_F(ProfileHeader, AFullRecordFillsEveryValueAndLoadsBothImagesBehindTheirPlaceholders)
{
    PreferredLanguage english("en-GB");
    service.answer("/photo.png", pngAnswer(Qt::red).after(100ms));
    service.answer("/flag.png", pngAnswer(Qt::yellow).after(100ms));
    People player = makeProfile({"p-10", "Lionel Andrés Messi", "ليونيل ميسي", 10, "Forward", "مهاجم",
                                 url("photo.png").toStdString(), url("flag.png").toStdString()});
    player.shirt_number = 30;
    fill(player);

    EXPECT_EQ(header->nameLabel()->optionalText(), "LIONEL");
    EXPECT_EQ(header->lastNameLabel()->optionalText(), "MESSI");
    EXPECT_EQ(header->positionLabel()->optionalText(), "Forward");
    EXPECT_EQ(header->shirtNoLabel()->text(), "10");
    EXPECT_EQ(shownColor(*header->playerPhoto()), bigPlaceholderBlue);
    EXPECT_EQ(shownColor(*header->teamIcon()), placeholderGreen);
    ASSERT_TRUE(waitUntil([&] {
        return shownColor(*header->playerPhoto()) == QColor(Qt::red) &&
               shownColor(*header->teamIcon()) == QColor(Qt::yellow);
    }));
    EXPECT_EQ(service.requestCount("/photo.png"), 1);
    EXPECT_EQ(service.requestCount("/flag.png"), 1);
}

TEST_F(ProfileHeader, NamesAndPositionFollowTheLanguageWithoutFallingBack)
{
    const struct {
        const char* language;
        std::optional<std::string> en, ar, positionEn, positionAr;
        std::optional<QString> first, last, position;
    } cases[] = {
        {"en-US", "Lionel Andrés Messi", "ليونيل ميسي", "Forward", "مهاجم", "LIONEL", "MESSI", "Forward"},
        {"ar-QA", "Lionel Messi", "ليونيل ميسي", "Forward", "مهاجم", QString::fromUtf8("ليونيل"),
         QString::fromUtf8("ميسي"), QString::fromUtf8("مهاجم")},
        {"ar", "Lionel Messi", std::nullopt, "Forward", std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {"fr-FR", "Kylian Mbappé", "كيليان مبابي", "forward", "مهاجم", "KYLIAN", "MBAPPÉ", "forward"},
        {"AR", "Pelé", "بيليه", "Forward", "مهاجم", "PELÉ", "PELÉ", "Forward"},
        {"en", "", "x", "", "x", "", "", ""},
        {"en", "Son  Heung-min", std::nullopt, std::nullopt, std::nullopt, "SON", "HEUNG-MIN", std::nullopt},
        {"en", "Kaka ", std::nullopt, "left WING", std::nullopt, "KAKA", "", "left WING"},
        {"en", " Kaka", std::nullopt, std::nullopt, std::nullopt, "", "KAKA", std::nullopt},
        {"en", "Thomas Müßig", std::nullopt, std::nullopt, std::nullopt, "THOMAS", "MÜSSIG", std::nullopt},
    };
    for (const auto& c : cases) {
        PreferredLanguage language(QString::fromLatin1(c.language));
        fill(makeProfile({.enName = c.en, .arName = c.ar, .positionEn = c.positionEn, .positionAr = c.positionAr}));
        const std::string where = std::string(c.language) + " " + c.en.value_or("(none)");
        EXPECT_EQ(header->nameLabel()->optionalText(), c.first) << where;
        EXPECT_EQ(header->lastNameLabel()->optionalText(), c.last) << where;
        EXPECT_EQ(header->positionLabel()->optionalText(), c.position) << where;
    }
}

TEST_F(ProfileHeader, ARecordWithoutValuesClearsTheNamesAndTouchesNothingElse)
{
    PreferredLanguage english("en");
    service.answer("/photo.png", pngAnswer(Qt::red));
    service.answer("/flag.png", pngAnswer(Qt::yellow));
    fill(makeProfile({"p-1", "Ali Daei", std::nullopt, 10, "Forward", std::nullopt, url("photo.png").toStdString(),
                      url("flag.png").toStdString()}));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*header->teamIcon()) == QColor(Qt::yellow); }));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*header->playerPhoto()) == QColor(Qt::red); }));

    // A country without an image, and a club number without a national one: nothing to show.
    People bare;
    bare.shirt_number = 7;
    bare.country = Country{CountryData{}};
    for (const std::optional<People>& record : {std::optional<People>(bare), std::optional<People>()}) {
        fill(record);
        EXPECT_EQ(header->nameLabel()->optionalText(), std::nullopt);
        EXPECT_EQ(header->lastNameLabel()->optionalText(), std::nullopt);
        EXPECT_EQ(header->positionLabel()->optionalText(), std::nullopt);
        EXPECT_EQ(header->shirtNoLabel()->text(), "10");
        EXPECT_EQ(shownColor(*header->playerPhoto()), QColor(Qt::red));
        EXPECT_EQ(shownColor(*header->teamIcon()), QColor(Qt::yellow));
    }
    EXPECT_EQ(service.requestCount(), 2);
}

TEST_F(ProfileHeader, AnEmptyRecordShowsNeitherAPlaceholderNorANibValue)
{
    fill(People{});
    spinFor(50ms);
    EXPECT_EQ(header->shirtNoLabel()->text(), QString());
    EXPECT_TRUE(header->playerPhoto()->image().isNull());
    EXPECT_TRUE(header->teamIcon()->image().isNull());
}

TEST_F(ProfileHeader, TheButtonsReachTheDelegateOnlyWhileItLives)
{
    auto counter = std::make_shared<TapCounter>();
    header->setDelegate(counter);
    QTest::mouseClick(button("followButton"), Qt::LeftButton);
    QTest::mouseClick(button("viewPostsButton"), Qt::LeftButton);
    QTest::mouseClick(button("viewPostsButton"), Qt::LeftButton);
    EXPECT_EQ(counter->follows, 1);
    EXPECT_EQ(counter->viewPosts, 2);

    std::weak_ptr<TapCounter> gone = counter;
    counter.reset();
    ASSERT_TRUE(gone.expired());
    QTest::mouseClick(button("followButton"), Qt::LeftButton);
    QTest::mouseClick(button("viewPostsButton"), Qt::LeftButton);

    header->setDelegate({});
    header->followClicked();
    header->viewPostsClicked();
}

TEST_F(ProfileHeader, BothStripsAreEmptyAndSizeTheirItemsByStrip)
{
    CollectionView& tabs = *header->tabCollectionView();
    CollectionView& subTabs = *header->subTabCollectionView();
    EXPECT_EQ(tabs.dataSource().get(), static_cast<CollectionViewDataSource*>(header.get()));
    EXPECT_EQ(subTabs.delegate().get(), static_cast<CollectionViewDelegate*>(header.get()));
    tabs.layoutIfNeeded();
    subTabs.layoutIfNeeded();
    EXPECT_EQ(tabs.numberOfItemsInSection(0), 0);
    EXPECT_EQ(subTabs.numberOfItemsInSection(0), 0);

    CollectionView other;
    EXPECT_EQ(header->sizeForItemAt(tabs, {}), QSizeF(54, 48));
    EXPECT_EQ(header->sizeForItemAt(subTabs, {}), QSizeF(100, 48));
    EXPECT_EQ(header->sizeForItemAt(other, {}), QSizeF(100, 48));

    // Without a connected tab strip every collection view counts as the sub-tab strip.
    PlayerProfileHeaderView unconnected;
    EXPECT_EQ(unconnected.sizeForItemAt(tabs, {}), QSizeF(100, 48));
}

} // namespace
} // namespace lanterncrest::test
