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

QString httpOrigin(const QString &text)
{
    const std::optional<QUrl> url = httpUrl(text);
    if (!url)
        return {};
    const bool secure = url->scheme() == u"https";
    QString host = url->host(QUrl::FullyEncoded);
    if (host.contains(u':'))
        host = u'[' + host + u']';
    return QStringLiteral("%1://%2:%3").arg(url->scheme(), host).arg(url->port(secure ? 443 : 80));
}

} // namespace lanterncrest
