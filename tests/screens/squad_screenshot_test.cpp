#include "tests/screens/squad_fixtures.h"
#include "tests/screens/squad_screen_harness.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_header_view.h"
#include "platform/ui/image_loader.h"

namespace lanterncrest::test {
namespace {

// A round-faced stand-in photo, its colour from the player's number.
QByteArray photoPng(int seed)
{
    QImage image(120, 120, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv((seed * 47) % 360, 90, 230));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 220, 190));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(60, 48), 24, 28);
    painter.drawEllipse(QPointF(60, 130), 50, 45);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::vector<PlayerSpec> squadOf25(const QString& imageBase)
{
    struct Line {
        const char* en;
        const char* ar;
        const char* country;
    };
    const Line lines[] = {
        {"Meshaal Barsham", "مشعل برشم", "Qatar"}, {"Saad Al Sheeb", "سعد الشيب", "Qatar"},
        {"Emiliano Martinez", "إميليانو مارتينيز", "Argentina "},
        {"Pedro Miguel", "بيدرو ميغيل", "Qatar"}, {"Boualem Khoukhi", "بوعلام خوخي", "Qatar"},
        {"Nicolas Otamendi", "نيكولاس أوتاميندي", "Argentina "}, {"Bassam Al Rawi", "بسام الراوي", "Qatar"},
        {"Raphael Varane", "رافاييل فاران", "France"}, {"Homam Ahmed", "همام أحمد", "Qatar"},
        {"Marquinhos", "ماركينيوس", "Brazil "}, {"Abdelkarim Hassan", "عبد الكريم حسن", "Qatar"},
        {"Karim Boudiaf", "كريم بوضياف", "Qatar"}, {"Rodrigo De Paul", "رودريغو دي بول", "Argentina "},
        {"Abdulaziz Hatem", "عبد العزيز حاتم", "Qatar"}, {"Luka Modric", "لوكا مودريتش", "Croatia"},
        {"Assim Madibo", "عاصم مديبو", "Qatar"}, {"Enzo Fernandez", "إنزو فرنانديز", "Argentina "},
        {"Casemiro", "كاسيميرو", "Brazil "}, {"Ali Asad", "علي أسد", "Qatar"},
        {"Almoez Ali", "المعز علي", "Qatar"}, {"Akram Afif", "أكرم عفيف", "Qatar"},
        {"Lionel Messi", "ليونيل ميسي", "Argentina "}, {"Kylian Mbappe", "كيليان مبابي", "France"},
        {"Hassan Al Haydos", "حسن الهيدوس", "Qatar"}, {"Julian Alvarez", "خوليان ألفاريز", "Argentina "},
    };
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 25; ++k) {
        const char* position = k < 3 ? "Goalkeeper" : k < 11 ? "Defender" : k < 19 ? "Midfielder" : "Forward";
        const char* arabic = k < 3 ? "حارس مرمى" : k < 11 ? "مدافع" : k < 19 ? "لاعب وسط" : "مهاجم";
        PlayerSpec spec{.id = std::to_string(k), .enName = lines[k].en, .arName = lines[k].ar,
            .country = lines[k].country, .positionEn = position, .positionAr = arabic};
        if (k != 9)
            spec.number = k + 1;
        if (k % 5 != 4)  // every fifth player has no photo and keeps the placeholder
            spec.thumb = (imageBase + "img/" + QString::number(k) + ".png").toStdString();
        players.push_back(spec);
    }
    return players;
}

bool hasPixelNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 60)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue()) < tolerance)
                return true;
        }
    return false;
}

TEST(SquadScreenshot, ASquadOf25InFourPositionsShowsNamesNumbersCountryColoursAndHeaders)
{
    for (const char* language : {"en", "ar"}) {
        SCOPED_TRACE(language);
        PreferredLanguage preferred(language);
        SquadScreenHarness harness;
        harness.service.setResponder([](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
            if (!request.path.startsWith("/img/"))
                return std::nullopt;
            const QByteArray name = request.path.mid(5);
            return ScriptedAnswer{.status = 200, .headers = {{"Content-Type", "image/png"}},
                .body = photoPng(name.left(name.indexOf('.')).toInt())};
        });
        harness.service.answer(squadPath, ScriptedAnswer::json(200, squadJson(squadOf25(harness.service.url()))));
        harness.navigation.resize(375, 3000);  // tall enough for all four sections
        auto screen = harness.open("shot", TeamData{.ar_name = "العنابي", .en_name = "Qatar Stars"});
        ASSERT_TRUE(harness.waitUntilLoaded());
        CollectionView& grid = *screen->playerListCollectionView();
        grid.layoutIfNeeded();
        ASSERT_TRUE(waitUntil([] { return ImageLoader::shared().loadsInFlight() == 0; }));
        spinFor(std::chrono::milliseconds(50));

        ASSERT_EQ(grid.numberOfSections(), 4);
        EXPECT_EQ(screen->sortedSections(), (std::vector<QString>{"Defender", "Forward", "Goalkeeper", "Midfielder"}));

        const QImage shot = harness.navigation.grab().toImage();
        QDir().mkpath(LANTERNCREST_SCREENSHOT_DIR);
        const QString file = QStringLiteral(LANTERNCREST_SCREENSHOT_DIR "/squad_25_%1.png").arg(language);
        ASSERT_TRUE(shot.save(file)) << file.toStdString();

        int checkedCards = 0;
        for (const IndexPath& place : grid.indexPathsForVisibleItems()) {
            auto* cell = dynamic_cast<PlayerListCollectionViewCell*>(grid.cellForItem(place));
            ASSERT_NE(cell, nullptr);
            const QRect card(cell->containerView()->mapTo(&harness.navigation, QPoint(0, 0)),
                cell->containerView()->size());
            if (!harness.navigation.rect().contains(card))
                continue;
            const QColor background = *cell->containerView()->layerStyle().backgroundColor;
            EXPECT_EQ(shot.pixelColor(card.right() - 12, card.top() + 12), background) << place.section << "/" << place.item;
            const Label* lastName = cell->lastNameLabel();
            const QRect text(lastName->mapTo(&harness.navigation, QPoint(0, 0)), lastName->size());
            EXPECT_TRUE(hasPixelNear(shot, text, lastName->palette().color(lastName->foregroundRole())))
                << "no last name drawn at " << place.section << "/" << place.item;
            ++checkedCards;
        }
        EXPECT_EQ(checkedCards, 25);
        const bool arabic = QString(language) == "ar";
        const QString headers[] = {arabic ? QString::fromUtf8("مدافع") : "DEFENDER",
            arabic ? QString::fromUtf8("مهاجم") : "FORWARD", arabic ? QString::fromUtf8("حارس مرمى") : "GOALKEEPER",
            arabic ? QString::fromUtf8("لاعب وسط") : "MIDFIELDER"};
        for (int section = 0; section < 4; ++section) {
            auto* header = dynamic_cast<PositionHeaderView*>(
                grid.supplementaryView(CollectionView::elementKindSectionHeader(), {section, 0}));
            ASSERT_NE(header, nullptr);
            EXPECT_EQ(header->positionName()->text(), headers[section]);
            const QRect headerText(header->positionName()->mapTo(&harness.navigation, QPoint(0, 0)),
                header->positionName()->size());
            EXPECT_TRUE(hasPixelNear(shot, headerText, Qt::black)) << "no position name drawn in section " << section;
        }
    }
}

} // namespace
} // namespace lanterncrest::test
