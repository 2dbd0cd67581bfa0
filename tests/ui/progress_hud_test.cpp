#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/ui/progress_hud.h"
#include "platform/ui/progress_overlay.h"

namespace lanterncrest::test {
namespace {

QList<ProgressOverlay*> overlays()
{
    QList<ProgressOverlay*> found;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* overlay = qobject_cast<ProgressOverlay*>(widget))
            found << overlay;
    }
    return found;
}

class ProgressHUDTest : public ::testing::Test {
protected:
    void TearDown() override { ProgressHUD::dismiss(); }
};

TEST_F(ProgressHUDTest, ShowAndDismissAreIdempotent)
{
    QWidget window;
    window.resize(400, 300);
    window.show();

    EXPECT_FALSE(ProgressHUD::isVisible());
    ProgressHUD::show();
    ProgressHUD::show();
    EXPECT_TRUE(ProgressHUD::isVisible());
    ASSERT_EQ(overlays().size(), 1);
    ProgressOverlay* overlay = overlays().front();
    EXPECT_EQ(overlay->host(), &window);
    EXPECT_EQ(overlay->geometry(), window.rect());
    EXPECT_EQ(overlay->boxRect().center(), window.rect().center());

    ProgressHUD::dismiss();
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(overlays().isEmpty());
    ProgressHUD::dismiss();
    EXPECT_FALSE(ProgressHUD::isVisible());
}

TEST_F(ProgressHUDTest, FollowsItsWindowsSizeAndGoesWithIt)
{
    auto* window = new QWidget;
    window->resize(300, 200);
    window->show();
    ProgressHUD::show();
    window->resize(500, 260);
    ASSERT_EQ(overlays().size(), 1);
    EXPECT_EQ(overlays().front()->geometry(), QRect(0, 0, 500, 260));

    delete window;
    EXPECT_FALSE(ProgressHUD::isVisible());
    EXPECT_TRUE(overlays().isEmpty());
}

TEST_F(ProgressHUDTest, WithoutAWindowItShowsOnItsOwn)
{
    ProgressHUD::show();
    EXPECT_TRUE(ProgressHUD::isVisible());
    ASSERT_EQ(overlays().size(), 1);
    EXPECT_TRUE(overlays().front()->isWindow());
    EXPECT_TRUE(overlays().front()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

} // namespace
} // namespace lanterncrest::test
