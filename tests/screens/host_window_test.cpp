// The screens hosted as the README shows: the entry screen is put into a navigation controller,
// which loads its view before the host sizes and shows the window.

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/progress_overlay.h"
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
