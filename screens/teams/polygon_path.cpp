#include "screens/teams/polygon_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lanterncrest {

namespace {

QPointF onCircle(QPointF centre, double radius, double angle)
{
    return { centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle) };
}

} // namespace

QRectF PolygonPath::bounds() const
{
    double left = start.x(), right = start.x(), top = start.y(), bottom = start.y();
    const auto include = [&](QPointF p) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    };
    for (const Corner &corner : corners) {
        include(corner.start);
        include(corner.tip);
        include(corner.end);
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

PolygonPath PolygonPath::translated(QPointF offset) const
{
    PolygonPath moved{ start + offset, corners };
    for (Corner &corner : moved.corners) {
        corner.start += offset;
        corner.tip += offset;
        corner.end += offset;
    }
    return moved;
}

QPainterPath PolygonPath::toPainterPath() const
{
    QPainterPath path(start);
    for (const Corner &corner : corners) {
        path.lineTo(corner.start);
        path.quadTo(corner.tip, corner.end);
    }
    path.closeSubpath();
    return path;
}

PolygonPath polygonPath(int sides, const QRectF &rect, double lineWidth, double cornerRadius,
                        double rotation)
{
    const int n = std::max(sides, 1);
    const double theta = 2 * std::numbers::pi / n;
    const double side = std::min(rect.width(), rect.height());
    const QPointF centre(rect.x() + side / 2, rect.y() + side / 2);
    const double r = cornerRadius;
    const double tipRadius = (side - lineWidth + r - r * std::cos(theta)) / 2;
    const double roundingRadius = tipRadius - r;

    double angle = rotation;
    PolygonPath path;
    path.start = onCircle(onCircle(centre, roundingRadius, angle), r, angle + theta);
    path.corners.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        angle += theta;
        const QPointF rounding = onCircle(centre, roundingRadius, angle);
        path.corners.push_back({ onCircle(rounding, r, angle - theta),
                                 onCircle(centre, tipRadius, angle),
                                 onCircle(rounding, r, angle + theta) });
    }
    const QRectF bounds = path.bounds();
    const double half = lineWidth / 2;
    return path.translated(QPointF(rect.x() + half - bounds.x(), rect.y() + half - bounds.y()));
}

} // namespace lanterncrest
