#include "platform/http/http_url.h"

namespace lanterncrest {

std::optional<QUrl> httpUrl(const QString &text)
{
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return std::nullopt;
    return url;
}

} // namespace lanterncrest
