#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <memory>
#include <numbers>

#include "platform/ui/image_view.h"
#include "platform/ui/nib.h"
#include "screens/teams/hexagon_mask.h"
#include "screens/teams/polygon_path.h"

namespace lanterncrest::test {
namespace {

constexpr double tolerance = 0.001;
constexpr double quarterTurn = std::numbers::pi / 2;

void expectNear(QPointF actual, QPointF expected, const char* what)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance) << what;
    EXPECT_NEAR(actual.y(), expected.y(), tolerance) << what;
}

TEST(TeamsHexagonPath, ASquareOf100WithCorners10IsPlacedAgainstTheTopLeft)
{
    const PolygonPath path = polygonPath(6, QRectF(0, 0, 100, 100), 5, 10, quarterTurn);
    ASSERT_EQ(path.corners.size(), 6u);
    expectNear(path.start, {37.141, 97.5}, "start");
    expectNear(path.corners[0].start, {11.160, 82.5}, "first side's end");
    expectNear(path.corners[0].tip, {2.5, 77.5}, "first control point");
    expectNear(path.corners[0].end, {2.5, 67.5}, "first curve's end");
    // After six turns the outline closes on its start.
    expectNear(path.corners.back().end, path.start, "last curve's end");

    const QRectF bounds = path.bounds();
    EXPECT_NEAR(bounds.x(), 2.5, tolerance);
    EXPECT_NEAR(bounds.y(), 2.5, tolerance);
    EXPECT_NEAR(bounds.width(), 86.603, tolerance);
    EXPECT_NEAR(bounds.height(), 100, tolerance);

    // Only the bottom tip reaches out of the view; the curves stay between y = 5 and y = 100.
    const QRectF drawn = path.toPainterPath().boundingRect();
    EXPECT_NEAR(drawn.top(), 5, tolerance);
    EXPECT_NEAR(drawn.bottom(), 100, tolerance);
    EXPECT_NEAR(bounds.bottom(), 102.5, tolerance);
}

TEST(TeamsHexagonPath, WithoutRoundingEveryCornerIsItsTip)
{
    const PolygonPath path = polygonPath(6, QRectF(0, 0, 100, 100), 5, 0, quarterTurn);
    for (const auto& corner : path.corners) {
        expectNear(corner.start, corner.tip, "corner start");
        expectNear(corner.end, corner.tip, "corner end");
    }
    // R = (100 - 5) / 2: the shape is 2R high and √3·R wide.
    EXPECT_NEAR(path.bounds().height(), 95, tolerance);
    EXPECT_NEAR(path.bounds().width(), std::sqrt(3.0) * 47.5, tolerance);
}

TEST(TeamsHexagonPath, OnlyTheShorterSideCountsAndTheOriginMovesThePath)
{
    const PolygonPath wide = polygonPath(6, QRectF(0, 0, 120, 80), 5, 10, quarterTurn);
    const PolygonPath square = polygonPath(6, QRectF(0, 0, 80, 80), 5, 10, quarterTurn);
    EXPECT_EQ(wide.toPainterPath(), square.toPainterPath());

    const PolygonPath moved = polygonPath(6, QRectF(30, 40, 80, 80), 5, 10, quarterTurn);
    expectNear(moved.start, square.start + QPointF(30, 40), "moved start");
    expectNear(moved.bounds().topLeft(), {32.5, 42.5}, "moved bounds");
}

class TeamsHexagonMask : public ::testing::Test {
protected:
    TeamsHexagonMask() { view.resize(100, 100); }
    ImageView view;
};

TEST_F(TeamsHexagonMask, ARadiusCutsTheViewAndAddsAWhiteFrame)
{
    setPolygonRadius(view, 10);
    EXPECT_EQ(polygonRadius(view), 10);
    const QPainterPath expected = polygonPath(6, QRectF(0, 0, 100, 100), 5, 10, quarterTurn).toPainterPath();
    ASSERT_TRUE(view.maskPath());
    EXPECT_EQ(*view.maskPath(), expected);
    ASSERT_EQ(view.sublayers().size(), 1u);
    EXPECT_EQ(view.sublayers()[0].path, expected);
    EXPECT_EQ(view.sublayers()[0].strokeColor, QColor(Qt::white));
    EXPECT_EQ(view.sublayers()[0].lineWidth, 5);
    EXPECT_FALSE(view.sublayers()[0].fillColor);
}

TEST_F(TeamsHexagonMask, ASecondRadiusReplacesTheMaskAndKeepsTheEarlierFrame)
{
    setPolygonRadius(view, 10);
    view.resize(60, 60);
    setPolygonRadius(view, 4);
    EXPECT_EQ(*view.maskPath(), polygonPath(6, QRectF(0, 0, 60, 60), 5, 4, quarterTurn).toPainterPath());
    EXPECT_EQ(view.sublayers().size(), 2u);

    // The radius lives in the layer's corner radius; changing that leaves the shape alone.
    const QPainterPath shape = *view.maskPath();
    view.changeLayerStyle([](LayerStyle& style) { style.cornerRadius = 7; });
    EXPECT_EQ(polygonRadius(view), 7);
    EXPECT_EQ(*view.maskPath(), shape);
}

TEST_F(TeamsHexagonMask, TheViewShowsOnlyTheInsideWithAWhiteEdge)
{
    QPixmap red(100, 100);
    red.fill(Qt::red);
    view.setImage(red);
    setPolygonRadius(view, 10);
    QImage shot(100, 100, QImage::Format_ARGB32);
    shot.fill(Qt::transparent);
    view.render(&shot, {}, {}, QWidget::DrawChildren);

    EXPECT_EQ(shot.pixelColor(45, 50), QColor(Qt::red));        // the middle
    EXPECT_EQ(shot.pixelColor(1, 1).alpha(), 0);                // outside: the top-left corner
    EXPECT_EQ(shot.pixelColor(95, 50).alpha(), 0);              // outside: right of the shape
    EXPECT_EQ(shot.pixelColor(4, 50), QColor(Qt::white));       // the frame along the left side
    EXPECT_EQ(shot.pixelColor(8, 50), QColor(Qt::red));         // just inside the frame
}

TEST_F(TeamsHexagonMask, ANibSetsTheRadiusByNameAfterTheGeometry)
{
    std::unique_ptr<ImageView> loaded(Nib(QStringLiteral("TeamsHexagonProbe")).instantiate<ImageView>());
    EXPECT_EQ(polygonRadius(*loaded), 10);
    ASSERT_TRUE(loaded->maskPath());
    EXPECT_EQ(*loaded->maskPath(), polygonPath(6, QRectF(0, 0, 100, 100), 5, 10, quarterTurn).toPainterPath());
}

} // namespace
} // namespace lanterncrest::test
