#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "platform/ui/progress_overlay.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest::test {
namespace {

// One overlay covers the window until dismissed. Screens wait for answers: the overlay follows
// the newest one's view into its window and goes when the last wait ends, a destroyed view ending
// its own.
TEST(ProgressHUD, ShowsOneOverlayOverTheWindowWhileAnyScreenWaitsInIt)
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    ProgressHUD::show();
    ProgressHUD::show();
    EXPECT_TRUE(ProgressHUD::isVisible());
    const auto overlays = window.findChildren<ProgressOverlay *>();
    ASSERT_EQ(overlays.size(), 1);
    window.resize(500, 260);
    EXPECT_EQ(overlays.front()->geometry(), QRect(0, 0, 500, 260));
    EXPECT_EQ(overlays.front()->boxRect().center(), window.rect().center());

    ProgressHUD::dismiss();
    ProgressHUD::dismiss();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(window.findChildren<ProgressOverlay *>().isEmpty());

    auto *first = new QWidget;
    auto *second = new QWidget;
    ProgressHUD::showLoading(first);
    ProgressHUD::showLoading(second);
    EXPECT_EQ(second->findChildren<ProgressOverlay *>().size(), 1)
            << "a view outside any window holds it";
    second->setParent(&window);
    EXPECT_EQ(window.findChildren<ProgressOverlay *>().size(), 1);
    ProgressHUD::dismissLoading(second);
    ProgressHUD::dismissLoading(second);
    EXPECT_TRUE(ProgressHUD::isVisible()) << "the first view still waits";
    delete first;
    EXPECT_FALSE(ProgressHUD::isVisible());
}

// A screen that leaves its navigation controller, or whose view leaves its window, waits no
// more: the overlay leaves that window at once, and the screen's late end of its wait leaves the
// wait of a screen shown elsewhere alone.
TEST(ProgressHUD, AScreenWhoseViewLeavesItsWindowWaitsNoMore)
{
    using Navigation = std::unique_ptr<NavigationController>;
    const struct
    {
        const char *how;
        std::function<void(Navigation &)> leave;
    } cases[] = {
        { "popped", [](Navigation &navigation) { navigation->popViewController(true); } },
        { "root replaced",
          [](Navigation &navigation) {
              navigation->setRootViewController(std::make_shared<ViewController>());
          } },
        { "navigation destroyed", [](Navigation &navigation) { navigation.reset(); } },
        { "view taken out",
          [](Navigation &navigation) {
              navigation->topViewController()->view()->setParent(nullptr);
          } },
    };
    QWidget other;
    auto *otherView = new QWidget(&other);
    other.show();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        QWidget window;
        window.resize(400, 300);
        Navigation navigation =
                std::make_unique<NavigationController>(std::make_shared<ViewController>(), &window);
        window.show();
        ProgressHUD::showLoading(otherView);
        auto screen = std::make_shared<ViewController>();
        navigation->pushViewController(screen, false);
        ProgressHUD::showLoading(screen->view());
        ASSERT_EQ(window.findChildren<ProgressOverlay *>().size(), 1);

        c.leave(navigation);
        EXPECT_TRUE(window.findChildren<ProgressOverlay *>().isEmpty());
        EXPECT_EQ(other.findChildren<ProgressOverlay *>().size(), 1);
        ProgressHUD::dismissLoading(screen->view());
        EXPECT_TRUE(ProgressHUD::isVisible()) << "the other screen still waits";
        ProgressHUD::dismissLoading(otherView);
        EXPECT_FALSE(ProgressHUD::isVisible());
    }
}

} // namespace
} // namespace lanterncrest::test
