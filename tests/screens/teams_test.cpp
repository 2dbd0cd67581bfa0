#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScrollBar>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

#include "api/hex_color.h"
#include "platform/ui/label.h"
#include "screens/teams/polygon_path.h"
#include "screens/teams/scoreboard_banner.h"
#include "screens/teams/season_teams_view_controller.h"
#include "screens/teams/team_collection_view_cell.h"
#include "tests/screens/screen_fixtures.h"
#include "tests/support/console_capture.h"
#include "tests/support/empty_records.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

QByteArray teamsAnswer(int count)
{
    QByteArrayList items;
    for (int i = 0; i < count; ++i)
        items << R"({"id":"t)" + QByteArray::number(i) + R"(","en_name":"Team )"
                        + QByteArray::number(i) + R"("})";
    return R"({"data":[)" + items.join(',') + "]}";
}

// The entry screen against the process's service, shown at 375 by 667 points.
class EntryScreen : public ::testing::Test
{
protected:
    void SetUp() override { service.clearRequests(); }
    void TearDown() override { ProgressHUD::dismiss(); }
    static std::shared_ptr<SeasonTeamsViewController> show()
    {
        auto screen = SeasonTeamsViewController::viewController();
        screen->view()->resize(375, 667);
        screen->view()->show();
        return screen;
    }
    LoopbackService &service = screenService();
};

// One request goes out 10 ms after the view loads; the overlay shows until its answer fills four
// rows of three.
TEST_F(EntryScreen, TenTeamsLoadOnceBehindTheOverlayIntoFourRowsOfThreeAt375Points)
{
    service.answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(10)).after(200ms));
    QElapsedTimer sinceLoad;
    sinceLoad.start();
    auto screen = show();
    qint64 arrivedAfter = -1;
    QObject::connect(&service, &LoopbackService::requestReceived, screen->view(),
                     [&] { arrivedAfter = sinceLoad.elapsed(); });
    ASSERT_TRUE(waitUntil([&] { return arrivedAfter >= 0; }));
    EXPECT_GE(arrivedAfter, 10);
    EXPECT_TRUE(ProgressHUD::isVisible());
    CollectionView &grid = *screen->teamsCollectionView();
    EXPECT_EQ(grid.numberOfItemsInSection(0), 0);
    ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); }));
    ASSERT_EQ(screen->teams().size(), 10u);
    grid.layoutIfNeeded();
    ASSERT_EQ(grid.width(), 375);
    const double row = 375.0 * 5 / 11;
    const struct
    {
        int item;
        double x, y;
    } places[] = { { 0, 5, 5 }, { 2, 255, 5 }, { 3, 5, row + 5 }, { 9, 5, 3 * row + 5 } };
    for (const auto &p : places) {
        const auto frame = grid.layoutFrames().itemFrame({ 0, p.item });
        ASSERT_TRUE(frame) << p.item;
        EXPECT_NEAR(frame->x(), p.x, 1e-9) << p.item;
        EXPECT_NEAR(frame->y(), p.y, 1e-9) << p.item;
        EXPECT_NEAR(frame->width(), 115, 1e-9) << p.item;
        EXPECT_NEAR(frame->height(), 160.45454545454545, 1e-9) << p.item;
    }
    EXPECT_NEAR(grid.layoutFrames().contentHeight(), 4 * row, 1e-9);
    spinFor(100ms);
    ASSERT_EQ(service.requestCount(), 1);
    EXPECT_EQ(service.requests()[0].target, teamsPath);
}

TEST_F(EntryScreen, TenThousandTeamsKeepOnlyTheCellsNearTheVisibleArea)
{
    const ConsoleCapture quiet; // the client prints the whole answer
    service.answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(10000)));
    auto screen = show();
    ASSERT_TRUE(waitUntil(
            [&] { return screen->teams().size() == 10000 && !ProgressHUD::isVisible(); }));
    CollectionView &grid = *screen->teamsCollectionView();
    grid.layoutIfNeeded();
    // The 667 points shown and a quarter of them above and below, in rows of three.
    const double row = 375.0 * 5 / 11;
    const auto bound = 3 * (qsizetype(std::ceil(667 * 1.5 / row)) + 1);
    QScrollBar *bar = grid.verticalScrollBar();
    for (const int value : { 0, bar->maximum() / 2, bar->maximum() }) {
        bar->setValue(value);
        grid.layoutIfNeeded();
        EXPECT_LE(grid.viewport()->findChildren<TeamCollectionViewCell *>().size(), bound)
                << "at " << value;
        const auto visible = grid.indexPathsForVisibleItems();
        ASSERT_FALSE(visible.empty()) << "at " << value;
        for (const IndexPath &place : visible) {
            const auto *cell = static_cast<TeamCollectionViewCell *>(grid.cellForItem(place));
            EXPECT_EQ(cell->teamName()->text(), "TEAM " + QString::number(place.item));
        }
    }
    EXPECT_EQ(grid.indexPathsForVisibleItems().back(), (IndexPath{ 0, 9999 }));
}

TEST_F(EntryScreen, AFailedLoadTakesTheOverlayDownAndKeepsTheGridEmpty)
{
    for (const ScriptedAnswer &failure :
         { ScriptedAnswer::text(500, "<html>down</html>"),
           ScriptedAnswer::json(200, R"({"data":[{"id":7}]})"), ScriptedAnswer::dropped(),
           ScriptedAnswer::json(
                   200,
                   QByteArray::fromStdString(listAnswer(recordsPastTheBudget<TeamData>()))) }) {
        service.clearRequests();
        service.answer(teamsPath, failure);
        auto screen = show();
        ASSERT_TRUE(waitUntil([&] {
            return service.requestCount() > 0 && !ProgressHUD::isVisible();
        })) << failure.body.left(100).toStdString();
        screen->teamsCollectionView()->layoutIfNeeded();
        EXPECT_EQ(screen->teamsCollectionView()->numberOfItemsInSection(0), 0);
    }
}

// Right to left both grids mirror, whether the direction was set before the screen opened or
// while it shows: the first card at the top right, a lone last card at the right. Left to right
// they keep the left.
TEST(Grids, TheLeadingEdgeFollowsTheApplicationsLayoutDirection)
{
    const auto leftToRightAgain =
            qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    using Open = std::function<CollectionView *(SquadScreenHarness &)>;
    const Open teams = [](SquadScreenHarness &harness) {
        harness.service.answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(10)));
        auto screen = SeasonTeamsViewController::viewController();
        harness.navigation.setRootViewController(screen);
        return waitUntil([&] { return screen->teams().size() == 10 && !ProgressHUD::isVisible(); })
                ? screen->teamsCollectionView()
                : nullptr;
    };
    const Open squad = [](SquadScreenHarness &harness) {
        // A Defender section of three cards and a Keeper section of one.
        harness.answer(squadJson({ { .enName = "A One", .positionEn = "Defender" },
                                   { .enName = "B Two", .positionEn = "Keeper" },
                                   { .enName = "C Three", .positionEn = "Defender" },
                                   { .enName = "D Four", .positionEn = "Defender" } }));
        auto screen = harness.open("mirrored");
        return harness.waitUntilLoaded() ? screen->playerListCollectionView() : nullptr;
    };
    const struct
    {
        const char *grid;
        Open open;
        IndexPath first, lone;
        Qt::LayoutDirection opened;
    } cases[] = {
        { "teams", teams, { 0, 0 }, { 0, 9 }, Qt::LeftToRight },
        { "teams", teams, { 0, 0 }, { 0, 9 }, Qt::RightToLeft },
        { "squad", squad, { 0, 0 }, { 0, 2 }, Qt::LeftToRight },
        { "squad", squad, { 0, 0 }, { 1, 0 }, Qt::RightToLeft },
    };
    for (const auto &c : cases) {
        QGuiApplication::setLayoutDirection(c.opened);
        SquadScreenHarness harness;
        CollectionView *grid = c.open(harness);
        ASSERT_NE(grid, nullptr) << c.grid;
        const Qt::LayoutDirection changed =
                c.opened == Qt::LeftToRight ? Qt::RightToLeft : Qt::LeftToRight;
        for (const Qt::LayoutDirection direction : { c.opened, changed }) {
            QGuiApplication::setLayoutDirection(direction);
            grid->layoutIfNeeded();
            const bool rtl = direction == Qt::RightToLeft;
            for (const IndexPath &place : { c.first, c.lone }) {
                const QWidget *cell = grid->cellForItem(place);
                ASSERT_NE(cell, nullptr) << c.grid << " " << place.section << "." << place.item;
                const QRect at = cell->geometry();
                const int leadingGap =
                        rtl ? grid->viewport()->width() - (at.x() + at.width()) : at.x();
                EXPECT_NEAR(leadingGap, 5, 1)
                        << c.grid << (rtl ? " right to left " : " left to right ") << place.item;
                EXPECT_EQ(grid->indexPathForItemAt(at.center()), place) << c.grid;
            }
        }
    }
}

TeamData team(std::optional<std::string> ar, std::optional<std::string> en,
              std::optional<QString> logo = {})
{
    TeamData result{ .ar_name = std::move(ar), .en_name = std::move(en) };
    if (logo)
        result.image = Image{ ImageData{ .thumb = logo->toStdString() } };
    return result;
}

TEST(TeamCell, TheNameFollowsTheLanguageInCapitalsWithoutFallback)
{
    const auto cell = fromNib<TeamCollectionViewCell>("TeamCollectionViewCell");
    const struct
    {
        QString language;
        TeamData team;
        std::optional<QString> shown;
    } cases[] = {
        { "ar-SA", team("الأسود الحمر", "Red Lions"), QString::fromUtf8("الأسود الحمر") },
        { "en", team("الأسود الحمر", "Red Lions"), "RED LIONS" },
        { "arz", team("الأسود الحمر", "Red Lions"), "RED LIONS" },
        { "AR", team("الأسود الحمر", "Red Lions"), "RED LIONS" },
        { "en-GB", team(std::nullopt, "Straße Eleven"), "STRASSE ELEVEN" },
        { "en", team("الأسود الحمر", std::nullopt), std::nullopt },
    };
    for (const auto &c : cases) {
        PreferredLanguage language(c.language);
        cell->configure(c.team);
        EXPECT_EQ(cell->teamName()->optionalText(), c.shown) << c.language.toStdString();
    }
}

// Each team hands its logo, or none, to the image loader, whose own tests prove that cells of one
// logo share a request and that a late answer never lands on a newer one.
TEST(TeamCell, AReusedCellWithoutALogoShowsThePlaceholderNotThePreviousLogo)
{
    LoopbackService service;
    service.answer("/lions.png", pngAnswer(Qt::red));
    const auto cell = fromNib<TeamCollectionViewCell>("TeamCollectionViewCell");
    cell->configure(team("أ", "Lions", service.url("lions.png")));
    ASSERT_TRUE(waitUntil([&] { return shownColor(*cell->teamIcon()) == QColor(Qt::red); }));
    cell->configure(team("ب", "Eagles"));
    EXPECT_EQ(shownColor(*cell->teamIcon()), placeholderGreen);
}

TEST(TeamsHexagonPath, ASquareOf100WithCorners10IsPlacedAgainstTheTopLeft)
{
    const PolygonPath path = polygonPath(6, QRectF(0, 0, 100, 100), 5, 10, std::numbers::pi / 2);
    ASSERT_EQ(path.corners.size(), 6u);
    const struct
    {
        const char *what;
        QPointF actual, expected;
    } points[] = {
        { "start", path.start, { 37.141, 97.5 } },
        { "first side's end", path.corners[0].start, { 11.160, 82.5 } },
        { "first control point", path.corners[0].tip, { 2.5, 77.5 } },
        { "closes on its start", path.corners.back().end, path.start },
        { "bounds' size", QPointF(path.bounds().width(), path.bounds().height()), { 86.603, 100 } },
    };
    for (const auto &p : points) {
        EXPECT_NEAR(p.actual.x(), p.expected.x(), 0.001) << p.what;
        EXPECT_NEAR(p.actual.y(), p.expected.y(), 0.001) << p.what;
    }
}

TEST(TeamsScoreboardBanner, ANibBuildsItByClassNameWithItsAttributes)
{
    std::unique_ptr<QWidget> root(Nib(QStringLiteral("TeamsBannerProbe")).instantiate());
    auto *banner = root->findChild<ScoreboardBanner *>(QStringLiteral("banner"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(10, 10, 180, 40));
    EXPECT_EQ(banner->layerStyle().cornerRadius, 6);
    QImage shot(200, 100, QImage::Format_ARGB32);
    shot.fill(Qt::white);
    root->render(&shot, {}, {}, QWidget::DrawChildren);
    EXPECT_EQ(shot.pixelColor(100, 30), colorFromHexString("#9D0620"));
}

} // namespace
} // namespace lanterncrest::test
