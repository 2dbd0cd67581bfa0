#include <QWidget>
#include <gtest/gtest.h>

#include "platform/ui/progress_hud.h"
#include "platform/ui/progress_overlay.h"

namespace lanterncrest::test {
namespace {

TEST(ProgressHUD, ShowsOneOverlayOverTheWindowUntilDismissed)
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    ProgressHUD::show();
    ProgressHUD::show();
    EXPECT_TRUE(ProgressHUD::isVisible());
    const auto overlays = window.findChildren<ProgressOverlay*>();
    ASSERT_EQ(overlays.size(), 1);
    window.resize(500, 260);
    EXPECT_EQ(overlays.front()->geometry(), QRect(0, 0, 500, 260));
    EXPECT_EQ(overlays.front()->boxRect().center(), window.rect().center());

    ProgressHUD::dismiss();
    ProgressHUD::dismiss();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(window.findChildren<ProgressOverlay*>().isEmpty());
}

} // namespace
} // namespace lanterncrest::test
