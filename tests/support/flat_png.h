#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace lanterncrest::test {

inline QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A PNG file of one colour: few bytes however many pixels it has.
inline QByteArray flatPng(QColor color, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return pngOf(image);
}

} // namespace lanterncrest::test
