#include "api/token_store.h"

#include "platform/foundation/user_defaults.h"

namespace lanterncrest {

namespace {
constexpr auto accessTokenKey = "auth_access_token";
constexpr auto tokenTypeKey = "auth_token_type";
constexpr auto expiresInKey = "auth_expires_in";
constexpr auto refreshTokenKey = "auth_refresh_token";

void insertText(QVariantMap &map, const char *key, const std::optional<std::string> &value)
{
    if (value)
        map.insert(QLatin1String(key), QString::fromStdString(*value));
}
} // namespace

void saveAuthorizationDetails(const AuthorizationDetails &details)
{
    QVariantMap data;
    insertText(data, accessTokenKey, details.access_token);
    insertText(data, tokenTypeKey, details.token_type);
    if (details.expires_in)
        data.insert(QLatin1String(expiresInKey), qlonglong(*details.expires_in));
    insertText(data, refreshTokenKey, details.refresh_token);

    UserDefaults &defaults = UserDefaults::standard();
    defaults.restrictToOwner(); // the token is the owner's alone
    defaults.set(QLatin1String(authorizationDataKey), data);
    defaults.synchronize();
}

std::optional<QVariantMap> getAuthorizationData()
{
    UserDefaults &defaults = UserDefaults::standard();
    defaults.synchronize();
    return defaults.dictionary(QLatin1String(authorizationDataKey));
}

QString getAccessToken()
{
    const std::optional<QVariantMap> data = getAuthorizationData();
    if (!data)
        return {};
    const QVariant token = data->value(QLatin1String(accessTokenKey));
    return token.typeId() == QMetaType::QString ? token.toString() : QString();
}

} // namespace lanterncrest
