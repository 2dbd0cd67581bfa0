#include "screens/teams/web_image.h"

#include <QPointer>

#include "platform/ui/image_loader.h"
#include "platform/ui/image_view.h"

namespace lanterncrest {

namespace {

// Besides the unreserved characters (letters, digits, "-", ".", "_", "~"), which are never
// encoded, the sub-delimiters and ":", "@", "/", "?" may stand in a query as they are.
constexpr char queryAllowedPunctuation[] = "!$&'()*+,;=:@/?";

// Not std::isxdigit: the application's locale must not decide what an escape is.
bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isEscapeAt(const QByteArray &bytes, qsizetype at)
{
    return bytes[at] == '%' && at + 2 < bytes.size() && isHexDigit(bytes[at + 1])
            && isHexDigit(bytes[at + 2]);
}

} // namespace

QString requestUrlText(const QString &urlString)
{
    const QByteArray bytes = urlString.trimmed().toUtf8();
    QByteArray text;
    text.reserve(bytes.size());
    // The service may send a URL it has already encoded: its escapes go out as they came, and
    // only what lies between them is encoded.
    qsizetype plainFrom = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (!isEscapeAt(bytes, at))
            continue;
        text += bytes.sliced(plainFrom, at - plainFrom).toPercentEncoding(queryAllowedPunctuation);
        text += bytes.sliced(at, 3);
        at += 2;
        plainFrom = at + 1;
    }
    text += bytes.sliced(plainFrom).toPercentEncoding(queryAllowedPunctuation);
    return QString::fromLatin1(text);
}

void setImage(ImageView &view, const std::optional<QString> &urlString, const QString &placeholder)
{
    auto &loader = ImageLoader::shared();
    if (!urlString) {
        loader.setImage(&view, QString(), placeholder);
        return;
    }
    loader.setImage(&view, requestUrlText(*urlString), placeholder,
                    [target = QPointer<ImageView>(&view)](bool loaded) {
                        if (loaded && target)
                            target->changeLayerStyle([](LayerStyle &style) {
                                style.backgroundColor = QColor(Qt::transparent);
                            });
                    });
}

} // namespace lanterncrest
