#include <QDir>
#include <QImage>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "platform/foundation/user_defaults.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/nib.h"
#include "platform/ui/view.h"
#include "screens/teams/team_collection_view_cell.h"
#include "tests/screens/teams_test_images.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

TeamData team(std::optional<std::string> ar, std::optional<std::string> en, std::optional<QString> thumb = {})
{
    TeamData result;
    result.ar_name = std::move(ar);
    result.en_name = std::move(en);
    if (thumb) {
        ImageData data;
        data.thumb = thumb->toStdString();
        result.image.emplace();
        result.image->data = data;
    }
    return result;
}

class TeamsCell : public ::testing::Test {
protected:
    void TearDown() override { UserDefaults::standard().removeObject(UserDefaults::appleLanguagesKey); }

    static std::unique_ptr<TeamCollectionViewCell> makeCell()
    {
        return std::unique_ptr<TeamCollectionViewCell>(
            Nib(QStringLiteral("TeamCollectionViewCell")).instantiate<TeamCollectionViewCell>());
    }
    static void prefer(const QString& language)
    {
        UserDefaults::standard().set(UserDefaults::appleLanguagesKey, QStringList{language});
    }

    LoopbackService service;
};

TEST_F(TeamsCell, TheNibConnectsAShadowedContainerAndARoundedIcon)
{
    auto cell = makeCell();
    ASSERT_TRUE(cell->containerView() && cell->teamName() && cell->teamIcon());
    const LayerStyle& card = cell->containerView()->layerStyle();
    EXPECT_FALSE(card.masksToBounds);
    EXPECT_EQ(card.shadowColor, QColor(214, 214, 214));
    EXPECT_EQ(card.shadowOpacity, 1.0f);
    EXPECT_EQ(card.shadowOffset, QSizeF(0, 2));
    EXPECT_EQ(card.shadowRadius, 3);
    EXPECT_TRUE(cell->teamIcon()->layerStyle().masksToBounds);
    EXPECT_EQ(cell->teamIcon()->layerStyle().cornerRadius, 36);
}

TEST_F(TeamsCell, TheNameFollowsTheLanguageInCapitalsWithoutFallback)
{
    const struct {
        QString language;
        TeamData team;
        std::optional<QString> shown;
    } cases[] = {
        {"ar-SA", team("الأسود الحمر", "Red Lions"), QString::fromUtf8("الأسود الحمر")},
        {"en", team("الأسود الحمر", "Red Lions"), "RED LIONS"},
        {"fr", team("الأسود الحمر", "Red Lions"), "RED LIONS"},
        {"arz", team("الأسود الحمر", "Red Lions"), "RED LIONS"},
        {"en-GB", team(std::nullopt, "Straße Eleven"), "STRASSE ELEVEN"},
        {"ar", team(std::nullopt, "Red Lions"), std::nullopt},
        {"en", team("الأسود الحمر", std::nullopt), std::nullopt},
    };
    auto cell = makeCell();
    for (const auto& c : cases) {
        prefer(c.language);
        cell->configure(c.team);
        EXPECT_EQ(cell->teamName()->optionalText(), c.shown) << c.language.toStdString();
    }
}

TEST_F(TeamsCell, AReusedCellWithoutALogoShowsThePlaceholderNotThePreviousLogo)
{
    service.answer("/lions.png", pngAnswer(Qt::red));
    auto cell = makeCell();
    cell->configure(team("أ", "Lions", service.url("lions.png")));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*cell->teamIcon()) == QColor(Qt::red); }));

    TeamData noThumb = team("ب", "Eagles");
    noThumb.image.emplace(); // an image record without data
    for (const TeamData& next : {team("ب", "Eagles"), noThumb}) {
        cell->configure(team("أ", "Lions", service.url("lions.png")));
        ASSERT_EQ(shownColor(*cell->teamIcon()), QColor(Qt::red));
        cell->configure(next);
        EXPECT_EQ(shownColor(*cell->teamIcon()), placeholderGreen);
        EXPECT_EQ(cell->teamName()->text(), "EAGLES");
    }
}

TEST_F(TeamsCell, ALogoStillLoadingForThePreviousTeamNeverLandsOnTheNextOne)
{
    service.answer("/slow.png", pngAnswer(Qt::red).after(150ms));
    service.answer("/sharks.png", pngAnswer(Qt::blue));
    auto cell = makeCell();
    cell->configure(team("أ", "Lions", service.url("slow.png")));
    cell->configure(team("ب", "Eagles"));
    spinFor(400ms);
    EXPECT_EQ(shownColor(*cell->teamIcon()), placeholderGreen);

    cell->configure(team("أ", "Lions", service.url("slow.png")));
    cell->configure(team("ج", "Sharks", service.url("sharks.png")));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*cell->teamIcon()) == QColor(Qt::blue); }));
    spinFor(300ms);
    EXPECT_EQ(shownColor(*cell->teamIcon()), QColor(Qt::blue));
}

TEST_F(TeamsCell, FiftyCellsWithOneLogoSendOneRequest)
{
    service.answer("/shared-logo.png", pngAnswer(Qt::red).after(50ms));
    std::vector<std::unique_ptr<TeamCollectionViewCell>> cells;
    for (int i = 0; i < 50; ++i) {
        cells.push_back(makeCell());
        cells.back()->configure(team("أ", "Team " + std::to_string(i), service.url("shared-logo.png")));
    }
    ASSERT_TRUE(waitUntil([&] {
        for (const auto& cell : cells) {
            if (shownColor(*cell->teamIcon()) != QColor(Qt::red))
                return false;
        }
        return true;
    }));
    EXPECT_EQ(service.requestCount("/shared-logo.png"), 1);
}

TEST_F(TeamsCell, TheCardIsWhiteOnItsShadowWithTheNameBelowTheLogo)
{
    service.answer("/logo.png", pngAnswer(Qt::red));
    prefer("en");
    View parent;
    parent.resize(135, 180);
    parent.changeLayerStyle([](LayerStyle& style) { style.backgroundColor = QColor(Qt::white); });
    auto cell = makeCell();
    cell->setParent(&parent);
    cell->setGeometry(10, 10, 115, 160);
    cell->configure(team("أ", "Red Lions", service.url("logo.png")));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*cell->teamIcon()) == QColor(Qt::red); }));
    parent.show();

    const QImage shot = parent.grab().toImage();
    const QString dir = QStringLiteral(LANTERNCREST_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    shot.save(dir + QStringLiteral("/teams_cell.png"));

    const QRect icon(cell->teamIcon()->mapTo(&parent, QPoint()), cell->teamIcon()->size());
    EXPECT_EQ(shot.pixelColor(icon.center()), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(icon.topLeft() + QPoint(1, 1)), QColor(Qt::white)); // cut by the rounding
    const QRect name(cell->teamName()->mapTo(&parent, QPoint()), cell->teamName()->size());
    int dark = 0;
    for (int x = name.left(); x <= name.right(); ++x) {
        for (int y = name.top(); y <= name.bottom(); ++y)
            dark += shot.pixelColor(x, y).lightness() < 100;
    }
    EXPECT_GT(dark, 20);
    // The shadow falls below the card's bottom edge into the white parent.
    const QRect card(cell->containerView()->mapTo(&parent, QPoint()), cell->containerView()->size());
    EXPECT_LT(shot.pixelColor(card.center().x(), card.bottom() + 2).lightness(), 250);
}

} // namespace
} // namespace lanterncrest::test
