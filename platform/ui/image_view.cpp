#include "platform/ui/image_view.h"

namespace lanterncrest {

ImageView::ImageView(QWidget *parent) : LayerStyledWidget<QWidget>(parent) { }

void ImageView::setImage(const QPixmap &image)
{
    m_image = image;
    update();
}

void ImageView::setContentMode(ContentMode mode)
{
    m_contentMode = mode;
    update();
}

QRectF ImageView::imageRect(const QSizeF &imageSize, const QRectF &bounds, ContentMode mode)
{
    if (mode == ContentMode::ScaleToFill || imageSize.isEmpty())
        return bounds;
    const QSizeF size = imageSize.scaled(
            bounds.size(),
            mode == ContentMode::AspectFit ? Qt::KeepAspectRatio : Qt::KeepAspectRatioByExpanding);
    QRectF placed(QPointF(), size);
    placed.moveCenter(bounds.center());
    return placed;
}

void ImageView::paintContent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (const auto clip = contentClip())
        painter.setClipPath(*clip);
    const QSizeF imageSize = m_image.deviceIndependentSize();
    painter.drawPixmap(imageRect(imageSize, QRectF(rect()), m_contentMode), m_image,
                       QRectF(QPointF(), m_image.size()));
}

} // namespace lanterncrest
