// Screens drawn whole, saved for a person to look at, and checked where it matters.

#include <QGraphicsEffect>
#include <gtest/gtest.h>

#include "platform/ui/image_loader.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/season_teams_view_controller.h"
#include "screens/teams/team_collection_view_cell.h"
#include "tests/screens/screen_fixtures.h"
#include "tests/support/console_capture.h"

namespace lanterncrest::test {
namespace {

QRect areaOf(const QWidget &child, const QWidget &in)
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

// Every shown view under `root` lies inside its parent and asks for no more width than it has,
// and a shadow reaches no further than its blur.
void expectEveryViewInsideItsFrame(const QWidget &root, const char *what)
{
    EXPECT_LE(root.minimumSizeHint().width(), root.width()) << what;
    for (const QWidget *view : root.findChildren<QWidget *>()) {
        if (!view->isVisibleTo(&root))
            continue;
        const std::string where = what + (": " + view->objectName().toStdString());
        EXPECT_TRUE(view->parentWidget()->rect().contains(view->geometry())) << where;
        EXPECT_LE(view->minimumSizeHint().width(), view->width()) << where;
        if (const QGraphicsEffect *effect = view->graphicsEffect()) {
            EXPECT_TRUE(QRectF(view->rect())
                                .adjusted(-20, -20, 20, 20)
                                .contains(effect->boundingRect()))
                    << where;
        }
    }
}

// Every line fits the label, the last ends in "…" or not, and the text is drawn, not cut at both
// edges, in the shot of the window.
void expectFits(const Label &label, const QWidget &window, const QImage &shot, bool endsInEllipsis)
{
    const std::string what = label.objectName().toStdString();
    const QStringList lines = label.visibleLines();
    ASSERT_FALSE(lines.isEmpty()) << what;
    EXPECT_EQ(lines.last().endsWith(QChar(0x2026)), endsInEllipsis)
            << what << ": " << lines.join('|').left(200).toStdString();
    for (const QString &line : lines)
        EXPECT_LE(QFontMetricsF(label.font()).horizontalAdvance(line), label.contentsRect().width())
                << what << ": " << line.left(200).toStdString();
    const QRect area = areaOf(label, window);
    const QColor ink = label.palette().color(label.foregroundRole());
    const auto inkAt = [&](int x) {
        return pixelsNear(shot, { x, area.top(), 1, area.height() }, ink) > 0;
    };
    EXPECT_FALSE(inkAt(area.left()) && inkAt(area.right())) << what << " is cut at both edges";
    EXPECT_GT(pixelsNear(shot, area, ink), 0) << what << " shows no text";
}

struct Names
{
    std::vector<std::pair<QString, bool>> teams; // each with whether it ends in "…"
    std::string player, position;
};

// Names far wider than their places, in a 375-point window: each wraps inside its label or ends
// in "…" at its tail, is never cut at both edges and never widens its card or the window. Saves
// the teams grid, the squad and the profile a tap on the squad's first card opens as SHOTS.
void expectNamesFit(const Names &names, bool arabic, const QString &shots)
{
    std::vector<TeamData> teams;
    for (const auto &team : names.teams)
        teams.push_back(
                { .ar_name = team.first.toStdString(), .en_name = team.first.toStdString() });
    screenService().answer(teamsPath, ScriptedAnswer::json(200, teamsJson(teams)));
    auto teamsScreen = SeasonTeamsViewController::viewController();
    QWidget &teamsWindow = *teamsScreen->view();
    teamsWindow.resize(375, 667);
    teamsWindow.show();
    ASSERT_TRUE(waitUntil([&] {
        return teamsScreen->teams().size() == teams.size() && !ProgressHUD::isVisible();
    }));
    CollectionView &teamGrid = *teamsScreen->teamsCollectionView();
    teamGrid.layoutIfNeeded();
    const auto teamCell = [&](int item) {
        return dynamic_cast<TeamCollectionViewCell *>(teamGrid.cellForItem({ 0, item }));
    };

    SquadScreenHarness harness;
    // Each name in the shown language only: an answer may hold no more than 32 MB.
    const auto shown = [&](PlayerSpec player, const std::string &name) {
        (arabic ? player.arName : player.enName) = name;
        (arabic ? player.positionAr : player.positionEn) = names.position;
        return player;
    };
    harness.answer(
            squadJson({ shown({ .id = "long", .number = 6 }, names.player),
                        shown({ .id = "short", .number = 9 }, arabic ? "علي دائي" : "Ali Daei") }));
    auto squad = harness.open("long-names");
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView &squadGrid = *squad->playerListCollectionView();
    squadGrid.layoutIfNeeded();
    auto *card = dynamic_cast<PlayerListCollectionViewCell *>(squadGrid.cellForItem({ 0, 0 }));
    auto *header = sectionHeader(squadGrid, 0);
    ASSERT_TRUE(card && header);
    const QImage teamsShot = saved(teamsWindow, shots.arg("teams"));
    const QImage squadShot = saved(harness.navigation, shots.arg("squad"));
    const auto profile = harness.tap(squadGrid, { 0, 0 });
    ASSERT_NE(profile, nullptr) << "the card did not open the profile";
    auto *shownProfile = profileHeader(*profile);
    ASSERT_NE(shownProfile, nullptr);
    spinFor(std::chrono::milliseconds(20));
    const QImage profileShot = saved(harness.navigation, shots.arg("profile"));

    for (int item = 0; item < int(teams.size()); ++item) {
        SCOPED_TRACE(item);
        ASSERT_NE(teamCell(item), nullptr);
        expectFits(*teamCell(item)->teamName(), teamsWindow, teamsShot, names.teams[item].second);
        EXPECT_NEAR(teamCell(item)->width(),
                    teamGrid.layoutFrames().itemFrame({ 0, item })->width(), 1);
        expectEveryViewInsideItsFrame(*teamCell(item), "team card");
    }
    for (const Label *label : { card->nameLabel(), card->lastNameLabel(), header->positionName() })
        expectFits(*label, harness.navigation, squadShot, true);
    for (const Label *label : { shownProfile->nameLabel(), shownProfile->lastNameLabel(),
                                shownProfile->positionLabel() })
        expectFits(*label, harness.navigation, profileShot, true);
    for (const QWidget *window : { &teamsWindow, static_cast<QWidget *>(&harness.navigation) }) {
        EXPECT_EQ(window->width(), 375);
        EXPECT_LE(window->minimumSizeHint().width(), 375);
    }
    EXPECT_GT(teamCell(0)->teamName()->visibleLines().size(), 1);
    EXPECT_NEAR(card->width(), squadGrid.layoutFrames().itemFrame({ 0, 0 })->width(), 1);
    expectEveryViewInsideItsFrame(*card, "player card");
    expectEveryViewInsideItsFrame(*header, "position header");
    expectEveryViewInsideItsFrame(*shownProfile, "profile header");
}

TEST_P(Screenshot, LongNamesWrapOrEndInAnEllipsisInsideTheirCards)
{
    const auto pick = [&](const char *en, const char *ar) {
        return QString::fromUtf8(arabic ? ar : en);
    };
    expectNamesFit({ { { pick("Hohenzollernsteinhausen FC", "نادي هوهنتسولرنشتاينهاوزنبرغ"),
                         false }, // one long word wraps
                       { pick("The Royal Athletic Football Club of Saint Catherine Westbury",
                              "النادي الملكي الرياضي لكرة القدم في مدينة سانت كاترين الغربية"),
                         true },
                       { pick("Lions", "الأسود"), false } },
                     pick("Konstantinos-Alexandros Hohenzollernsteinhausen-Wittelsbach",
                          "كونستانتينوس-ألكسندروس هوهنتسولرنشتاينهاوزن-فيتلسباخ")
                             .toStdString(),
                     pick("Central Defensive Midfielder", "لاعب وسط دفاعي في قلب خط الوسط المتأخر")
                             .toStdString() },
                   arabic, "long_names_%1_" + language);
}

// The service may send a name of 10 MB: the screens still show it cut to what fits.
TEST(HugeName, ATenMegabyteNameLeavesTheScreensUsableAndEveryViewInsideItsFrame)
{
    ConsoleCapture quiet; // the framework prints every answer in full
    const QString huge(10 << 20, u'W');
    expectNamesFit({ { { huge, true } }, huge.toStdString(), huge.toStdString() }, false,
                   "huge_name_%1");
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshot, ::testing::Values("en", "ar"));

} // namespace
} // namespace lanterncrest::test
