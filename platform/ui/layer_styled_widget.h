#pragma once

#include <QPainter>
#include <QPaintEvent>

#include "platform/ui/layer_painter.h"
#include "platform/ui/layer_styled.h"

namespace lanterncrest {

// Gives any widget class a layer: the background, mask, sublayers and border are painted
// around what Base paints, and the shadow is a graphics effect. Subclasses that paint their own
// content override paintContent() and clip it to contentClip().
template <class Base>
class LayerStyledWidget : public Base, public LayerStyled {
public:
    using Base::Base;

    const LayerStyle& layerStyle() const override { return style_; }
    void setLayerStyle(const LayerStyle& style) override
    {
        style_ = style;
        LayerPainter::syncShadow(*this, style_);
        this->update();
    }

    void setMaskPath(std::optional<QPainterPath> path) override
    {
        mask_ = std::move(path);
        this->update();
    }
    const std::optional<QPainterPath>& maskPath() const override { return mask_; }

    void addSublayer(ShapeLayer layer) override
    {
        sublayers_.push_back(std::move(layer));
        this->update();
    }
    const std::vector<ShapeLayer>& sublayers() const override { return sublayers_; }
    void removeSublayers() override
    {
        sublayers_.clear();
        this->update();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        {
            QPainter painter(this);
            LayerPainter::paintBackground(painter, QRectF(this->rect()), style_, mask_);
        }
        paintContent(event);
        QPainter painter(this);
        LayerPainter::paintForeground(painter, QRectF(this->rect()), style_, mask_, sublayers_);
    }

    virtual void paintContent(QPaintEvent* event) { Base::paintEvent(event); }

    std::optional<QPainterPath> contentClip() const
    {
        return LayerPainter::contentClip(QRectF(this->rect()), style_, mask_);
    }

private:
    LayerStyle style_;
    std::optional<QPainterPath> mask_;
    std::vector<ShapeLayer> sublayers_;
};

} // namespace lanterncrest
