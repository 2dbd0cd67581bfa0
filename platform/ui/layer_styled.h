#pragma once

#include <QPainterPath>
#include <optional>
#include <vector>

#include "platform/export.h"
#include "platform/ui/layer_style.h"

namespace lanterncrest {

// The layer of a view: the style record, a shape mask and the shapes drawn over the content.
// Implemented by LayerStyledWidget<Base> (View, Label, Button, ImageView and the cells).
class LANTERNCREST_EXPORT LayerStyled
{
public:
    virtual ~LayerStyled() = default;

    virtual const LayerStyle &layerStyle() const = 0;
    virtual void setLayerStyle(const LayerStyle &style) = 0;

    // The view then shows only the inside of `path` (in its own coordinates), anti-aliased.
    // A new mask replaces the old one; std::nullopt removes it.
    virtual void setMaskPath(std::optional<QPainterPath> path) = 0;
    virtual const std::optional<QPainterPath> &maskPath() const = 0;

    // Adds a shape on top of the earlier ones; shapes stay until removeSublayers().
    virtual void addSublayer(ShapeLayer layer) = 0;
    virtual const std::vector<ShapeLayer> &sublayers() const = 0;
    virtual void removeSublayers() = 0;

    template<class Change>
    void changeLayerStyle(Change &&change)
    {
        LayerStyle style = layerStyle();
        change(style);
        setLayerStyle(style);
    }
};

} // namespace lanterncrest
