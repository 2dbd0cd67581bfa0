// Screens drawn whole, saved for a person to look at, and checked where it matters.

#include <gtest/gtest.h>

#include "platform/ui/image_loader.h"
#include "screens/profile/player_profile_header_view.h"
#include "screens/profile/player_profile_view_controller.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_header_view.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

QRect areaOf(const QWidget& child, QWidget& in) { return {child.mapTo(&in, QPoint()), child.size()}; }

// How many pixels of the area are (or, with `near` false, are not) close to the colour.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, bool near = true)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int distance = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                                 std::abs(c.blue() - colour.blue());
            count += (distance < 60) == near;
        }
    return count;
}

class Screenshot : public ::testing::TestWithParam<const char*> {
protected:
    const QString language = QString::fromLatin1(GetParam());
    const bool arabic = language == u"ar";
    PreferredLanguage preferred{language};
};

// 25 players in four positions; every fifth without a photo, one without a number.
TEST_P(Screenshot, ASquadOf25ShowsEveryCardsNameOnItsCountrysColourUnderItsHeader)
{
    SquadScreenHarness harness;
    const char* countries[] = {"Qatar", "Argentina ", "France", "Brazil "};
    const char* positions[][2] = {{"Goalkeeper", "حارس مرمى"}, {"Defender", "مدافع"}, {"Midfielder", "لاعب وسط"},
                                  {"Forward", "مهاجم"}};
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 25; ++k) {
        const auto* position = positions[k < 3 ? 0 : k < 11 ? 1 : k < 19 ? 2 : 3];
        players.push_back({.id = std::to_string(k), .enName = "Player Surname" + std::to_string(k),
                           .arName = "لاعب " + std::to_string(k), .country = countries[k % 4],
                           .positionEn = position[0], .positionAr = position[1]});
        if (k != 9)
            players.back().number = k + 1;
        if (k % 5 != 4) {
            const QString photo = "/img/" + QString::number(k) + ".png";
            harness.service.answer(photo.toLatin1(), pngAnswer(QColor::fromHsv(k * 47 % 360, 90, 230)));
            players.back().thumb = harness.service.url(photo.mid(1)).toStdString();
        }
    }
    harness.answer(squadJson(players));
    harness.navigation.resize(375, 3000); // tall enough for all four sections
    auto screen = harness.open("shot", TeamData{.ar_name = "العنابي", .en_name = "Qatar Stars"});
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView& grid = *screen->playerListCollectionView();
    grid.layoutIfNeeded();
    ASSERT_TRUE(waitUntil([] { return ImageLoader::shared().loadsInFlight() == 0; }));
    spinFor(std::chrono::milliseconds(50));
    ASSERT_EQ(grid.numberOfSections(), 4);
    const QImage shot = saved(harness.navigation, "squad_25_" + language);

    ASSERT_EQ(grid.indexPathsForVisibleItems().size(), 25u);
    for (const IndexPath& place : grid.indexPathsForVisibleItems()) {
        auto* cell = dynamic_cast<PlayerListCollectionViewCell*>(grid.cellForItem(place));
        ASSERT_NE(cell, nullptr);
        const QRect card = areaOf(*cell->containerView(), harness.navigation);
        const auto background = cell->containerView()->layerStyle().backgroundColor;
        EXPECT_EQ(shot.pixelColor(card.right() - 12, card.top() + 12), background);
        const Label* lastName = cell->lastNameLabel();
        EXPECT_GT(pixelsNear(shot, areaOf(*lastName, harness.navigation),
                             lastName->palette().color(lastName->foregroundRole())), 0)
            << "no last name drawn at " << place.section << "/" << place.item;
    }
    const int sorted[] = {1, 3, 0, 2}; // Defender, Forward, Goalkeeper, Midfielder
    for (int section = 0; section < 4; ++section) {
        auto* header = dynamic_cast<PositionHeaderView*>(
            grid.supplementaryView(CollectionView::elementKindSectionHeader(), {section, 0}));
        ASSERT_NE(header, nullptr);
        const char* const* name = positions[sorted[section]];
        EXPECT_EQ(header->positionName()->text(),
                  arabic ? QString::fromUtf8(name[1]) : QString::fromLatin1(name[0]).toUpper());
        EXPECT_GT(pixelsNear(shot, areaOf(*header->positionName(), harness.navigation), Qt::black), 0);
    }
}

TEST_P(Screenshot, AProfileShowsTheFilledHeader)
{
    const QColor cardBlue(0x0b, 0x1f, 0x3a), shirtRed(0xc8, 0x10, 0x2e), flagGreen(0x00, 0x73, 0x2f);
    LoopbackService service;
    service.answer("/photo.png", pngAnswer(shirtRed));
    service.answer("/flag.png", pngAnswer(flagGreen));
    auto screen = PlayerProfileViewController::viewController();
    screen->setPlayerObject(makePlayer({.id = "p-7", .enName = "Salem Saad Al-Dawsari", .arName = "سالم سعد الدوسري",
                                        .number = 29, .positionEn = "Left Winger", .positionAr = "جناح أيسر",
                                        .photo = service.url("photo.png").toStdString(),
                                        .flag = service.url("flag.png").toStdString()}));
    QWidget* view = screen->view();
    view->resize(375, 667);
    view->show();
    const auto* header = dynamic_cast<PlayerProfileHeaderView*>(screen->playerProfileTableView()->tableHeaderView());
    ASSERT_NE(header, nullptr);
    ASSERT_TRUE(waitUntil([&] {
        return shownColor(*header->teamIcon()) == flagGreen && shownColor(*header->playerPhoto()) == shirtRed;
    }));
    const QImage shot = saved(*view, "profile_" + language);

    EXPECT_EQ(header->lastNameLabel()->text(), arabic ? QString::fromUtf8("الدوسري") : QString("AL-DAWSARI"));
    EXPECT_EQ(header->positionLabel()->text(), arabic ? QString::fromUtf8("جناح أيسر") : QString("Left Winger"));
    EXPECT_EQ(shot.pixelColor(header->playerBackground()->mapTo(view, QPoint(4, 4))), cardBlue);
    for (const ImageView* image : {header->playerPhoto(), header->teamIcon()})
        EXPECT_EQ(shot.pixelColor(image->mapTo(view, image->rect().center())), shownColor(*image));
    for (const Label* label : {header->nameLabel(), header->lastNameLabel(), header->shirtNoLabel()})
        EXPECT_GT(pixelsNear(shot, areaOf(*label, *view), cardBlue, false), 20) << label->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshot, ::testing::Values("en", "ar"));

} // namespace
} // namespace lanterncrest::test
