#include "platform/http/request_builder.h"

#include "platform/http/http_url.h"

namespace lanterncrest {

namespace {

bool isTokenCharacter(char c)
{
    static constexpr std::string_view extra = "!#$%&'*+-.^_`|~";
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || extra.find(c) != std::string_view::npos;
}

// Header names are tokens: anything else (blanks, colons, controls) is dropped.
QByteArray headerNameSafe(const QString &name)
{
    QByteArray out;
    for (char c : name.toLatin1())
        if (isTokenCharacter(c))
            out += c;
    return out;
}

QByteArray scalarText(const nlohmann::json &value)
{
    if (value.is_string()) {
        const auto &text = value.get_ref<const std::string &>();
        return QByteArray(text.data(), qsizetype(text.size()));
    }
    if (value.is_boolean())
        return value.get<bool>() ? "1" : "0";
    return QByteArray::fromStdString(value.dump());
}

void appendQueryItems(QByteArrayList &items, const QByteArray &key, const nlohmann::json &value)
{
    if (value.is_object()) {
        for (const auto &[sub, member] : value.items())
            appendQueryItems(items, key + '[' + QByteArray::fromStdString(sub) + ']', member);
    } else if (value.is_array()) {
        for (const auto &element : value)
            appendQueryItems(items, key + "[]", element);
    } else if (value.is_null()) {
        items.append(QUrl::toPercentEncoding(key));
    } else {
        items.append(QUrl::toPercentEncoding(key) + '='
                     + QUrl::toPercentEncoding(scalarText(value)));
    }
}

} // namespace

QByteArray percentEncodedQuery(const nlohmann::json &parameters)
{
    QByteArrayList items;
    if (parameters.is_object())
        for (const auto &[key, value] : parameters.items())
            appendQueryItems(items, QByteArray::fromStdString(key), value);
    return items.join('&');
}

std::variant<BuiltRequest, HttpError> buildRequest(const QString &urlText, HttpMethod method,
                                                   const nlohmann::json &parameters,
                                                   ParameterEncoding encoding,
                                                   const HttpHeaders &headers)
{
    std::optional<QUrl> url = httpUrl(urlText);
    if (!url)
        return HttpError::make(HttpError::Kind::InvalidUrl, urlText);
    if (!parameters.is_null() && !parameters.is_object())
        return HttpError::make(HttpError::Kind::ParameterEncodingFailed,
                               QStringLiteral("the parameters are not a dictionary."));

    BuiltRequest built;
    built.verb = method == HttpMethod::Post ? "POST" : "GET";
    QByteArray contentType;
    if (encoding == ParameterEncoding::Json) {
        if (!parameters.is_null()) {
            try {
                built.body = QByteArray::fromStdString(parameters.dump());
            } catch (const nlohmann::json::exception &) {
                return HttpError::make(HttpError::Kind::ParameterEncodingFailed,
                                       QStringLiteral("a text is not valid UTF-8."));
            }
            contentType = "application/json";
        }
    } else if (const QByteArray query = percentEncodedQuery(parameters); !query.isEmpty()) {
        if (method == HttpMethod::Get) {
            const QString existing = url->query(QUrl::FullyEncoded);
            url->setQuery(existing.isEmpty() ? QString::fromLatin1(query)
                                             : existing + '&' + QString::fromLatin1(query));
        } else {
            built.body = query;
            contentType = "application/x-www-form-urlencoded; charset=utf-8";
        }
    }

    built.request.setUrl(*url);
    for (const auto &[name, value] : headers) {
        const QByteArray safeName = headerNameSafe(name);
        if (!safeName.isEmpty())
            built.request.setRawHeader(safeName, headerSafe(value).toUtf8());
    }
    if (!contentType.isEmpty() && !headers.value(QStringLiteral("Content-Type")))
        built.request.setRawHeader("Content-Type", contentType);
    built.request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                               QNetworkRequest::SameOriginRedirectPolicy);
    built.request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                               QNetworkRequest::AlwaysNetwork);
    built.request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    return built;
}

} // namespace lanterncrest
