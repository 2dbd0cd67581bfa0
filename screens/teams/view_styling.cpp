#include "screens/teams/view_styling.h"

#include "platform/ui/layer_styled.h"

namespace lanterncrest {

void applyShadow(LayerStyled &view, const QColor &color, float alpha, double x, double y,
                 double blur)
{
    view.changeLayerStyle([&](LayerStyle &style) {
        style.masksToBounds = false;
        style.shadowColor = color;
        style.shadowOpacity = alpha;
        style.shadowOffset = QSizeF(x, y);
        style.shadowRadius = blur / 2;
    });
}

} // namespace lanterncrest
