#pragma once

#include <QPainter>
#include <QPaintEvent>

#include "platform/ui/layer_painter.h"
#include "platform/ui/layer_styled.h"

namespace lanterncrest {

// Gives any widget class a layer: the background, mask, sublayers and border are painted
// around what Base paints, and the shadow is a graphics effect. Subclasses that paint their own
// content override paintContent() and clip it to contentClip().
template<class Base>
class LayerStyledWidget : public Base, public LayerStyled
{
public:
    using Base::Base;

    const LayerStyle &layerStyle() const override { return m_style; }
    void setLayerStyle(const LayerStyle &style) override
    {
        m_style = style;
        LayerPainter::syncShadow(*this, m_style);
        this->update();
    }

    void setMaskPath(std::optional<QPainterPath> path) override
    {
        m_mask = std::move(path);
        this->update();
    }
    const std::optional<QPainterPath> &maskPath() const override { return m_mask; }

    void addSublayer(ShapeLayer layer) override
    {
        m_sublayers.push_back(std::move(layer));
        this->update();
    }
    const std::vector<ShapeLayer> &sublayers() const override { return m_sublayers; }
    void removeSublayers() override
    {
        m_sublayers.clear();
        this->update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            LayerPainter::paintBackground(painter, QRectF(this->rect()), m_style, m_mask);
        }
        paintContent(event);
        QPainter painter(this);
        LayerPainter::paintForeground(painter, QRectF(this->rect()), m_style, m_mask, m_sublayers);
    }

    virtual void paintContent(QPaintEvent *event) { Base::paintEvent(event); }

    std::optional<QPainterPath> contentClip() const
    {
        return LayerPainter::contentClip(QRectF(this->rect()), m_style, m_mask);
    }

private:
    LayerStyle m_style;
    std::optional<QPainterPath> m_mask;
    std::vector<ShapeLayer> m_sublayers;
};

} // namespace lanterncrest
