#include "tests/screens/squad_fixtures.h"
#include "tests/screens/squad_screen_harness.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_header_view.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

class SquadScreen : public ::testing::Test {
protected:
    SquadScreenHarness harness;

    void answer(const QByteArray& body) { harness.service.answer(squadPath, ScriptedAnswer::json(200, body)); }

    static QString headerText(CollectionView& grid, int section)
    {
        auto* header = dynamic_cast<PositionHeaderView*>(
            grid.supplementaryView(CollectionView::elementKindSectionHeader(), {section, 0}));
        return header ? header->positionName()->text() : QStringLiteral("(no header)");
    }
};

TEST_F(SquadScreen, AsksForTheTeamsPlayersOfTheSeasonWithTheIdHeldWhenTheRequestLeaves)
{
    answer(squadJson({{.id = "p1", .enName = "A B", .positionEn = "Defender"}}));
    auto screen = harness.open("first-id");
    EXPECT_TRUE(harness.service.requests().empty()) << "the request leaves on a later turn of the loop";
    screen->setCurrentTeamId("team 7&x");
    ASSERT_TRUE(harness.waitUntilLoaded());

    ASSERT_EQ(harness.service.requestCount(), 1);
    const RecordedRequest& request = harness.service.requests().front();
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.target, "/v1/team-players-in-current-season?id=team%207%26x&season_id=4jgw0ek6ajq3m5ya");
}

TEST_F(SquadScreen, ShowsOneSectionPerPositionInOrderWithTheAnswersOrderInside)
{
    for (const char* language : {"en", "ar"}) {
        SCOPED_TRACE(language);
        SquadScreenHarness local;
        PreferredLanguage preferred(language);
        answer(squadJson({
            {.id = "1", .enName = "Bee One", .arName = "ب ١", .positionEn = "B", .positionAr = "باء"},
            {.id = "2", .enName = "Ay Two", .arName = "أ ٢", .positionEn = "A", .positionAr = "ألف"},
            {.id = "3", .enName = "Bee Three", .arName = "ب ٣", .positionEn = "B", .positionAr = "باء"},
            {.id = "4", .enName = "No Position"},
        }));
        auto screen = local.open("grouped");
        ASSERT_TRUE(local.waitUntilLoaded());
        CollectionView& grid = *screen->playerListCollectionView();
        grid.layoutIfNeeded();

        EXPECT_EQ(screen->sortedSections(), (std::vector<QString>{"", "A", "B"}));
        ASSERT_EQ(grid.numberOfSections(), 3);
        EXPECT_EQ(grid.numberOfItemsInSection(0), 1);
        EXPECT_EQ(grid.numberOfItemsInSection(1), 1);
        EXPECT_EQ(grid.numberOfItemsInSection(2), 2);
        const auto& groupB = screen->standingDictData().at("B");
        EXPECT_EQ(groupB.at(0).id, "1");
        EXPECT_EQ(groupB.at(1).id, "3");

        const bool arabic = QString(language) == "ar";
        EXPECT_EQ(headerText(grid, 0), "");
        EXPECT_EQ(headerText(grid, 1), arabic ? QString::fromUtf8("ألف") : "A");
        EXPECT_EQ(headerText(grid, 2), arabic ? QString::fromUtf8("باء") : "B");
        auto* third = dynamic_cast<PlayerListCollectionViewCell*>(grid.cellForItem({2, 1}));
        ASSERT_NE(third, nullptr);
        EXPECT_EQ(third->nameLabel()->text(), arabic ? QString::fromUtf8("ب") : "Bee");
        EXPECT_TRUE(screen->noDataLabel()->isHidden());
        EXPECT_FALSE(grid.isHidden());
    }
}

TEST_F(SquadScreen, AnEmptySquadOrAFailedLoadEndsInTheNoDataLabel)
{
    const struct {
        const char* name;
        ScriptedAnswer answer;
    } cases[] = {
        {"empty list", ScriptedAnswer::json(200, R"({"data":[]})")},
        {"no data", ScriptedAnswer::json(200, R"({"meta":{}})")},
        {"null data", ScriptedAnswer::json(200, R"({"data":null})")},
        {"not a squad", ScriptedAnswer::json(200, R"({"data":[1,2]})")},
        {"server error", ScriptedAnswer::json(500, R"({"message":"down"})")},
        {"not JSON", ScriptedAnswer::text(200, "<html>")},
        {"connection dropped", ScriptedAnswer::dropped()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SquadScreenHarness local;
        local.service.answer(squadPath, c.answer);
        auto screen = local.open("empty");
        EXPECT_TRUE(ProgressHUD::isVisible());
        ASSERT_TRUE(local.waitUntilLoaded());
        EXPECT_FALSE(screen->noDataLabel()->isHidden());
        EXPECT_TRUE(screen->playerListCollectionView()->isHidden());
        EXPECT_TRUE(screen->sortedSections().empty());
        EXPECT_TRUE(screen->standingDictData().empty());
    }
}

TEST_F(SquadScreen, WithoutATeamIdNothingIsAskedAndNoOverlayShown)
{
    auto screen = harness.open("", TeamData{.en_name = "Nameless"});
    EXPECT_FALSE(ProgressHUD::isVisible());
    spinFor(100ms);
    EXPECT_EQ(harness.service.requestCount(), 0);
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(screen->noDataLabel()->isHidden());
    EXPECT_EQ(screen->playerListCollectionView()->numberOfSections(), 0);
    EXPECT_EQ(screen->title(), "NAMELESS");

    const LayerStyle& icon = screen->countryIcon()->layerStyle();
    EXPECT_DOUBLE_EQ(icon.cornerRadius, 17.5);
    EXPECT_DOUBLE_EQ(icon.borderWidth, 1.0);
    EXPECT_EQ(icon.borderColor, QColor(Qt::white));
    EXPECT_TRUE(icon.masksToBounds);
}

TEST_F(SquadScreen, TitlesTheTeamInTheCurrentLanguageInCapitals)
{
    const TeamData both{.ar_name = "الريان", .en_name = "Al-Rayyan sc"};
    const TeamData englishOnly{.en_name = "Al-Rayyan sc"};
    const struct {
        const char* language;
        std::optional<TeamData> team;
        QString title;
    } cases[] = {
        {"en-US", both, "AL-RAYYAN SC"},
        {"fr", both, "AL-RAYYAN SC"},
        {"ar-QA", both, QString::fromUtf8("الريان")},
        {"ar", englishOnly, ""},
        {"en", TeamData{}, ""},
        {"en", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        PreferredLanguage preferred(c.language);
        auto screen = harness.open("", c.team);
        EXPECT_EQ(screen->title(), c.title) << c.language;
        EXPECT_EQ(harness.navigation.topViewController(), screen);
        harness.navigation.popViewController(false);
    }
}

TEST_F(SquadScreen, AScreenLeftBeforeItsAnswerStillEndsTheOverlayAndIsThenReleased)
{
    const struct {
        const char* name;
        ScriptedAnswer answer;
    } cases[] = {
        {"squad", ScriptedAnswer::json(200, squadJson({{.enName = "A B", .positionEn = "Defender"}})).after(200ms)},
        {"empty", ScriptedAnswer::json(200, R"({"data":[]})").after(200ms)},
        {"failure", ScriptedAnswer::json(503, "{}").after(200ms)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        harness.service.answer(squadPath, c.answer);
        harness.service.clearRequests();
        auto screen = harness.open("late");
        const std::weak_ptr<PlayerListViewController> watched = screen;
        ASSERT_TRUE(waitUntil([&] { return harness.service.requestCount() == 1; }));
        harness.navigation.popViewController(true);
        screen.reset();
        EXPECT_FALSE(watched.expired()) << "the pending request holds the screen";
        EXPECT_TRUE(ProgressHUD::isVisible());
        ASSERT_TRUE(waitUntil([&] { return watched.expired(); }));
        EXPECT_FALSE(ProgressHUD::isVisible());
    }
}

TEST_F(SquadScreen, AnswersTheFlowLayoutSizesAndLaysOutTwoCardsARow)
{
    answer(squadJson({{.enName = "A B", .positionEn = "Defender"}, {.enName = "C D", .positionEn = "Defender"},
        {.enName = "E F", .positionEn = "Defender"}}));
    auto screen = harness.open("sizes");
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView& grid = *screen->playerListCollectionView();
    grid.resize(375, grid.height());
    grid.layoutIfNeeded();
    EXPECT_EQ(screen->sizeForItemAt(grid, {0, 0}), QSizeF(343, 68));
    EXPECT_EQ(screen->referenceSizeForHeaderInSection(grid, 0), QSizeF(375, 42));

    const LayoutFrames frames = PlayerListViewController::createLayout().frames(QSizeF(375, 667), std::vector<int>{3});
    const double rowHeight = 375.0 * 31.0 / 55.0;
    const auto header = frames.supplementaryFrame(CollectionView::elementKindSectionHeader(), 0);
    ASSERT_TRUE(header);
    EXPECT_EQ(*header, QRectF(0, 0, 375, 44));
    const QRectF expected[] = {
        {5, 44 + 5, 187.5 - 10, rowHeight - 10},
        {187.5 + 5, 44 + 5, 187.5 - 10, rowHeight - 10},
        {5, 44 + rowHeight + 5, 187.5 - 10, rowHeight - 10},
    };
    for (int item = 0; item < 3; ++item) {
        const auto frame = frames.itemFrame({0, item});
        ASSERT_TRUE(frame);
        EXPECT_NEAR(frame->x(), expected[item].x(), 1e-9) << item;
        EXPECT_NEAR(frame->y(), expected[item].y(), 1e-9) << item;
        EXPECT_NEAR(frame->width(), expected[item].width(), 1e-9) << item;
        EXPECT_NEAR(frame->height(), expected[item].height(), 1e-9) << item;
    }
}

// Eight sections of six cards, far taller than the window: scrolling down and back up hands
// every header and card to other sections and players, and each must show its own.
TEST_F(SquadScreen, ReusedHeadersAndCardsShowTheirOwnSectionAndPlayer)
{
    const std::vector<std::optional<std::string>> positions{
        std::nullopt, "Defender", "Forward", "Goalkeeper", "Midfielder", "Sweeper", "Wing-back", "Winger"};
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 48; ++k) {
        PlayerSpec spec{.id = std::to_string(k), .enName = "First" + std::to_string(k) + " Last" + std::to_string(k)};
        if (k % 4 != 3)
            spec.number = k;
        spec.country = k % 2 ? "Qatar" : "Argentina ";
        spec.positionEn = positions[std::size_t(k) % positions.size()];
        players.push_back(spec);
    }
    answer(squadJson(players));
    auto screen = harness.open("long");
    ASSERT_TRUE(harness.waitUntilLoaded());
    CollectionView& grid = *screen->playerListCollectionView();
    grid.layoutIfNeeded();
    ASSERT_EQ(grid.numberOfSections(), 8);

    std::map<const QWidget*, std::set<std::pair<int, int>>> placesOfCell;
    std::map<const QWidget*, std::set<int>> sectionsOfHeader;
    const auto checkVisible = [&] {
        for (const IndexPath& place : grid.indexPathsForVisibleItems()) {
            const int k = place.section + 8 * place.item;  // player k sits in section k % 8
            auto* cell = dynamic_cast<PlayerListCollectionViewCell*>(grid.cellForItem(place));
            ASSERT_NE(cell, nullptr);
            placesOfCell[cell].insert({place.section, place.item});
            EXPECT_EQ(cell->nameLabel()->text(), "First" + QString::number(k));
            EXPECT_EQ(cell->lastNameLabel()->text(), "LAST" + QString::number(k));
            EXPECT_EQ(cell->shirtNoLabel()->optionalText(),
                k % 4 != 3 ? std::optional<QString>(QString::number(k)) : std::nullopt);
            EXPECT_EQ(cell->containerView()->layerStyle().backgroundColor,
                QColor(k % 2 ? QColor(157, 6, 32) : QColor(139, 211, 245)));
        }
        for (int section = 0; section < 8; ++section) {
            const QWidget* header = grid.supplementaryView(CollectionView::elementKindSectionHeader(), {section, 0});
            if (!header || !header->isVisible())
                continue;
            sectionsOfHeader[header].insert(section);
            const auto& name = positions[std::size_t(section)];
            EXPECT_EQ(headerText(grid, section), name ? QString::fromStdString(*name).toUpper() : QString())
                << "section " << section;
        }
    };
    const int bottom = grid.verticalScrollBar()->maximum();
    ASSERT_GT(bottom, 3 * grid.height());
    for (int offset = 0; offset <= bottom; offset += 97) {
        grid.verticalScrollBar()->setValue(offset);
        grid.layoutIfNeeded();
        checkVisible();
    }
    for (int offset = bottom; offset >= 0; offset -= 89) {
        grid.verticalScrollBar()->setValue(offset);
        grid.layoutIfNeeded();
        checkVisible();
    }
    const auto reused = [](const auto& uses) {
        return std::any_of(uses.begin(), uses.end(), [](const auto& entry) { return entry.second.size() > 1; });
    };
    EXPECT_TRUE(reused(placesOfCell)) << "the cards were not reused; the test shows nothing";
    EXPECT_TRUE(reused(sectionsOfHeader)) << "the headers were not reused; the test shows nothing";
    EXPECT_LT(placesOfCell.size(), 48u);
}

} // namespace
} // namespace lanterncrest::test
