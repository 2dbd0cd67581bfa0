#include "api/api_configuration.h"

#include "api/service_account.h"
#include "platform/foundation/console.h"
#include "platform/http/http_url.h"

#include <utility>

namespace lanterncrest {

namespace {
constexpr auto compiledBase = "https://api.lcrestdata.io/";
} // namespace

QString &ApiConfiguration::settledBaseUrl()
{
    static QString resolved = [] {
        const QByteArray overrideText = qgetenv(baseUrlVariable);
        QString base = resolveBaseUrl(overrideText);
        if (!overrideText.isEmpty() && base == compiledBaseUrl())
            Console::print(
                    QStringLiteral("%1 is not an http(s) base URL; using the built-in service")
                            .arg(QLatin1String(baseUrlVariable)));
        return base;
    }();
    return resolved;
}

QString ApiConfiguration::baseUrl()
{
    return settledBaseUrl();
}

QString ApiConfiguration::setBaseUrl(const QString &overrideText)
{
    return std::exchange(settledBaseUrl(), resolveBaseUrl(overrideText.toUtf8()));
}

QString ApiConfiguration::origin()
{
    return httpOrigin(baseUrl());
}

QString ApiConfiguration::compiledBaseUrl()
{
    return QString::fromLatin1(compiledBase);
}

QString ApiConfiguration::resolveBaseUrl(const QByteArray &overrideText)
{
    const QString text = QString::fromUtf8(overrideText).trimmed();
    if (text.isEmpty())
        return compiledBaseUrl();
    const std::optional<QUrl> url = httpUrl(text);
    if (!url || url->hasQuery() || url->hasFragment())
        return compiledBaseUrl();
    return text.endsWith(u'/') ? text : text + u'/';
}

QString ApiConfiguration::serviceAccountEmail()
{
    return QString::fromLatin1(ServiceAccount::email);
}

QString ApiConfiguration::serviceAccountPassword()
{
    return QString::fromLatin1(ServiceAccount::password);
}

} // namespace lanterncrest
