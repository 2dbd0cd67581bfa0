#pragma once

#include <QPixmap>
#include <QWidget>

#include "platform/export.h"
#include "platform/ui/layer_styled_widget.h"

namespace lanterncrest {

// Shows one image inside its layer: scaled to fill, to fit or to fill with its aspect kept.
// The image is clipped to the mask and, when the style masks to bounds, to the rounded bounds.
class LANTERNCREST_EXPORT ImageView : public LayerStyledWidget<QWidget>
{
    Q_OBJECT
public:
    enum class ContentMode { ScaleToFill, AspectFit, AspectFill };

    explicit ImageView(QWidget *parent = nullptr);

    const QPixmap &image() const { return m_image; }
    // A null pixmap shows no image (the background stays).
    void setImage(const QPixmap &image);

    ContentMode contentMode() const { return m_contentMode; }
    void setContentMode(ContentMode mode);

    // Where the image lands in `bounds` for `mode` (exposed for the painting tests).
    static QRectF imageRect(const QSizeF &imageSize, const QRectF &bounds, ContentMode mode);

protected:
    void paintContent(QPaintEvent *event) override;

private:
    QPixmap m_image;
    ContentMode m_contentMode = ContentMode::ScaleToFill;
};

} // namespace lanterncrest
