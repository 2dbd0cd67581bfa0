#include <QGraphicsDropShadowEffect>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <gtest/gtest.h>

#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/view.h"

#include <ostream>

// Readable colours in failure messages.
inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << color.name(QColor::HexArgb).toStdString();
}

namespace lanterncrest::test {
namespace {

const QColor white(Qt::white);
const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QColor green(0, 200, 0);

// A white stage with one child at (10, 10), grabbed as an image for pixel checks.
class Stage {
public:
    Stage()
    {
        stage_.resize(140, 140);
        stage_.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, white);
        stage_.setPalette(palette);
    }

    template <class T>
    T& place(QSize size)
    {
        auto* child = new T(&stage_);
        child->setGeometry(QRect(QPoint(10, 10), size));
        return *child;
    }

    ImageView& placeImage(QColor color)
    {
        auto& image = place<ImageView>({100, 100});
        QPixmap pixmap(100, 100);
        pixmap.fill(color);
        image.setImage(pixmap);
        return image;
    }

    // The colour at `point` of the child's coordinates.
    QColor at(QPoint point)
    {
        stage_.show();
        return stage_.grab().toImage().pixelColor(point + QPoint(10, 10));
    }

private:
    QWidget stage_;
};

TEST(LayerStyle, CornerRadiusRoundsTheBackgroundAndBorder)
{
    Stage stage;
    auto& view = stage.place<View>({100, 100});
    view.changeLayerStyle([](LayerStyle& s) {
        s.backgroundColor = red;
        s.cornerRadius = 30;
        s.borderWidth = 4;
        s.borderColor = blue;
    });
    EXPECT_EQ(stage.at({1, 1}), white);     // cut off by the rounding
    EXPECT_EQ(stage.at({50, 1}), blue);     // the border lies inside the bounds
    EXPECT_EQ(stage.at({50, 6}), red);
    EXPECT_EQ(stage.at({50, 50}), red);
    EXPECT_EQ(stage.at({98, 50}), blue);
}

TEST(LayerStyle, ContentIsClippedToTheCornersOnlyWhenMaskingToBounds)
{
    Stage stage;
    auto& image = stage.placeImage(green);
    image.changeLayerStyle([](LayerStyle& s) { s.cornerRadius = 30; });
    EXPECT_EQ(stage.at({1, 1}), green);

    image.changeLayerStyle([](LayerStyle& s) { s.masksToBounds = true; });
    EXPECT_EQ(stage.at({1, 1}), white);
    EXPECT_EQ(stage.at({50, 1}), green);
}

TEST(LayerStyle, AMaskShowsOnlyItsInsideAndClipsTheSublayerStroke)
{
    Stage stage;
    auto& image = stage.placeImage(green);
    QPainterPath square;
    square.addRect(20, 20, 60, 60);
    image.setMaskPath(square);
    image.addSublayer({square, std::nullopt, blue, 10});

    EXPECT_EQ(stage.at({10, 50}), white);  // outside the mask: the stage
    EXPECT_EQ(stage.at({17, 50}), white);  // outer half of the stroke: clipped away
    EXPECT_EQ(stage.at({22, 50}), blue);   // inner half of the stroke
    EXPECT_EQ(stage.at({50, 50}), green);
    EXPECT_EQ(stage.at({5, 5}), white);

    image.removeSublayers();
    EXPECT_EQ(stage.at({22, 50}), green);
    image.setMaskPath(std::nullopt);
    EXPECT_EQ(stage.at({5, 5}), green);
}

TEST(LayerStyle, AVisibleShadowFallsOutsideTheViewAndGoesWithOpacityZero)
{
    Stage stage;
    auto& view = stage.place<View>({60, 60});
    view.changeLayerStyle([](LayerStyle& s) {
        s.backgroundColor = red;
        s.shadowColor = QColor(Qt::black);
        s.shadowOpacity = 1;
        s.shadowOffset = {0, 8};
        s.shadowRadius = 0;
    });
    auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(view.graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->offset(), QPointF(0, 8));
    EXPECT_EQ(stage.at({30, 64}), QColor(Qt::black)); // below the view
    EXPECT_EQ(stage.at({30, 30}), red);

    view.changeLayerStyle([](LayerStyle& s) { s.shadowOpacity = 0; });
    EXPECT_EQ(view.graphicsEffect(), nullptr);
    EXPECT_EQ(stage.at({30, 64}), white);
}

TEST(LayerStyle, ShadowOpacityScalesTheShadowColour)
{
    View view;
    view.changeLayerStyle([](LayerStyle& s) {
        s.shadowColor = QColor(0xd6, 0xd6, 0xd6);
        s.shadowOpacity = 0.5f;
        s.shadowRadius = 3;
    });
    auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(view.graphicsEffect());
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->color().rgb(), QColor(0xd6, 0xd6, 0xd6).rgb());
    EXPECT_NEAR(effect->color().alphaF(), 0.5, 0.01);
    EXPECT_DOUBLE_EQ(effect->blurRadius(), 6);
}

TEST(LayerStyle, AnEffectSetByOthersIsLeftAlone)
{
    View view;
    auto* own = new QGraphicsDropShadowEffect;
    view.setGraphicsEffect(own);
    view.changeLayerStyle([](LayerStyle& s) { s.shadowOpacity = 0; });
    EXPECT_EQ(view.graphicsEffect(), own);
}

struct PlacementCase {
    ImageView::ContentMode mode;
    QSizeF image;
    QRectF expected;
};

TEST(ImageViewPlacement, ModesPlaceTheImageInTheBounds)
{
    using Mode = ImageView::ContentMode;
    const QRectF bounds(0, 0, 100, 50);
    const PlacementCase cases[] = {
        {Mode::ScaleToFill, {20, 20}, bounds},
        {Mode::AspectFit, {20, 20}, {25, 0, 50, 50}},
        {Mode::AspectFill, {20, 20}, {0, -25, 100, 100}},
        {Mode::AspectFit, {400, 100}, {0, 12.5, 100, 25}},
        {Mode::AspectFill, {400, 100}, {-50, 0, 200, 50}},
        {Mode::AspectFill, {0, 0}, bounds},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " " << c.image.width() << "x" << c.image.height());
        EXPECT_EQ(ImageView::imageRect(c.image, bounds, c.mode), c.expected);
    }
}

TEST(LabelText, TellsAClearedTextFromAnEmptyOne)
{
    Label label;
    label.setOptionalText(QStringLiteral("MESSI"));
    EXPECT_EQ(label.optionalText(), QStringLiteral("MESSI"));
    label.setOptionalText(std::nullopt);
    EXPECT_EQ(label.optionalText(), std::nullopt);
    EXPECT_TRUE(label.text().isEmpty());
    label.setOptionalText(QString());
    EXPECT_EQ(label.optionalText(), QString());
    label.setOptionalText(std::nullopt);
    label.setText(QStringLiteral("set directly"));
    EXPECT_EQ(label.optionalText(), QStringLiteral("set directly"));
}

} // namespace
} // namespace lanterncrest::test
