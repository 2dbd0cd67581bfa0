#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace lanterncrest {

struct DecodedImage
{
    QImage image; // null when the bytes are no image or one over the pixel cap
    bool reduced = false; // scaled down from the file's own size
};

// Decodes an image file, refusing one of more than `maxPixels` pixels. When `bound` (device
// pixels) is not empty and the image is larger, it is scaled down while it decodes, where the
// format allows, to the smallest size that covers `bound` with its aspect ratio kept: sharp in
// a view of that size in every content mode, and never more pixels than such a view needs.
DecodedImage decodeImage(const QByteArray &bytes, qint64 maxPixels, QSize bound);

} // namespace lanterncrest
