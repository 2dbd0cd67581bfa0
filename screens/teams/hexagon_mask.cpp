#include "screens/teams/hexagon_mask.h"

#include <numbers>

#include "platform/ui/image_view.h"
#include "screens/teams/polygon_path.h"

namespace lanterncrest {

double polygonRadius(const ImageView &view)
{
    return view.layerStyle().cornerRadius;
}

void setPolygonRadius(ImageView &view, double radius)
{
    applyHexagonMask(view, radius);
}

void applyHexagonMask(ImageView &view, double cornerRadius)
{
    // The frame's stroke is 5 points wide and centred on the outline; the mask hides its outer
    // half.
    constexpr double lineWidth = 5.0;
    view.changeLayerStyle([&](LayerStyle &style) { style.cornerRadius = cornerRadius; });
    const QPainterPath hexagon =
            polygonPath(6, QRectF(view.rect()), lineWidth, cornerRadius, std::numbers::pi / 2)
                    .toPainterPath();
    view.setMaskPath(hexagon);
    view.addSublayer(ShapeLayer{ hexagon, std::nullopt, QColor(Qt::white), lineWidth });
}

} // namespace lanterncrest
