#include <QWidget>
#include <gtest/gtest.h>

#include "platform/ui/progress_hud.h"
#include "platform/ui/progress_overlay.h"

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

} // namespace
} // namespace lanterncrest::test
