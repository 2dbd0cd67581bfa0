#include <QApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/navigation_bar.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/view_controller.h"
#include "tests/support/window_pointer.h"

namespace lanterncrest::test {
namespace {

// Records what its viewDidLoad() saw.
class TitledController : public ViewController
{
public:
    explicit TitledController(const QString &title) { setTitle(title); }
    void viewDidLoad() override
    {
        ++loads;
        loadedInside = navigationController();
    }
    int loads = 0;
    NavigationController *loadedInside = nullptr;
};

// Pushing loads the view inside the stack and back pops it, titles following. A back title too
// long for a third of the bar gives way to "Back"; the back button keeps the leading side in both
// directions and the title stays clear of it.
TEST(Navigation, PushAndBackKeepTheBackButtonLeadingAndALongBackTitleGivesWayToBack)
{
    const QString longTitle = QStringLiteral("A Club Whose Name Runs On Far Too Long For Any Bar");
    const struct
    {
        Qt::LayoutDirection direction;
        QString under;
        QString back;
        bool animated;
    } cases[] = {
        { Qt::LeftToRight, QStringLiteral("Teams"), QStringLiteral("‹ Teams"), true },
        { Qt::RightToLeft, QStringLiteral("Teams"), QStringLiteral("‹ Teams"), false },
        { Qt::LeftToRight, longTitle, QStringLiteral("‹ Back"), false },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.back.toStdString());
        NavigationController navigation(std::make_shared<TitledController>(c.under));
        navigation.setLayoutDirection(c.direction);
        navigation.resize(375, 600);
        navigation.show();
        NavigationBar &bar = *navigation.navigationBar();
        EXPECT_EQ(bar.title(), c.under);
        EXPECT_TRUE(bar.backButton()->isHidden());

        auto squad = std::make_shared<TitledController>(QStringLiteral("Squad"));
        EXPECT_FALSE(squad->isViewLoaded());
        navigation.pushViewController(squad, c.animated);
        EXPECT_EQ(squad->loads, 1);
        EXPECT_EQ(squad->loadedInside, &navigation);
        EXPECT_EQ(navigation.findChild<QStackedWidget *>()->currentWidget(), squad->viewIfLoaded());
        EXPECT_EQ(bar.title(), QStringLiteral("Squad"));
        const QRect back = bar.backButton()->geometry();
        EXPECT_EQ(bar.backButton()->text(), c.back);
        EXPECT_EQ(back.center().x() < bar.width() / 2, c.direction == Qt::LeftToRight);
        EXPECT_FALSE(bar.titleLabel()->geometry().intersects(back));
        EXPECT_NEAR(bar.titleLabel()->geometry().center().x(), bar.rect().center().x(), 1);

        std::weak_ptr<ViewController> watched = squad;
        squad.reset();
        bar.backButton()->click();
        EXPECT_EQ(navigation.viewControllers().size(), 1u);
        EXPECT_EQ(bar.title(), c.under);
        EXPECT_TRUE(bar.backButton()->isHidden());
        EXPECT_FALSE(watched.expired()); // the click is still being handled
        QApplication::processEvents();
        EXPECT_TRUE(watched.expired());
    }
}

// Each later click of a double- or triple-click on Back lands on the back button of the screen
// that appears, and must not pop it too. A press whose release never comes (the pointer left
// the window) keeps the window deaf no longer than the double-click interval.
TEST(Navigation, MoreClicksOnBackPopOneScreenAndLaterClicksActAgain)
{
    using namespace std::chrono_literals;
    DoubleClickInterval interval(400ms);
    const struct
    {
        int clicks;
        bool lastReleased;
    } cases[] = { { 2, true }, { 3, true }, { 2, false } };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.clicks << " clicks, last released " << c.lastReleased);
        NavigationController navigation(std::make_shared<TitledController>("Teams"));
        navigation.resize(375, 600);
        navigation.show();
        for (const char *title : { "Squad", "Profile", "Posts" })
            navigation.pushViewController(std::make_shared<TitledController>(title), false);
        WindowPointer pointer(navigation);
        pointer.restPastADoubleClick();
        const QToolButton &back = *navigation.navigationBar()->backButton();
        const QPoint at = back.mapTo(&navigation, back.rect().center());
        for (int k = 1; k <= c.clicks; ++k) {
            pointer.press(at);
            if (k < c.clicks || c.lastReleased)
                pointer.release(at);
        }
        EXPECT_EQ(navigation.viewControllers().size(), 3u);
        pointer.restPastADoubleClick();
        pointer.click(at);
        EXPECT_EQ(navigation.viewControllers().size(), 2u);
    }
}

} // namespace
} // namespace lanterncrest::test
