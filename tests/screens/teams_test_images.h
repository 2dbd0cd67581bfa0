#pragma once

// Images for the screens' tests: a one-colour PNG served by the loopback service, and the
// colour an image view shows.

#include <QBuffer>
#include <QColor>
#include <QImage>

#include "platform/ui/image_view.h"
#include "tests/support/loopback_service.h"

namespace lanterncrest::test {

// The colour of the placeholder "imageHorizontalPlaceHolderSmall" of the test bundle.
inline const QColor placeholderGreen(0, 200, 0);

inline ScriptedAnswer pngAnswer(QColor color)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return ScriptedAnswer::text(200, bytes).withHeader("Content-Type", "image/png");
}

// An invalid colour while the view shows no image.
inline QColor shownColor(const ImageView& view)
{
    return view.image().isNull() ? QColor() : view.image().toImage().pixelColor(0, 0);
}

} // namespace lanterncrest::test
