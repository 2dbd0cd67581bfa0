#include "api/request_text.h"

#include <QUrl>

namespace lanterncrest {

QString percentEncodedPathSegment(const QString &value)
{
    if (value == u"." || value == u"..")
        return QString(value).replace(u'.', QStringLiteral("%252E"));
    return percentEncodedQueryValue(value);
}

QString percentEncodedQueryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace lanterncrest
