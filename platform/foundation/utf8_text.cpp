#include "platform/foundation/utf8_text.h"

#include <QStringDecoder>

#include <algorithm>

namespace lanterncrest {

QString utf8Text(QByteArrayView bytes, QStringView before)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    // Never more UTF-16 units than bytes.
    QString text(before.size() + bytes.size(), Qt::Uninitialized);
    std::copy(before.begin(), before.end(), text.begin());
    // Qt's own conversion is much faster and agrees wherever the bytes are well-formed; it only
    // differs in how many U+FFFD stand for bad bytes.
    if (bytes.isValidUtf8()) {
        // The one byte-order mark dropped is the one above; a second is text.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless
                                       | QStringDecoder::Flag::ConvertInitialBom);
        const QChar *end = decoder.appendToBuffer(text.data() + before.size(), bytes);
        text.truncate(end - text.constData());
        return text;
    }
    char16_t *out = reinterpret_cast<char16_t *>(text.data()) + before.size();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype at = 0; at < size;) {
        const unsigned char lead = in[at];
        if (lead < 0x80) {
            *out++ = lead;
            ++at;
            continue;
        }
        // How long a sequence this byte starts, and where its second byte must lie (the table
        // of well-formed UTF-8 in the Unicode standard: no overlong forms, no surrogates,
        // nothing past U+10FFFF).
        int length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        char32_t code = lead & (0x7F >> length);
        int taken = 1;
        for (; taken < length && at + taken < size; ++taken) {
            const unsigned char next = in[at + taken];
            if (next < (taken == 1 ? low : 0x80) || next > (taken == 1 ? high : 0xBF))
                break;
            code = (code << 6) | (next & 0x3F);
        }
        at += taken; // a bad lead byte alone, or the well-formed start of a sequence cut short
        if (length == 0 || taken < length) {
            *out++ = u'\uFFFD';
        } else if (code > 0xFFFF) {
            *out++ = QChar::highSurrogate(code);
            *out++ = QChar::lowSurrogate(code);
        } else {
            *out++ = char16_t(code);
        }
    }
    text.truncate(out - reinterpret_cast<char16_t *>(text.data()));
    return text;
}

} // namespace lanterncrest
