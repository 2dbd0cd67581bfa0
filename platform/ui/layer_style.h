#pragma once

#include <QColor>
#include <QPainterPath>
#include <QSizeF>
#include <optional>

namespace lanterncrest {

// How a view's layer is drawn around its content. The defaults are those of a fresh layer:
// no corners, no border, a black shadow that stays invisible while its opacity is 0.
struct LayerStyle
{
    std::optional<QColor> backgroundColor;
    double cornerRadius = 0;
    double borderWidth = 0;
    std::optional<QColor> borderColor = QColor(Qt::black);
    std::optional<QColor> shadowColor = QColor(Qt::black);
    float shadowOpacity = 0;
    QSizeF shadowOffset{ 0, -3 };
    double shadowRadius = 3;
    // Clips the view's own content to its (rounded) bounds. Qt already clips children to the
    // rectangle of their parent; the rounding applies to what the view paints itself.
    bool masksToBounds = false;
};

// A shape drawn over a view's content, inside its mask: the hexagon's white frame is one.
struct ShapeLayer
{
    QPainterPath path;
    std::optional<QColor> fillColor;
    std::optional<QColor> strokeColor;
    double lineWidth = 1;
};

} // namespace lanterncrest
