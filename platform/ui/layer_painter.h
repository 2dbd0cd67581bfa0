#pragma once

#include <QPainterPath>
#include <QRectF>
#include <optional>
#include <vector>

#include "platform/ui/layer_style.h"

class QPainter;
class QWidget;

namespace lanterncrest::LayerPainter {

// The rounded outline of `bounds`; the radius is limited to half the shorter side.
QPainterPath roundedOutline(const QRectF &bounds, double cornerRadius);

// Where the view's own content may be drawn: inside the mask, and inside the rounded bounds
// when the style masks to bounds. std::nullopt when nothing limits it.
std::optional<QPainterPath> contentClip(const QRectF &bounds, const LayerStyle &style,
                                        const std::optional<QPainterPath> &mask);

// Below the content: the rounded background colour, inside the mask.
void paintBackground(QPainter &painter, const QRectF &bounds, const LayerStyle &style,
                     const std::optional<QPainterPath> &mask);

// Above the content, inside the mask: the sublayers in order, then the border along the inside
// of the rounded bounds.
void paintForeground(QPainter &painter, const QRectF &bounds, const LayerStyle &style,
                     const std::optional<QPainterPath> &mask,
                     const std::vector<ShapeLayer> &sublayers);

// Gives `widget` the drop shadow of `style` as a graphics effect, or takes it away when the
// shadow is invisible. The shadow falls outside the widget into its parent, and Qt clips every
// widget to its parent: a shadowed view that fills its parent loses its shadow, so leave the
// parent a margin around it (or shadow the parent instead).
void syncShadow(QWidget &widget, const LayerStyle &style);

} // namespace lanterncrest::LayerPainter
