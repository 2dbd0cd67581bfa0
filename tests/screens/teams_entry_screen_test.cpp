#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "platform/foundation/user_defaults.h"
#include "platform/ui/label.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "screens/teams/season_teams_view_controller.h"
#include "screens/teams/team_collection_view_cell.h"
#include "tests/support/loopback_service.h"
#include "tests/support/screen_service.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QByteArray teamsPath = "/v1/seasons/4jgw0ek6ajq3m5ya/teams";

QByteArray teamsAnswer(int count)
{
    QByteArray items;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            items += ',';
        const QByteArray n = QByteArray::number(i);
        items += R"({"id":"t)" + n + R"(","ar_name":"فريق )" + n + R"(","en_name":"Team )" + n + R"("})";
    }
    return R"({"data":[)" + items + "]}";
}

// The framework reads its base URL once per process: one loopback service serves the suite.
class TeamsEntryScreen : public ::testing::Test {
protected:
    // Shared with the other screen suites of the process.
    static void SetUpTestSuite() { service = &screenService(); }

    void SetUp() override
    {
        service->clearRequests();
        UserDefaults::standard().set(UserDefaults::appleLanguagesKey, QStringList{"en-US"});
    }
    void TearDown() override
    {
        ProgressHUD::dismiss();
        UserDefaults::standard().removeObject(UserDefaults::appleLanguagesKey);
    }

    // A fresh screen shown at 375 by 667 points, its view loaded.
    static std::shared_ptr<SeasonTeamsViewController> showScreen()
    {
        auto screen = SeasonTeamsViewController::viewController();
        screen->view()->resize(375, 667);
        screen->view()->show();
        return screen;
    }

    static inline LoopbackService* service = nullptr;
};

TEST_F(TeamsEntryScreen, TenTeamsFillFourRowsOfThreeAt375Points)
{
    service->answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(10)));
    auto screen = showScreen();
    ASSERT_TRUE(waitUntil([&] { return screen->teams().size() == 10; }));
    CollectionView& grid = *screen->teamsCollectionView();
    grid.layoutIfNeeded();
    ASSERT_EQ(grid.width(), 375);
    ASSERT_EQ(grid.numberOfItemsInSection(0), 10);

    const double rowHeight = 375.0 * 5 / 11;
    const struct {
        int item;
        double x, y;
    } places[] = {
        {0, 5, 5}, {1, 130, 5}, {2, 255, 5}, {3, 5, rowHeight + 5}, {8, 255, 2 * rowHeight + 5}, {9, 5, 3 * rowHeight + 5},
    };
    for (const auto& p : places) {
        const auto frame = grid.layoutFrames().itemFrame({0, p.item});
        ASSERT_TRUE(frame) << p.item;
        EXPECT_NEAR(frame->x(), p.x, 1e-9) << p.item;
        EXPECT_NEAR(frame->y(), p.y, 1e-9) << p.item;
        EXPECT_NEAR(frame->width(), 115, 1e-9) << p.item;
        EXPECT_NEAR(frame->height(), 160.45454545454545, 1e-9) << p.item;
    }
    EXPECT_NEAR(grid.layoutFrames().contentHeight(), 4 * rowHeight, 1e-9);

    auto* first = static_cast<TeamCollectionViewCell*>(grid.cellForItem({0, 0}));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->teamName()->text(), "TEAM 0");

    const QString dir = QStringLiteral(LANTERNCREST_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QImage shot = screen->view()->grab().toImage();
    shot.save(dir + QStringLiteral("/teams_entry_screen.png"));
    // The gap between two cards is the white of the screen; a card's middle holds its logo's
    // placeholder (green in the test bundle).
    EXPECT_EQ(shot.pixelColor(125, 80), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(62, 50), QColor(0, 200, 0));
}

TEST_F(TeamsEntryScreen, TheOverlayShowsWhileLoadingAndGoesWithTheAnswer)
{
    service->answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(3)).after(200ms));
    auto screen = showScreen();
    EXPECT_TRUE(ProgressHUD::isVisible());
    EXPECT_EQ(screen->teamsCollectionView()->numberOfItemsInSection(0), 0);
    ASSERT_TRUE(waitUntil([&] { return service->requestCount() == 1; }));
    EXPECT_TRUE(ProgressHUD::isVisible());
    ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); }));
    screen->teamsCollectionView()->layoutIfNeeded();
    EXPECT_EQ(screen->teamsCollectionView()->numberOfItemsInSection(0), 3);
}

TEST_F(TeamsEntryScreen, OneRequestGoesOutTenMillisecondsAfterTheViewLoads)
{
    service->answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(1)));
    auto screen = SeasonTeamsViewController::viewController();
    spinFor(50ms);
    EXPECT_EQ(service->requestCount(), 0); // nothing before the view loads

    QElapsedTimer sinceLoad;
    sinceLoad.start();
    screen->loadViewIfNeeded();
    qint64 arrivedAfter = -1;
    QObject::connect(service, &LoopbackService::requestReceived, screen->view(),
                     [&] { arrivedAfter = sinceLoad.elapsed(); });
    ASSERT_TRUE(waitUntil([&] { return arrivedAfter >= 0; }));
    EXPECT_GE(arrivedAfter, 10);
    spinFor(300ms);
    ASSERT_EQ(service->requestCount(), 1);
    EXPECT_EQ(service->requests()[0].method, "GET");
    EXPECT_EQ(service->requests()[0].target, teamsPath);
}

TEST_F(TeamsEntryScreen, EachScreenSendsItsOwnRequest)
{
    service->answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(2)));
    auto first = showScreen();
    auto second = showScreen();
    EXPECT_NE(first, second);
    ASSERT_TRUE(waitUntil([&] { return first->teams().size() == 2 && second->teams().size() == 2; }));
    spinFor(100ms);
    EXPECT_EQ(service->requestCount(), 2);
}

TEST_F(TeamsEntryScreen, AnAnswerWithoutTeamsShowsAnEmptyGrid)
{
    for (const QByteArray body : {R"({"data":[]})", R"({"data":null})", R"({})"}) {
        service->answer(teamsPath, ScriptedAnswer::json(200, body));
        auto screen = showScreen();
        ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); })) << body.toStdString();
        screen->teamsCollectionView()->layoutIfNeeded();
        EXPECT_EQ(screen->teamsCollectionView()->numberOfItemsInSection(0), 0) << body.toStdString();
    }
}

TEST_F(TeamsEntryScreen, AFailedLoadTakesTheOverlayDownAndKeepsTheGridEmpty)
{
    const ScriptedAnswer failures[] = {
        ScriptedAnswer::text(500, "<html>down</html>"),
        ScriptedAnswer::json(200, R"({"data":[{"id":7}]})"),
        ScriptedAnswer::dropped(),
    };
    for (const ScriptedAnswer& failure : failures) {
        service->answer(teamsPath, failure);
        auto screen = showScreen();
        ASSERT_TRUE(waitUntil([&] { return service->requestCount() > 0 && !ProgressHUD::isVisible(); }))
            << failure.body.toStdString();
        screen->teamsCollectionView()->layoutIfNeeded();
        EXPECT_EQ(screen->teamsCollectionView()->numberOfItemsInSection(0), 0);
        EXPECT_TRUE(screen->teams().empty());
        service->clearRequests();
    }
}

TEST_F(TeamsEntryScreen, APendingAnswerKeepsALetGoScreenUntilItIsHandled)
{
    service->answer(teamsPath, ScriptedAnswer::json(200, teamsAnswer(4)).after(100ms));
    auto screen = showScreen();
    std::weak_ptr<SeasonTeamsViewController> watch = screen;
    screen.reset();
    EXPECT_FALSE(watch.expired());
    ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); }));
    ASSERT_TRUE(waitUntil([&] { return watch.expired(); }));
}

struct RecordingDelegate : SeasonTeamsViewControllerDelegate {
    void viewPosts(const QString& forPlayer) override { posts << forPlayer; }
    void fololow(const QString& playerId) override { follows << playerId; }
    QStringList posts, follows;
};

TEST_F(TeamsEntryScreen, TheDelegateIsHeldWeakly)
{
    auto screen = SeasonTeamsViewController::viewController();
    EXPECT_TRUE(screen->delegate().expired());
    auto host = std::make_shared<RecordingDelegate>();
    screen->setDelegate(host);
    EXPECT_EQ(screen->delegate().lock(), host);
    host.reset();
    EXPECT_TRUE(screen->delegate().expired());
}

} // namespace
} // namespace lanterncrest::test
