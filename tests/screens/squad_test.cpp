#include <gtest/gtest.h>
#include <set>

#include "platform/ui/host_images.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_grouping.h"
#include "screens/teams/season_teams_view_controller.h"
#include "tests/screens/screen_fixtures.h"
#include "tests/support/empty_records.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QColor qatarRed(157, 6, 32), argentinaBlue(139, 211, 245), standardPink(237, 23, 79);

TEST(SquadGrouping, OneSectionPerPositionInScalarValueOrderKeepingTheAnswersOrder)
{
    using Sections = std::vector<std::pair<QString, std::vector<std::string>>>;
    const auto named = [](const char *id, std::optional<std::string> position) {
        return makePlayer({ .id = id, .positionEn = std::move(position) });
    };
    const struct
    {
        const char *name;
        std::vector<People> players;
        Sections expected;
    } cases[] = {
        { "answer order inside",
          { named("1", "B"), named("2", "A"), named("3", "B") },
          { { "A", { "2" } }, { "B", { "1", "3" } } } },
        { "empty key first",
          { named("1", "Defender"), named("2", std::nullopt), named("3", "") },
          { { "", { "2", "3" } }, { "Defender", { "1" } } } },
        { "case apart",
          { named("1", "x"), named("2", "X") },
          { { "X", { "2" } }, { "x", { "1" } } } },
        { "composed and decomposed",
          { named("1", "Lib\u00e9ro"), named("2", "Libe\u0301ro") },
          { { QString::fromUtf8("Lib\u00e9ro"), { "1", "2" } } } },
        { "beyond the basic plane last",
          { named("1", "\U0001d400"), named("2", "\uff21") },
          { { QString::fromUtf8("\uff21"), { "2" } },
            { QString::fromUtf8("\U0001d400"), { "1" } } } },
    };
    for (const auto &c : cases) {
        const PositionGroups grouped = groupByPosition(c.players);
        Sections actual;
        for (const QString &key : grouped.sortedKeys) {
            actual.emplace_back(key, std::vector<std::string>{});
            for (const People &p : grouped.groups.at(key))
                actual.back().second.push_back(p.id.value_or("?"));
        }
        EXPECT_EQ(actual, c.expected) << c.name;
    }
}

// A card and a section header reused from someone else show their own in the language.
TEST(SquadCard, ShowsNamesNumberPhotoAndColoursOfItsOwnPlayerUnderItsOwnPosition)
{
    const auto cell = fromNib<PlayerListCollectionViewCell>("PlayerListCollectionViewCell");
    const auto header = fromNib<PositionHeaderView>("PositionHeaderView");
    const PositionData keeper{ .ar_name = "حارس مرمى", .en_name = "Goalkeeper" };
    const QPixmap placeholder =
            HostImages::named(QStringLiteral("imageHorizontalPlaceHolderSmall"));
    ASSERT_FALSE(placeholder.isNull());
    const struct
    {
        const char *language;
        PlayerSpec player;
        std::optional<QString> first, last, number;
        QColor background, text;
        std::optional<PositionData> position;
        std::optional<QString> positionShown;
    } cases[] = {
        { "en-US",
          { .enName = "Lionel Andrés Messi",
            .arName = "ليونيل ميسي",
            .number = 10,
            .country = "Argentina " },
          "Lionel",
          "MESSI",
          "10",
          argentinaBlue,
          Qt::black,
          keeper,
          "GOALKEEPER" },
        { "ar-QA",
          { .enName = "Akram Afif", .arName = "أكرم عفيف", .number = 0, .country = "Qatar" },
          QString::fromUtf8("أكرم"),
          QString::fromUtf8("عفيف"),
          "0",
          qatarRed,
          Qt::white,
          keeper,
          QString::fromUtf8("حارس مرمى") },
        { "ar",
          { .enName = "Akram Afif", .number = 11, .country = "Argentina" },
          std::nullopt,
          std::nullopt,
          "11",
          standardPink,
          Qt::white },
        { "en",
          { .enName = "Thomas Müßig", .country = "qatar" },
          "Thomas",
          "MÜSSIG",
          std::nullopt,
          standardPink,
          Qt::white },
    };
    for (const auto &c : cases) {
        PreferredLanguage language(c.language);
        // A card that showed someone else first, black on blue with a number and his photo.
        cell->configure(makePlayer({ .enName = "Previous Player",
                                     .arName = "لاعب سابق",
                                     .number = 99,
                                     .country = "Argentina ",
                                     .thumb = "http://127.0.0.1:9/a.png" }));
        cell->playerPhoto()->setImage(QPixmap(4, 4));
        People player = makePlayer(c.player);
        player.shirt_number = 5; // the club's number is never the one shown
        cell->configure(player);
        const std::string where = std::string(c.language) + " " + c.player.enName.value_or("");
        EXPECT_EQ(cell->nameLabel()->optionalText(), c.first) << where;
        EXPECT_EQ(cell->lastNameLabel()->optionalText(), c.last) << where;
        EXPECT_EQ(cell->shirtNoLabel()->optionalText(), c.number) << where;
        EXPECT_EQ(cell->containerView()->layerStyle().backgroundColor, c.background) << where;
        EXPECT_EQ(cell->playerPhoto()->image().toImage(), placeholder.toImage()) << where;
        for (const Label *text : { cell->nameLabel(), cell->lastNameLabel(), cell->shirtNoLabel() })
            EXPECT_EQ(text->palette().color(text->foregroundRole()), c.text) << where;
        header->configure(keeper);
        header->configure(c.position);
        EXPECT_EQ(header->positionName()->optionalText(), c.positionShown) << where;
    }
}

TEST(SquadScreen, AnEmptySquadOrAFailedLoadEndsLoadingInTheNoDataLabel)
{
    for (const ScriptedAnswer &answer :
         { ScriptedAnswer::json(200, R"({"data":[]})"),
           ScriptedAnswer::json(200, R"({"data":[1,2]})"),
           ScriptedAnswer::json(500, R"({"message":"down"})"), ScriptedAnswer::dropped(),
           ScriptedAnswer::json(
                   200, QByteArray::fromStdString(listAnswer(recordsPastTheBudget<People>()))) }) {
        SquadScreenHarness harness;
        harness.service.answer(squadPath, answer);
        auto screen = harness.open("empty");
        EXPECT_TRUE(ProgressHUD::isVisible());
        ASSERT_TRUE(harness.waitUntilLoaded()) << answer.body.left(100).toStdString();
        EXPECT_FALSE(screen->noDataLabel()->isHidden());
        EXPECT_EQ(screen->noDataLabel()->visibleLines(),
                  QStringList{ "No players to show" }); // whole, not cut
        EXPECT_TRUE(screen->playerListCollectionView()->isHidden());
    }
}

// Opened without a team id, as these are, the screen asks for nothing and shows no overlay.
TEST(SquadScreen, TitlesTheTeamInTheLanguageInCapitalsAndAsksNothingWithoutATeamId)
{
    SquadScreenHarness harness;
    const TeamData both{ .ar_name = "الريان", .en_name = "Al-Rayyan sc" };
    const struct
    {
        const char *language;
        std::optional<TeamData> team;
        QString title;
    } cases[] = {
        { "en-US", both, "AL-RAYYAN SC" },
        { "ar-QA", both, QString::fromUtf8("الريان") },
        { "ar", TeamData{ .en_name = "Al-Rayyan sc" }, "" },
    };
    for (const auto &c : cases) {
        PreferredLanguage preferred(c.language);
        EXPECT_EQ(harness.open("", c.team)->title(), c.title) << c.language;
    }
    spinFor(100ms);
    EXPECT_EQ(harness.service.requestCount(), 0);
    EXPECT_FALSE(ProgressHUD::isVisible());
}

// A tap on a team opens its squad, which shows each card's own player while scrolling, and a
// tap on a card opens that player's profile, each with the host's delegate.
TEST(SquadScreen, ATappedTeamsSquadShowsItsPlayersInSortedSectionsAndATapOpensThatPlace)
{
    SquadScreenHarness harness;
    harness.service.answer(
            teamsPath,
            ScriptedAnswer::json(
                    200,
                    R"({"data":[{"id":"team-a","en_name":"A"},{"id":"team c/7","en_name":"Team C"}]})"));
    // Eight sections of six cards, far taller than the window, in the answer's order.
    const std::vector<std::optional<std::string>> positions{ std::nullopt, "Defender",   "Forward",
                                                             "Goalkeeper", "Midfielder", "Sweeper",
                                                             "Wing-back",  "Winger" };
    std::vector<PlayerSpec> players;
    for (int k = 0; k < 48; ++k)
        players.push_back({ .id = std::to_string(k),
                            .enName = "First" + std::to_string(k) + " Last" + std::to_string(k),
                            .number = k % 4 != 3 ? std::optional<std::int64_t>(k) : std::nullopt,
                            .country = k % 2 ? "Qatar" : "Argentina ",
                            .positionEn = positions[std::size_t(k) % 8] });
    harness.answer(squadJson(players));
    auto host = std::make_shared<RecordingHost>();
    auto teams = SeasonTeamsViewController::viewController();
    teams->setDelegate(host);
    harness.navigation.setRootViewController(teams);
    ASSERT_TRUE(waitUntil([&] { return teams->teams().size() == 2 && !ProgressHUD::isVisible(); }));
    teams->teamsCollectionView()->layoutIfNeeded();
    auto squad = harness.tap<PlayerListViewController>(*teams->teamsCollectionView(), { 0, 1 });
    ASSERT_NE(squad, nullptr);
    EXPECT_EQ(squad->delegate().lock(), host);
    ASSERT_TRUE(harness.waitUntilLoaded());
    ASSERT_EQ(harness.service.requestCount(squadPath), 1);
    EXPECT_EQ(harness.service.requests().back().target,
              "/v1/team-players-in-current-season?id=team%20c%2F7&season_id=4jgw0ek6ajq3m5ya");

    // Scrolling down and back up hands every header and card to other sections and players,
    // and each must show its own.
    CollectionView &grid = *squad->playerListCollectionView();
    grid.layoutIfNeeded();
    ASSERT_EQ(grid.numberOfSections(), 8);
    // Fewer widgets than places seen: they were reused, else the test would show nothing.
    std::set<const QWidget *> cells, headers;
    std::set<std::pair<int, int>> places;
    std::set<int> sections;
    const int bottom = grid.verticalScrollBar()->maximum();
    ASSERT_GT(bottom, 3 * grid.height());
    for (int step = 0; step <= 2 * bottom; step += 97) {
        grid.verticalScrollBar()->setValue(step <= bottom ? step : 2 * bottom - step);
        grid.layoutIfNeeded();
        for (const IndexPath &place : grid.indexPathsForVisibleItems()) {
            const int k = place.section + 8 * place.item; // player k sits in section k % 8
            auto *cell = dynamic_cast<PlayerListCollectionViewCell *>(grid.cellForItem(place));
            ASSERT_NE(cell, nullptr);
            cells.insert(cell);
            places.insert({ place.section, place.item });
            EXPECT_EQ(cell->lastNameLabel()->text(), "LAST" + QString::number(k));
            EXPECT_EQ(cell->shirtNoLabel()->optionalText(),
                      k % 4 != 3 ? std::optional<QString>(QString::number(k)) : std::nullopt);
        }
        for (int section = 0; section < 8; ++section) {
            auto *header = sectionHeader(grid, section);
            if (!header || !header->isVisible())
                continue;
            headers.insert(header);
            sections.insert(section);
            const auto &name = positions[std::size_t(section)];
            EXPECT_EQ(header->positionName()->text(),
                      name ? QString::fromStdString(*name).toUpper() : QString());
        }
    }
    EXPECT_LT(cells.size(), places.size());
    EXPECT_LT(headers.size(), sections.size());

    // The grid is scrolled to the card first, as a finger would.
    const auto frame = grid.layoutFrames().itemFrame({ 3, 2 });
    ASSERT_TRUE(frame);
    grid.verticalScrollBar()->setValue(qRound(frame->top()) - 20);
    grid.layoutIfNeeded();
    auto profile = harness.tap(grid, { 3, 2 });
    ASSERT_NE(profile, nullptr) << "no profile was pushed";
    EXPECT_EQ(profile->playerObject(), makePlayer(players[19])) << "the third goalkeeper";
    EXPECT_EQ(profile->delegate().lock(), host);
}

// The largest squads the service could send still show, each player in its position's section.
TEST(SquadScreen, AHundredThousandNamedPlayersWithPositionsShowInTheirSections)
{
    constexpr int count = 100'000;
    const char *const positions[] = { "Defender", "Forward", "Goalkeeper", "Midfielder" };
    std::string json = R"({"data":[)";
    for (int k = 0; k < count; ++k) {
        const std::string n = std::to_string(k);
        json += (k > 0 ? R"(,{"id":")" : R"({"id":")") + n + R"(","en_name":"First)" + n + " Last"
                + n + R"(","ar_name":"لاعب )" + n + R"(","position":{"data":{"id":")"
                + std::to_string(k % 4) + R"(","ar_name":"مركز","en_name":")" + positions[k % 4]
                + R"("}}})";
    }
    SquadScreenHarness harness;
    harness.answer(QByteArray::fromStdString(json + "]}"));
    auto screen = harness.open("hundred-thousand");
    ASSERT_TRUE(harness.waitUntilLoaded());
    EXPECT_TRUE(screen->noDataLabel()->isHidden());
    CollectionView &grid = *screen->playerListCollectionView();
    ASSERT_FALSE(grid.isHidden());
    grid.layoutIfNeeded();
    ASSERT_EQ(grid.numberOfSections(), 4);
    for (int section = 0; section < 4; ++section)
        EXPECT_EQ(grid.numberOfItemsInSection(section), count / 4) << positions[section];
    ASSERT_NE(sectionHeader(grid, 0), nullptr);
    EXPECT_EQ(sectionHeader(grid, 0)->positionName()->text(), "DEFENDER");
    auto *first = dynamic_cast<PlayerListCollectionViewCell *>(grid.cellForItem({ 0, 1 }));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->lastNameLabel()->text(), "LAST4"); // the second defender
}

TEST(SquadScreen, AScreenLeftBeforeItsAnswerEndsTheOverlayAndIsThenReleased)
{
    SquadScreenHarness harness;
    harness.service.answer(
            squadPath,
            ScriptedAnswer::json(200, squadJson({ { .enName = "A B", .positionEn = "Defender" } }))
                    .after(200ms));
    auto screen = harness.open("late");
    const std::weak_ptr<PlayerListViewController> watched = screen;
    ASSERT_TRUE(waitUntil([&] { return harness.service.requestCount() == 1; }));
    harness.navigation.popViewController(true);
    screen.reset();
    ASSERT_TRUE(waitUntil([&] { return watched.expired(); }));
    EXPECT_FALSE(ProgressHUD::isVisible());
}

} // namespace
} // namespace lanterncrest::test
