#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <functional>
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

// A screen that is one button, counting its clicks; `onClick` runs on each.
class ButtonScreen : public ViewController
{
public:
    explicit ButtonScreen(const QString &title) { setTitle(title); }
    void viewDidLoad() override
    {
        auto *layout = new QHBoxLayout(view());
        auto *button = new QPushButton(title(), view());
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] {
            ++clicks;
            if (onClick)
                onClick();
        });
    }
    QPoint buttonIn(const QWidget &window) const
    {
        return centreIn(window, *viewIfLoaded()->findChild<QPushButton *>());
    }
    int clicks = 0;
    std::function<void()> onClick;
};

// A host's window: the navigation controller, and a button of the host's own beside it.
struct HostWindow
{
    HostWindow()
    {
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(navigation, 1);
        layout->addWidget(button);
        QObject::connect(button, &QPushButton::clicked, [this] {
            ++hostClicks;
            if (onHostClick)
                onHostClick();
        });
        window.resize(700, 600);
    }
    QPoint hostButton() const { return centreIn(window, *button); }
    std::shared_ptr<ButtonScreen> top() const
    {
        return std::dynamic_pointer_cast<ButtonScreen>(navigation->topViewController());
    }

    QWidget window;
    NavigationController *navigation = new NavigationController(&window);
    QPushButton *button = new QPushButton(QStringLiteral("Host"), &window);
    int hostClicks = 0;
    std::function<void()> onHostClick;
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
        const QPoint at = centreIn(navigation, back);
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

// The host's own widgets share the controller's window. A click on one acts at any time, even
// just after a click on the controller pushed a screen, while the rest of that click sequence
// still acts on nothing inside the controller.
TEST(Navigation, TheHostsWidgetsBesideTheControllerTakeEveryClick)
{
    using namespace std::chrono_literals;
    DoubleClickInterval interval(800ms);
    HostWindow host;
    auto teams = std::make_shared<ButtonScreen>("Teams");
    auto squad = std::make_shared<ButtonScreen>("Squad");
    teams->onClick = [&] { host.navigation->pushViewController(squad, true); };
    host.navigation->setRootViewController(teams);
    host.window.show();
    WindowPointer pointer(host.window);
    pointer.restPastADoubleClick();
    const QPoint open = teams->buttonIn(host.window);

    pointer.click(open);
    ASSERT_EQ(host.top(), squad);
    pointer.rest(100ms);
    pointer.click(host.hostButton());
    EXPECT_EQ(host.hostClicks, 1);
    pointer.click(open);
    EXPECT_EQ(squad->clicks, 0);
    pointer.restPastADoubleClick();
    pointer.click(open);
    EXPECT_EQ(squad->clicks, 1);
}

// A push, a pop or a new root that no click on the controller made, whether the host's code or
// a click on the host's own button made it, drops nothing: the screen it shows takes a click at
// once.
TEST(Navigation, AScreenShownWithoutAClickOnTheControllerTakesAClickAtOnce)
{
    using namespace std::chrono_literals;
    DoubleClickInterval interval(400ms);
    using Change = std::function<void(NavigationController &, std::shared_ptr<ButtonScreen>)>;
    const Change push = [](NavigationController &navigation, std::shared_ptr<ButtonScreen> next) {
        navigation.pushViewController(std::move(next), true);
    };
    const struct
    {
        const char *name;
        bool byHostButton;
        Change change;
    } cases[] = {
        { "push by code", false, push },
        { "pop by code", false,
          [](NavigationController &navigation, auto) { navigation.popViewController(true); } },
        { "new root by code", false,
          [](NavigationController &navigation, std::shared_ptr<ButtonScreen> next) {
              navigation.setRootViewController(std::move(next));
          } },
        { "push by the host's button", true, push },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        HostWindow host;
        host.navigation->setRootViewController(std::make_shared<ButtonScreen>("Teams"));
        host.navigation->pushViewController(std::make_shared<ButtonScreen>("Squad"), false);
        auto next = std::make_shared<ButtonScreen>("Profile");
        host.onHostClick = [&] { c.change(*host.navigation, next); };
        host.window.show();
        WindowPointer pointer(host.window);
        pointer.restPastADoubleClick();
        // The controller was clicked before, just not within the interval.
        pointer.click(host.top()->buttonIn(host.window));
        ASSERT_EQ(host.top()->clicks, 1);
        pointer.restPastADoubleClick();

        const auto before = host.top();
        if (c.byHostButton)
            pointer.click(host.hostButton());
        else
            c.change(*host.navigation, next);
        const auto shown = host.top();
        ASSERT_NE(shown, before);
        pointer.rest(100ms);
        const int clicks = shown->clicks;
        pointer.click(shown->buttonIn(host.window));
        EXPECT_EQ(shown->clicks, clicks + 1);
    }
}

} // namespace
} // namespace lanterncrest::test
