// The screens hosted as the README shows: the entry screen is put into a navigation controller,
// which loads its view before the host sizes and shows the window.

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/progress_overlay.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/season_teams_view_controller.h"
#include "tests/screens/screen_fixtures.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QString longName =
        QStringLiteral("Al-Rayyan Sports Club of the Western Districts and the Northern Coast");

class HostWindow : public ::testing::Test
{
protected:
    void SetUp() override { service.clearRequests(); }
    void TearDown() override { ProgressHUD::dismiss(); }

    // The window of a host, 375 points wide, once the entry screen has shown its two teams.
    void build(std::chrono::milliseconds teamsDelay = 0ms)
    {
        const QByteArray teams =
                teamsJson({ { .id = "host-a", .en_name = "Al-Rayyan" },
                            { .id = "host-b", .en_name = longName.toStdString() } });
        service.answer(teamsPath, ScriptedAnswer::json(200, teams).after(teamsDelay));
        window = std::make_unique<NavigationController>(entry);
        window->resize(375, 812);
        window->show();
    }
    bool waitUntilTeamsShown()
    {
        return waitUntil([&] { return entry->teams().size() == 2 && !ProgressHUD::isVisible(); });
    }
    // Taps the team's card and returns the squad screen that opened.
    std::shared_ptr<PlayerListViewController> tapTeam(int item)
    {
        CollectionView &grid = *entry->teamsCollectionView();
        grid.layoutIfNeeded();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.layoutFrames().itemFrame({ 0, item })->center().toPoint());
        return std::dynamic_pointer_cast<PlayerListViewController>(window->topViewController());
    }
    NavigationBar &bar() { return *window->navigationBar(); }
    // Clicks `at` in `widget` as the window system delivers a click: to whatever the window
    // shows under the pointer.
    void clickInWindow(QWidget &widget, QPoint at)
    {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          widget.mapTo(window.get(), at));
    }
    void clickTeam(int item)
    {
        CollectionView &grid = *entry->teamsCollectionView();
        grid.layoutIfNeeded();
        clickInWindow(*grid.viewport(),
                      grid.layoutFrames().itemFrame({ 0, item })->center().toPoint());
    }
    void clickBack() { clickInWindow(*bar().backButton(), bar().backButton()->rect().center()); }
    // A user's next click on a new screen comes later than a double-click would.
    static void pause()
    {
        spinFor(std::chrono::milliseconds(QGuiApplication::styleHints()->mouseDoubleClickInterval())
                + 100ms);
    }
    // The one overlay is a child of the host's window, covers it and is shown.
    bool overlayCoversTheWindow()
    {
        const auto inside = window->findChildren<ProgressOverlay *>();
        return inside.size() == 1 && inside.front()->isVisible()
                && inside.front()->geometry() == window->rect()
                && std::ranges::count_if(
                           QApplication::allWidgets(),
                           [](QWidget *w) { return qobject_cast<ProgressOverlay *>(w); })
                == 1;
    }

    LoopbackService &service = screenService();
    std::shared_ptr<SeasonTeamsViewController> entry = SeasonTeamsViewController::viewController();
    std::unique_ptr<NavigationController> window;
};

TEST_F(HostWindow, TheOverlayCoversTheHostsWindowUntilTheLastWaitingScreenIsAnswered)
{
    build(150ms);
    EXPECT_TRUE(overlayCoversTheWindow()) << "the entry screen loaded before the window was shown";
    ASSERT_TRUE(waitUntilTeamsShown());

    // Squad A's answer comes late, after the user has gone back and opened squad B.
    const QByteArray squad = squadJson({ { .enName = "A B", .positionEn = "Defender" } });
    service.enqueue(squadPath, ScriptedAnswer::json(200, squad).after(300ms));
    service.enqueue(squadPath, ScriptedAnswer::json(200, squad).after(900ms));
    std::weak_ptr<PlayerListViewController> a = tapTeam(0);
    ASSERT_TRUE(waitUntil([&] { return service.requestCount(squadPath) == 1; }));
    bar().backButton()->click();
    auto b = tapTeam(1);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(waitUntil([&] { return a.expired(); })) << "A's answer never came";
    EXPECT_TRUE(overlayCoversTheWindow()) << "B still waits";
    ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); }));
    b->playerListCollectionView()->layoutIfNeeded();
    EXPECT_EQ(b->playerListCollectionView()->numberOfSections(), 1);
    EXPECT_TRUE(window->findChildren<ProgressOverlay *>().isEmpty());
}

// Only a shown screen that waits holds the overlay: squad A, left before its slow answer,
// holds none over the grid or over squad B, and its late answer still fills its own views.
TEST_F(HostWindow, AScreenLeftWhileItWaitsHoldsNoOverlayAndItsLateAnswerStillFillsIt)
{
    const struct
    {
        const char *name;
        std::chrono::milliseconds bDelay;
    } cases[] = { { "B answers at once", 0ms }, { "B answers after A", 2500ms } };
    build();
    ASSERT_TRUE(waitUntilTeamsShown());
    pause();
    const QByteArray squadA = squadJson({ { .enName = "Ayla Aleph", .positionEn = "Defender" } });
    const QByteArray squadB = squadJson({ { .enName = "Bo Beth", .positionEn = "Forward" } });
    auto lastNameOfFirstCard = [](const PlayerListViewController &squad) {
        CollectionView &grid = *squad.playerListCollectionView();
        grid.layoutIfNeeded();
        const auto *card = dynamic_cast<PlayerListCollectionViewCell *>(grid.cellForItem({}));
        return card ? card->lastNameLabel()->text() : QString();
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        service.clearRequests();
        service.enqueue(squadPath, ScriptedAnswer::json(200, squadA).after(2000ms));
        service.enqueue(squadPath, ScriptedAnswer::json(200, squadB).after(c.bDelay));

        clickTeam(0);
        auto a = std::dynamic_pointer_cast<PlayerListViewController>(window->topViewController());
        ASSERT_NE(a, nullptr);
        EXPECT_TRUE(overlayCoversTheWindow()) << "A is shown and waits";
        ASSERT_TRUE(waitUntil([&] { return service.requestCount(squadPath) == 1; }));
        pause();
        clickBack();
        ASSERT_EQ(window->topViewController(), entry);
        EXPECT_FALSE(ProgressHUD::isVisible()) << "over the grid, which loads nothing";
        pause();
        clickTeam(1);
        auto b = std::dynamic_pointer_cast<PlayerListViewController>(window->topViewController());
        ASSERT_NE(b, nullptr);
        ASSERT_NE(b, a);

        if (c.bDelay == 0ms) {
            ASSERT_TRUE(waitUntil([&] { return lastNameOfFirstCard(*b) == "BETH"; }));
            ASSERT_TRUE(lastNameOfFirstCard(*a).isEmpty()) << "A's answer came too soon to tell";
            EXPECT_FALSE(ProgressHUD::isVisible()) << "over B, answered";
            saved(*window, "squad_b_after_a_was_left");
        }
        ASSERT_TRUE(waitUntil([&] { return lastNameOfFirstCard(*a) == "ALEPH"; }));
        EXPECT_EQ(ProgressHUD::isVisible(), c.bDelay != 0ms) << "after A's late answer";
        if (c.bDelay != 0ms) {
            EXPECT_TRUE(overlayCoversTheWindow()) << "B is shown and still waits";
            ASSERT_TRUE(waitUntil([&] { return lastNameOfFirstCard(*b) == "BETH"; }));
            EXPECT_FALSE(ProgressHUD::isVisible());
        }
        EXPECT_EQ(window->topViewController(), b);
        clickBack();
        pause();
    }
}

TEST_F(HostWindow, TheSquadsTitleIsCentredOrCutShortBesideTheBackButtonAndTheWindowKeepsItsWidth)
{
    service.answer(
            squadPath,
            ScriptedAnswer::json(200, squadJson({ { .enName = "A B" }, { .enName = "C D" } })));
    build();
    ASSERT_TRUE(waitUntilTeamsShown());
    for (int item : { 0, 1 }) {
        auto squad = tapTeam(item);
        ASSERT_TRUE(waitUntil([&] { return !ProgressHUD::isVisible(); }));
        const QString title = squad->title();
        const QRect shown = bar().titleLabel()->geometry(), back = bar().backButton()->geometry();
        EXPECT_FALSE(shown.intersects(back)) << item;
        EXPECT_TRUE(bar().rect().contains(shown)) << item;
        if (item == 0) {
            EXPECT_EQ(bar().titleLabel()->text(), title);
            EXPECT_NEAR(shown.center().x(), bar().rect().center().x(), 1);
        } else {
            const QString text = bar().titleLabel()->text();
            EXPECT_TRUE(text.endsWith(QChar(0x2026)) && title.startsWith(text.chopped(1)))
                    << text.toStdString();
            EXPECT_GT(shown.width(), bar().width() / 2);
            saved(bar(), "navigation_bar_long_title");
        }
        spinFor(50ms); // a layout request of the window would be handled now
        EXPECT_EQ(window->width(), 375) << item;
        CollectionView &grid = *squad->playerListCollectionView();
        grid.layoutIfNeeded();
        EXPECT_EQ(grid.width(), 375);
        for (const IndexPath &place : grid.indexPathsForVisibleItems())
            EXPECT_NEAR(grid.cellForItem(place)->width(), 375 / 2.0 - 10, 1) << item;
        bar().backButton()->click();
    }
}

} // namespace
} // namespace lanterncrest::test
