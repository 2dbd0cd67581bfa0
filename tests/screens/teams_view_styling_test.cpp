#include <QImage>
#include <gtest/gtest.h>
#include <memory>

#include "api/hex_color.h"
#include "platform/ui/nib.h"
#include "platform/ui/view.h"
#include "screens/teams/scene_delegate.h"
#include "screens/teams/scoreboard_banner.h"
#include "screens/teams/view_styling.h"

namespace lanterncrest::test {
namespace {

TEST(TeamsViewStyling, AShadowSetsEveryShadowValueAndStopsClipping)
{
    const struct {
        double blur;
        double radius;
    } blurs[] = {{6, 3}, {0, 0}, {1, 0.5}};
    for (const auto& b : blurs) {
        View view;
        view.changeLayerStyle([](LayerStyle& style) { style.masksToBounds = true; });
        const QColor grey = colorFromHexString("#d6d6d6");
        applyShadow(view, grey, 1.0f, 0, 2, b.blur);
        const LayerStyle& style = view.layerStyle();
        EXPECT_FALSE(style.masksToBounds);
        EXPECT_EQ(style.shadowColor, grey);
        EXPECT_EQ(style.shadowOpacity, 1.0f);
        EXPECT_EQ(style.shadowOffset, QSizeF(0, 2));
        EXPECT_EQ(style.shadowRadius, b.radius) << b.blur;
    }
}

TEST(TeamsViewStyling, ALaterShadowOverwritesTheEarlierOne)
{
    View view;
    applyShadow(view, Qt::red, 0.5f, 3, 4, 10);
    applyShadow(view, Qt::blue, 0.25f, -1, 0, 2);
    EXPECT_EQ(view.layerStyle().shadowColor, QColor(Qt::blue));
    EXPECT_EQ(view.layerStyle().shadowOpacity, 0.25f);
    EXPECT_EQ(view.layerStyle().shadowOffset, QSizeF(-1, 0));
    EXPECT_EQ(view.layerStyle().shadowRadius, 1);
}

TEST(TeamsViewStyling, TheShadowFallsBelowTheCard)
{
    View parent;
    parent.resize(60, 60);
    parent.changeLayerStyle([](LayerStyle& style) { style.backgroundColor = QColor(Qt::white); });
    View card(&parent);
    card.setGeometry(10, 10, 40, 30);
    card.changeLayerStyle([](LayerStyle& style) { style.backgroundColor = QColor(Qt::white); });
    applyShadow(card, Qt::black, 1.0f, 0, 2, 6);
    QImage shot(60, 60, QImage::Format_ARGB32);
    parent.render(&shot);
    // Below the card's bottom edge the shadow darkens the white parent; above its top it is
    // lighter, as the shadow falls 2 points down.
    const QColor below = shot.pixelColor(30, 41);
    const QColor above = shot.pixelColor(30, 8);
    EXPECT_LT(below.lightness(), 250);
    EXPECT_LT(below.lightness(), above.lightness());
    EXPECT_EQ(shot.pixelColor(30, 25), QColor(Qt::white));
}

TEST(TeamsScoreboardBanner, ANibBuildsItByClassNameWithItsAttributes)
{
    std::unique_ptr<QWidget> root(Nib(QStringLiteral("TeamsBannerProbe")).instantiate());
    auto* banner = root->findChild<ScoreboardBanner*>(QStringLiteral("banner"));
    ASSERT_NE(banner, nullptr);
    EXPECT_EQ(banner->geometry(), QRect(10, 10, 180, 40));
    EXPECT_EQ(banner->layerStyle().backgroundColor, colorFromHexString("#9D0620"));
    EXPECT_EQ(banner->layerStyle().cornerRadius, 6);

    QImage shot(200, 100, QImage::Format_ARGB32);
    shot.fill(Qt::white);
    root->render(&shot, {}, {}, QWidget::DrawChildren);
    EXPECT_EQ(shot.pixelColor(100, 30), colorFromHexString("#9D0620"));
    EXPECT_EQ(shot.pixelColor(100, 80), QColor(Qt::white));
}

TEST(TeamsSceneDelegate, ItHoldsItsWindowAndIgnoresSceneEvents)
{
    SceneDelegate delegate;
    EXPECT_EQ(delegate.window(), nullptr);
    delegate.sceneWillConnect(nullptr);
    delegate.sceneDidBecomeActive(nullptr);
    delegate.sceneWillResignActive(nullptr);
    delegate.sceneWillEnterForeground(nullptr);
    delegate.sceneDidEnterBackground(nullptr);
    delegate.sceneDidDisconnect(nullptr);
    EXPECT_EQ(delegate.window(), nullptr);

    std::weak_ptr<QWidget> watch;
    {
        auto window = std::make_shared<QWidget>();
        watch = window;
        delegate.setWindow(window);
    }
    delegate.setWindow(delegate.window());
    EXPECT_FALSE(watch.expired());
    delegate.sceneDidDisconnect(nullptr);
    EXPECT_EQ(delegate.window(), watch.lock());
    delegate.setWindow(nullptr);
    EXPECT_TRUE(watch.expired());
}

} // namespace
} // namespace lanterncrest::test
