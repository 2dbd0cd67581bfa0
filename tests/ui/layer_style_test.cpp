#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include "platform/ui/image_view.h"
#include "platform/ui/view.h"

namespace lanterncrest::test {
namespace {

const QString white = QStringLiteral("#ffffff");
const QString red = QStringLiteral("#ff0000");
const QString green = QStringLiteral("#00c800");

// A white stage with one child at (10, 10), grabbed as an image for pixel checks.
struct Stage
{
    Stage()
    {
        m_stage.resize(140, 140);
        m_stage.setAutoFillBackground(true);
        m_stage.setPalette(QPalette(Qt::white));
    }
    template<class T>
    T &place(QSize size)
    {
        auto *child = new T(&m_stage);
        child->setGeometry(QRect(QPoint(10, 10), size));
        return *child;
    }
    // The colour at `point` of the child's coordinates, readable in failure messages.
    QString at(QPoint point)
    {
        m_stage.show();
        return m_stage.grab().toImage().pixelColor(point + QPoint(10, 10)).name();
    }
    QWidget m_stage;
};

TEST(LayerStyle, CornerRadiusClipsTheImageOnlyWhenMaskingToBounds)
{
    Stage stage;
    auto &image = stage.place<ImageView>({ 100, 100 });
    QPixmap pixmap(100, 100);
    pixmap.fill(QColor(green));
    image.setImage(pixmap);
    image.changeLayerStyle([](LayerStyle &s) { s.cornerRadius = 30; });
    EXPECT_EQ(stage.at({ 1, 1 }), green);

    image.changeLayerStyle([](LayerStyle &s) { s.masksToBounds = true; });
    EXPECT_EQ(stage.at({ 1, 1 }), white);
    EXPECT_EQ(stage.at({ 50, 1 }), green);
}

TEST(LayerStyle, AVisibleShadowFallsOutsideTheViewAndGoesWithOpacityZero)
{
    Stage stage;
    auto &view = stage.place<View>({ 60, 60 });
    view.changeLayerStyle([](LayerStyle &s) {
        s.backgroundColor = QColor(red);
        s.shadowRadius = 0; // a sharp shadow of the default black
        s.shadowOpacity = 1;
        s.shadowOffset = { 0, 8 };
    });
    EXPECT_EQ(stage.at({ 30, 64 }), QStringLiteral("#000000")); // below the view
    EXPECT_EQ(stage.at({ 30, 30 }), red);

    view.changeLayerStyle([](LayerStyle &s) { s.shadowOpacity = 0; });
    EXPECT_EQ(stage.at({ 30, 64 }), white);
}

} // namespace
} // namespace lanterncrest::test
