#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

namespace lanterncrest {

// A regular polygon with rounded corners, computed in doubles: straight sides joined by
// quadratic curves whose control points are the polygon's tips. Kept as its own elements so
// that its bounds count the control points (QPainterPath stores quadratics as cubics and
// would measure them differently).
struct PolygonPath
{
    struct Corner
    {
        QPointF start; // where the side reaching this corner ends
        QPointF tip; // the curve's control point
        QPointF end; // where the curve ends and the next side begins
    };

    QPointF start;
    std::vector<Corner> corners;

    // The smallest rectangle holding every point of the path, control points included.
    QRectF bounds() const;
    PolygonPath translated(QPointF offset) const;
    QPainterPath toPainterPath() const;
};

// The rounded polygon of `sides` (at least 1) corners in the square on the shorter side of
// `rect`, at its top left: tips at distance R = (s - lineWidth + r - r cos θ) / 2 from the
// square's centre, θ = 2π / sides, the first corner at `rotation` + θ radians (y grows
// downwards). The finished path is moved so that its bounds begin at rect's origin plus
// lineWidth / 2 on both axes.
PolygonPath polygonPath(int sides, const QRectF &rect, double lineWidth, double cornerRadius,
                        double rotation);

} // namespace lanterncrest
