#include "platform/ui/layer_painter.h"

#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace lanterncrest::LayerPainter {

namespace {

// Marks the effect this file installed, so that an effect set by someone else stays alone.
constexpr char shadowEffectName[] = "lanterncrest.layerShadow";

void clipTo(QPainter &painter, const std::optional<QPainterPath> &clip)
{
    if (clip)
        painter.setClipPath(*clip, Qt::IntersectClip);
}

} // namespace

QPainterPath roundedOutline(const QRectF &bounds, double cornerRadius)
{
    QPainterPath path;
    const double radius =
            std::clamp(cornerRadius, 0.0, std::min(bounds.width(), bounds.height()) / 2);
    if (radius > 0)
        path.addRoundedRect(bounds, radius, radius);
    else
        path.addRect(bounds);
    return path;
}

std::optional<QPainterPath> contentClip(const QRectF &bounds, const LayerStyle &style,
                                        const std::optional<QPainterPath> &mask)
{
    if (!style.masksToBounds)
        return mask;
    const QPainterPath outline = roundedOutline(bounds, style.cornerRadius);
    return mask ? outline.intersected(*mask) : outline;
}

void paintBackground(QPainter &painter, const QRectF &bounds, const LayerStyle &style,
                     const std::optional<QPainterPath> &mask)
{
    if (!style.backgroundColor || style.backgroundColor->alpha() == 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    clipTo(painter, mask);
    painter.fillPath(roundedOutline(bounds, style.cornerRadius), *style.backgroundColor);
    painter.restore();
}

void paintForeground(QPainter &painter, const QRectF &bounds, const LayerStyle &style,
                     const std::optional<QPainterPath> &mask,
                     const std::vector<ShapeLayer> &sublayers)
{
    const bool border =
            style.borderWidth > 0 && style.borderColor && style.borderColor->alpha() > 0;
    if (sublayers.empty() && !border)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    clipTo(painter, mask);
    for (const ShapeLayer &layer : sublayers) {
        if (layer.fillColor)
            painter.fillPath(layer.path, *layer.fillColor);
        if (layer.strokeColor && layer.lineWidth > 0)
            painter.strokePath(layer.path, QPen(*layer.strokeColor, layer.lineWidth));
    }
    if (border) {
        // The border lies wholly inside the bounds, like a layer's border.
        const double half = style.borderWidth / 2;
        const QRectF inner = bounds.adjusted(half, half, -half, -half);
        painter.strokePath(roundedOutline(inner, std::max(0.0, style.cornerRadius - half)),
                           QPen(*style.borderColor, style.borderWidth));
    }
    painter.restore();
}

void syncShadow(QWidget &widget, const LayerStyle &style)
{
    auto *current = qobject_cast<QGraphicsDropShadowEffect *>(widget.graphicsEffect());
    const bool ours = current && current->objectName() == QLatin1String(shadowEffectName);
    const bool visible =
            style.shadowOpacity > 0 && style.shadowColor && style.shadowColor->alpha() > 0;
    if (!visible) {
        if (ours)
            widget.setGraphicsEffect(nullptr);
        return;
    }
    if (!ours) {
        current = new QGraphicsDropShadowEffect(&widget);
        current->setObjectName(QLatin1String(shadowEffectName));
        widget.setGraphicsEffect(current);
    }
    QColor color = *style.shadowColor;
    color.setAlphaF(std::clamp(color.alphaF() * style.shadowOpacity, 0.0f, 1.0f));
    current->setColor(color);
    current->setOffset(style.shadowOffset.width(), style.shadowOffset.height());
    // A layer's shadow radius is about half the width of the blurred edge.
    current->setBlurRadius(2 * std::max(0.0, style.shadowRadius));
}

} // namespace lanterncrest::LayerPainter
