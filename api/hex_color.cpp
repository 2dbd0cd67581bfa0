#include "api/hex_color.h"

#include "api/string_extensions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace lanterncrest {

namespace {
int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Reads a hexadecimal number the way a text scanner does: leading blanks skipped, an
// optional "0x", then as many digits as there are; 0 when there are none, saturated on
// overflow.
std::uint32_t scanHexNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (text.sliced(i).startsWith(u"0x", Qt::CaseInsensitive) && i + 2 < text.size()
        && hexDigitValue(text.at(i + 2)) >= 0)
        i += 2;
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = hexDigitValue(text.at(i));
        if (digit < 0)
            break;
        value = std::min<std::uint64_t>(value * 16 + digit,
                                        std::numeric_limits<std::uint32_t>::max());
    }
    return static_cast<std::uint32_t>(value);
}
} // namespace

QColor colorFromHexString(const QString &hexString, double alpha)
{
    const QStringView digits =
            hexString.startsWith(u'#') ? QStringView(hexString).sliced(1) : QStringView(hexString);
    const std::uint32_t value = scanHexNumber(digits);
    int red = 0, green = 0, blue = 0;
    switch (length(digits.toString())) {
    case 3:
        red = ((value >> 8) & 0xF) * 17;
        green = ((value >> 4) & 0xF) * 17;
        blue = (value & 0xF) * 17;
        break;
    case 6:
        red = (value >> 16) & 0xFF;
        green = (value >> 8) & 0xFF;
        blue = value & 0xFF;
        break;
    default:
        break;
    }
    QColor color(red, green, blue);
    color.setAlphaF(std::isnan(alpha) ? 1.0 : std::clamp(alpha, 0.0, 1.0));
    return color;
}

} // namespace lanterncrest
