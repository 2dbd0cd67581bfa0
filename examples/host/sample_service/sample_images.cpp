#include "examples/host/sample_service/sample_images.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lanterncrest {
namespace {

QColor colour(Rgb rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// Black or white, whichever reads better on the background.
QColor inkOn(const QColor &background)
{
    const double luminance =
            0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance > 150 ? QColor(Qt::black) : QColor(Qt::white);
}

bool canDrawText()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

void drawCentredText(QPainter &painter, const QRectF &box, const QString &text, double pixelSize,
                     const QColor &ink)
{
    if (!canDrawText())
        return;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, text);
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A stable pattern choice per identifier, so neighbouring crests differ.
int patternOf(const std::string &id)
{
    int sum = 0;
    for (unsigned char c : id)
        sum += c;
    return sum % 3;
}

} // namespace

QImage drawTeamCrest(const SampleTeam &team, int size)
{
    QImage image = blank(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double m = s * 0.08;

    QPainterPath shield;
    shield.moveTo(m, m + 0.08 * s);
    shield.lineTo(s / 2, m);
    shield.lineTo(s - m, m + 0.08 * s);
    shield.lineTo(s - m, 0.55 * s);
    shield.cubicTo(s - m, 0.78 * s, 0.7 * s, 0.9 * s, s / 2, s - m);
    shield.cubicTo(0.3 * s, 0.9 * s, m, 0.78 * s, m, 0.55 * s);
    shield.closeSubpath();

    const QColor primary = colour(team.primary);
    const QColor secondary = colour(team.secondary);
    painter.fillPath(shield, primary);

    painter.save();
    painter.setClipPath(shield);
    painter.setPen(Qt::NoPen);
    painter.setBrush(secondary);
    switch (patternOf(team.id)) {
    case 0: // a diagonal sash
        painter.drawPolygon(QPolygonF({ QPointF(0, 0.62 * s), QPointF(0.62 * s, 0),
                                        QPointF(0.76 * s, 0), QPointF(0, 0.76 * s) }));
        break;
    case 1: // a chevron at the foot
        painter.drawPolygon(QPolygonF({ QPointF(0, 0.72 * s), QPointF(s / 2, 0.56 * s),
                                        QPointF(s, 0.72 * s), QPointF(s, 0.84 * s),
                                        QPointF(s / 2, 0.68 * s), QPointF(0, 0.84 * s) }));
        break;
    default: // a band across the top
        painter.drawRect(QRectF(0, 0, s, 0.24 * s));
        break;
    }
    painter.restore();

    painter.setPen(QPen(secondary.darker(120), s * 0.035));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shield);

    drawCentredText(painter, QRectF(m, 0.22 * s, s - 2 * m, 0.4 * s),
                    QString::fromStdString(team.initials), s * 0.26, inkOn(primary));
    return image;
}

QImage drawPlayerPhoto(const SamplePlayer &player, const SampleTeam &team, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    const QColor primary = colour(team.primary);
    QLinearGradient backdrop(0, 0, 0, s);
    backdrop.setColorAt(0, primary.lighter(130));
    backdrop.setColorAt(1, primary.darker(160));
    painter.fillRect(QRectF(0, 0, s, s), backdrop);

    // A shirt first, then the neck and head over it.
    const QColor shirt = colour(team.secondary);
    QPainterPath torso;
    torso.moveTo(0.12 * s, s);
    torso.cubicTo(0.12 * s, 0.72 * s, 0.26 * s, 0.64 * s, 0.5 * s, 0.64 * s);
    torso.cubicTo(0.74 * s, 0.64 * s, 0.88 * s, 0.72 * s, 0.88 * s, s);
    torso.closeSubpath();
    painter.setPen(QPen(shirt.darker(130), s * 0.012));
    painter.setBrush(shirt);
    painter.drawPath(torso);

    const QColor skin(0xC9, 0xA0, 0x7A);
    painter.setPen(Qt::NoPen);
    painter.setBrush(skin.darker(110));
    painter.drawRect(QRectF(0.44 * s, 0.52 * s, 0.12 * s, 0.14 * s));
    painter.setBrush(skin);
    painter.drawEllipse(QPointF(0.5 * s, 0.38 * s), 0.16 * s, 0.19 * s);

    drawCentredText(painter, QRectF(0.2 * s, 0.7 * s, 0.6 * s, 0.26 * s),
                    QString::number(player.nationalShirtNumber), s * 0.18, inkOn(shirt));
    return image;
}

QImage drawCountryFlag(const SampleCountry &country, int width)
{
    const int height = std::max(1, width * 2 / 3);
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const int bands = std::max<int>(1, static_cast<int>(country.stripes.size()));
    for (int i = 0; i < bands; ++i) {
        const QColor band = country.stripes.empty()
                ? QColor(Qt::lightGray)
                : colour(country.stripes[static_cast<std::size_t>(i)]);
        const QRectF rect = country.verticalStripes
                ? QRectF(double(width) * i / bands, 0, double(width) / bands + 1, height)
                : QRectF(0, double(height) * i / bands, width, double(height) / bands + 1);
        painter.fillRect(rect, band);
    }
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
    painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
    return image;
}

QImage drawPlaceholder(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xE6, 0xE6, 0xE6));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = std::min(size.width(), size.height()) * 0.5;
    const QRectF frame(size.width() / 2.0 - unit * 0.75, size.height() / 2.0 - unit / 2, unit * 1.5,
                       unit);
    const QColor ink(0xB8, 0xB8, 0xB8);

    painter.setPen(QPen(ink, std::max(1.0, unit * 0.06)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, unit * 0.08, unit * 0.08);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(
            QPointF(frame.left() + frame.width() * 0.72, frame.top() + frame.height() * 0.3),
            unit * 0.1, unit * 0.1);
    painter.drawPolygon(QPolygonF(
            { QPointF(frame.left() + frame.width() * 0.1, frame.bottom() - frame.height() * 0.12),
              QPointF(frame.left() + frame.width() * 0.38, frame.top() + frame.height() * 0.35),
              QPointF(frame.left() + frame.width() * 0.6,
                      frame.bottom() - frame.height() * 0.12) }));
    painter.drawPolygon(QPolygonF(
            { QPointF(frame.left() + frame.width() * 0.45, frame.bottom() - frame.height() * 0.12),
              QPointF(frame.left() + frame.width() * 0.66, frame.top() + frame.height() * 0.52),
              QPointF(frame.left() + frame.width() * 0.9,
                      frame.bottom() - frame.height() * 0.12) }));
    return image;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace lanterncrest
