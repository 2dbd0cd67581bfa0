#include "platform/ui/image_decoding.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <climits>

namespace lanterncrest {

namespace {

QSize coveringSize(QSize source, QSize bound)
{
    if (bound.isEmpty())
        return source;
    const QSize covering = source.scaled(bound, Qt::KeepAspectRatioByExpanding);
    return covering.width() < source.width() ? covering : source;
}

} // namespace

DecodedImage decodeImage(const QByteArray &bytes, qint64 maxPixels, QSize bound)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const auto tooLarge = [maxPixels](QSize size) {
        return qint64(size.width()) * size.height() > maxPixels;
    };
    // Formats that announce their size are refused before decoding and scaled while they
    // decode; the allocation limit guards those that do not.
    const QSize announced = reader.size();
    if (announced.isValid() && tooLarge(announced))
        return {};
    reader.setAllocationLimit(int(std::min<qint64>(maxPixels * 4 / (1024 * 1024) + 1, INT_MAX)));
    const QSize target = announced.isValid() ? coveringSize(announced, bound) : QSize();
    bool reduced = target != announced;
    if (reduced)
        reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull() || tooLarge(image.size()))
        return {};
    if (!announced.isValid()) {
        const QSize covering = coveringSize(image.size(), bound);
        reduced = covering != image.size();
        if (reduced)
            image = image.scaled(covering, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return { std::move(image), reduced };
}

} // namespace lanterncrest
