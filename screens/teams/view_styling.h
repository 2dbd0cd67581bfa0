#pragma once

#include <QColor>

#include "platform/export.h"

namespace lanterncrest {

class LayerStyled;

// Gives the view a drop shadow of `color` at opacity `alpha`, offset by (x, y) and blurred
// over `blur` points (a shadow radius of blur / 2), cast by what the view paints. It turns the
// view's clipping to its bounds off so that the shadow can show; every call overwrites the
// shadow of the one before. Qt clips a widget to its parent: leave a shadowed view a margin.
LANTERNCREST_EXPORT void applyShadow(LayerStyled &view, const QColor &color, float alpha, double x,
                                     double y, double blur);

} // namespace lanterncrest
