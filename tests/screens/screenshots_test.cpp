// Screens drawn whole, saved for a person to look at, and checked where it matters.

#include <gtest/gtest.h>

#include "platform/ui/image_loader.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/season_teams_view_controller.h"
#include "screens/teams/team_collection_view_cell.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

QRect areaOf(const QWidget &child, QWidget &in)
{
    return { child.mapTo(&in, QPoint()), child.size() };
}

// How many pixels of the area are (or, with `near` false, are not) close to the colour.
int pixelsNear(const QImage &image, const QRect &area, const QColor &colour, bool near = true)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - colour.red())
                    + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue());
            count += (distance < 60) == near;
        }
    return count;
}

class Screenshot : public ::testing::TestWithParam<const char *>
{
protected:
    const QString language = QString::fromLatin1(GetParam());
    const bool arabic = language == u"ar";
    PreferredLanguage preferred{ language };
};

// 25 players in four positions; every fifth without a photo, one without a number.
TEST_P(Screenshot, ASquadOf25ShowsEveryCardsNameOnItsCountrysColourUnderItsHeader)
{
    SquadScreenHarness harness;
    const char *countries[] = { "Qatar", "Argentina ", "France", "Brazil " };
    const char *positions[][2] = { { "Goalkeeper", "حارس مرمى" },
                                   { "Defender", "مدافع" },
                                   { "Midfielder", "لاعب وسط" },
                                   { "Forward", "مهاجم" } };
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 25; ++k) {
        const auto *position = positions[k < 3 ? 0 : k < 11 ? 1 : k < 19 ? 2 : 3];
        players.push_back({ .id = std::to_string(k),
                            .enName = "Player Surname" + std::to_string(k),
                            .arName = "لاعب " + std::to_string(k),
                            .country = countries[k % 4],
                            .positionEn = position[0],
                            .positionAr = position[1] });
        if (k != 9)
            players.back().number = k + 1;
        if (k % 5 != 4) {
            const QString photo = "/img/" + QString::number(k) + ".png";
            harness.service.answer(photo.toLatin1(),
                                   pngAnswer(QColor::fromHsv(k * 47 % 360, 90, 230)));
            players.back().thumb = harness.service.url(photo.mid(1)).toStdString();
        }
    }
    harness.answer(squadJson(players));
    harness.navigation.resize(375, 3000); // tall enough for all four sections
    auto screen = harness.open("shot", TeamData{ .ar_name = "العنابي", .en_name = "Qatar Stars" });
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView &grid = *screen->playerListCollectionView();
    grid.layoutIfNeeded();
    ASSERT_TRUE(waitUntil([] { return ImageLoader::shared().loadsInFlight() == 0; }));
    spinFor(std::chrono::milliseconds(50));
    ASSERT_EQ(grid.numberOfSections(), 4);
    const QImage shot = saved(harness.navigation, "squad_25_" + language);

    ASSERT_EQ(grid.indexPathsForVisibleItems().size(), 25u);
    for (const IndexPath &place : grid.indexPathsForVisibleItems()) {
        auto *cell = dynamic_cast<PlayerListCollectionViewCell *>(grid.cellForItem(place));
        ASSERT_NE(cell, nullptr);
        const QRect card = areaOf(*cell->containerView(), harness.navigation);
        const auto background = cell->containerView()->layerStyle().backgroundColor;
        EXPECT_EQ(shot.pixelColor(card.right() - 12, card.top() + 12), background);
        const Label *lastName = cell->lastNameLabel();
        EXPECT_GT(pixelsNear(shot, areaOf(*lastName, harness.navigation),
                             lastName->palette().color(lastName->foregroundRole())),
                  0)
                << "no last name drawn at " << place.section << "/" << place.item;
    }
    const int sorted[] = { 1, 3, 0, 2 }; // Defender, Forward, Goalkeeper, Midfielder
    for (int section = 0; section < 4; ++section) {
        const PositionHeaderView *header = sectionHeader(grid, section);
        ASSERT_NE(header, nullptr);
        const char *const *name = positions[sorted[section]];
        EXPECT_EQ(header->positionName()->text(),
                  arabic ? QString::fromUtf8(name[1]) : QString::fromLatin1(name[0]).toUpper());
        EXPECT_GT(pixelsNear(shot, areaOf(*header->positionName(), harness.navigation), Qt::black),
                  0);
    }
}

TEST_P(Screenshot, AProfileShowsTheFilledHeader)
{
    const QColor cardBlue(0x0b, 0x1f, 0x3a), shirtRed(0xc8, 0x10, 0x2e),
            flagGreen(0x00, 0x73, 0x2f);
    LoopbackService service;
    service.answer("/photo.png", pngAnswer(shirtRed));
    service.answer("/flag.png", pngAnswer(flagGreen));
    auto screen = PlayerProfileViewController::viewController();
    screen->setPlayerObject(makePlayer({ .id = "p-7",
                                         .enName = "Salem Saad Al-Dawsari",
                                         .arName = "سالم سعد الدوسري",
                                         .number = 29,
                                         .positionEn = "Left Winger",
                                         .positionAr = "جناح أيسر",
                                         .photo = service.url("photo.png").toStdString(),
                                         .flag = service.url("flag.png").toStdString() }));
    QWidget *view = screen->view();
    view->resize(375, 667);
    view->show();
    const auto *header = profileHeader(*screen);
    ASSERT_NE(header, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        return shownColor(*header->teamIcon()) == flagGreen
                && shownColor(*header->playerPhoto()) == shirtRed;
    }));
    const QImage shot = saved(*view, "profile_" + language);

    EXPECT_EQ(header->lastNameLabel()->text(),
              arabic ? QString::fromUtf8("الدوسري") : QString("AL-DAWSARI"));
    EXPECT_EQ(header->positionLabel()->text(),
              arabic ? QString::fromUtf8("جناح أيسر") : QString("Left Winger"));
    EXPECT_EQ(shot.pixelColor(header->playerBackground()->mapTo(view, QPoint(4, 4))), cardBlue);
    for (const ImageView *image : { header->playerPhoto(), header->teamIcon() })
        EXPECT_EQ(shot.pixelColor(image->mapTo(view, image->rect().center())), shownColor(*image));
    for (const Label *label :
         { header->nameLabel(), header->lastNameLabel(), header->shirtNoLabel() })
        EXPECT_GT(pixelsNear(shot, areaOf(*label, *view), cardBlue, false), 20)
                << label->objectName().toStdString();
}

// Names far wider than their places, in a 375-point window: each wraps inside its label or ends
// in "…" at its tail, is never cut at both edges and never widens its card or the window.
TEST_P(Screenshot, LongNamesWrapOrEndInAnEllipsisInsideTheirCards)
{
    const auto pick = [&](const char *en, const char *ar) {
        return QString::fromUtf8(arabic ? ar : en);
    };
    const QString oneLongWord = pick("Hohenzollernsteinhausen FC", "نادي هوهنتسولرنشتاينهاوزنبرغ");
    const QString nineWords = pick("The Royal Athletic Football Club of Saint Catherine Westbury",
                                   "النادي الملكي الرياضي لكرة القدم في مدينة سانت كاترين الغربية");
    const std::string player = pick("Konstantinos-Alexandros Hohenzollernsteinhausen-Wittelsbach",
                                    "كونستانتينوس-ألكسندروس هوهنتسولرنشتاينهاوزن-فيتلسباخ")
                                       .toStdString();
    const std::string position =
            pick("Central Defensive Midfielder", "لاعب وسط دفاعي في قلب خط الوسط المتأخر")
                    .toStdString();

    std::vector<TeamData> teams;
    for (const QString &name : { oneLongWord, nineWords, pick("Lions", "الأسود") })
        teams.push_back({ .ar_name = name.toStdString(), .en_name = name.toStdString() });
    screenService().answer(teamsPath, ScriptedAnswer::json(200, teamsJson(teams)));
    auto teamsScreen = SeasonTeamsViewController::viewController();
    teamsScreen->view()->resize(375, 667);
    teamsScreen->view()->show();
    ASSERT_TRUE(waitUntil(
            [&] { return teamsScreen->teams().size() == 3 && !ProgressHUD::isVisible(); }));
    CollectionView &teamGrid = *teamsScreen->teamsCollectionView();
    teamGrid.layoutIfNeeded();
    const auto teamCell = [&](int item) {
        return dynamic_cast<TeamCollectionViewCell *>(teamGrid.cellForItem({ 0, item }));
    };
    ASSERT_TRUE(teamCell(0) && teamCell(1) && teamCell(2));

    SquadScreenHarness harness;
    harness.answer(squadJson({ { .id = "long",
                                 .enName = player,
                                 .arName = player,
                                 .number = 6,
                                 .positionEn = position,
                                 .positionAr = position },
                               { .id = "short",
                                 .enName = "Ali Daei",
                                 .arName = "علي دائي",
                                 .number = 9,
                                 .positionEn = position,
                                 .positionAr = position } }));
    auto squad = harness.open("long-names");
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView &squadGrid = *squad->playerListCollectionView();
    squadGrid.layoutIfNeeded();
    auto *card = dynamic_cast<PlayerListCollectionViewCell *>(squadGrid.cellForItem({ 0, 0 }));
    auto *header = sectionHeader(squadGrid, 0);
    ASSERT_TRUE(card && header);
    const QImage teamsShot = saved(*teamsScreen->view(), "long_names_teams_" + language);
    const QImage squadShot = saved(harness.navigation, "long_names_squad_" + language);

    // The profile, as a tap on the card opens it.
    const auto profile = harness.tap(squadGrid, { 0, 0 });
    ASSERT_NE(profile, nullptr);
    auto *shownProfile = profileHeader(*profile);
    ASSERT_NE(shownProfile, nullptr);
    spinFor(std::chrono::milliseconds(20));
    const QImage profileShot = saved(harness.navigation, "long_names_profile_" + language);

    const struct
    {
        const char *what;
        const Label *label;
        const QWidget *card;
        QWidget &window;
        const QImage &shot;
        bool endsInEllipsis;
    } rows[] = {
        { "one long word wraps", teamCell(0)->teamName(), teamCell(0)->containerView(),
          *teamsScreen->view(), teamsShot, false },
        { "nine words", teamCell(1)->teamName(), teamCell(1)->containerView(), *teamsScreen->view(),
          teamsShot, true },
        { "short team", teamCell(2)->teamName(), teamCell(2)->containerView(), *teamsScreen->view(),
          teamsShot, false },
        { "card's first name", card->nameLabel(), card->containerView(), harness.navigation,
          squadShot, true },
        { "card's last name", card->lastNameLabel(), card->containerView(), harness.navigation,
          squadShot, true },
        { "position header", header->positionName(), header, harness.navigation, squadShot, true },
        { "profile's first name", shownProfile->nameLabel(), shownProfile, harness.navigation,
          profileShot, true },
        { "profile's last name", shownProfile->lastNameLabel(), shownProfile, harness.navigation,
          profileShot, true },
        { "profile's position", shownProfile->positionLabel(), shownProfile, harness.navigation,
          profileShot, true },
    };
    for (const auto &row : rows) {
        const QStringList lines = row.label->visibleLines();
        ASSERT_FALSE(lines.isEmpty()) << row.what;
        EXPECT_EQ(lines.last().endsWith(QChar(0x2026)), row.endsInEllipsis)
                << row.what << ": " << lines.join('|').toStdString();
        for (const QString &line : lines)
            EXPECT_LE(QFontMetricsF(row.label->font()).horizontalAdvance(line),
                      row.label->contentsRect().width())
                    << row.what << ": " << line.toStdString();
        const QRect area = areaOf(*row.label, row.window);
        EXPECT_TRUE(areaOf(*row.card, row.window).contains(area)) << row.what;
        EXPECT_LE(row.card->minimumSizeHint().width(), row.card->width()) << row.what;
        const QColor ink = row.label->palette().color(row.label->foregroundRole());
        const bool inkAtLeft =
                pixelsNear(row.shot, { area.left(), area.top(), 1, area.height() }, ink) > 0;
        const bool inkAtRight =
                pixelsNear(row.shot, { area.right(), area.top(), 1, area.height() }, ink) > 0;
        EXPECT_FALSE(inkAtLeft && inkAtRight) << row.what << " is cut at both edges";
        EXPECT_GT(pixelsNear(row.shot, area, ink), 0) << row.what << " shows no text";
        EXPECT_EQ(row.window.width(), 375) << row.what;
        EXPECT_LE(row.window.minimumSizeHint().width(), 375) << row.what;
    }
    EXPECT_GT(teamCell(0)->teamName()->visibleLines().size(), 1);
    for (int item = 0; item < 3; ++item)
        EXPECT_NEAR(teamCell(item)->width(),
                    teamGrid.layoutFrames().itemFrame({ 0, item })->width(), 1)
                << item;
    EXPECT_NEAR(card->width(), squadGrid.layoutFrames().itemFrame({ 0, 0 })->width(), 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshot, ::testing::Values("en", "ar"));

} // namespace
} // namespace lanterncrest::test
