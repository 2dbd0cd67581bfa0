#include "api/token_store.h"

#include "api/logger.h"
#include "platform/foundation/console.h"
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

// Said where the developer and the user look, so that the next start's login is no surprise.
void reportUnstoredToken(const QString &settingsFile)
{
    const QString message = QStringLiteral("The access token could not be stored in %1; it is "
                                           "kept for this run only")
                                    .arg(settingsFile);
    Console::print(message);
    Logger::log(message);
}

// A login whose settings file could not be made its owner's alone: the token never goes to
// that file, and this run reads it from here instead.
struct HeldLogin
{
    QVariantMap data;
    QString origin;
};

std::optional<HeldLogin> &heldForThisRun()
{
    static std::optional<HeldLogin> held;
    return held;
}
} // namespace

void saveAuthorizationDetails(const AuthorizationDetails &details, const QString &origin)
{
    QVariantMap data;
    insertText(data, accessTokenKey, details.access_token);
    insertText(data, tokenTypeKey, details.token_type);
    if (details.expires_in)
        data.insert(QLatin1String(expiresInKey), qlonglong(*details.expires_in));
    insertText(data, refreshTokenKey, details.refresh_token);

    UserDefaults &defaults = UserDefaults::standard();
    std::optional<HeldLogin> &held = heldForThisRun();
    // The token is the owner's alone: it goes only into a file that no one else may read.
    if (!defaults.restrictToOwner()) {
        held = HeldLogin{ data, origin };
        reportUnstoredToken(defaults.fileName());
        return;
    }
    held.reset();
    defaults.set(QLatin1String(authorizationDataKey), data);
    defaults.set(QLatin1String(authorizationOriginKey), origin);
    // What could not be written stays readable in the user defaults for this run.
    if (!defaults.synchronize())
        reportUnstoredToken(defaults.fileName());
}

std::optional<QVariantMap> getAuthorizationData()
{
    if (const std::optional<HeldLogin> &held = heldForThisRun())
        return held->data;
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

QString accessTokenFor(const QString &origin)
{
    const QString token = getAccessToken();
    const std::optional<HeldLogin> &held = heldForThisRun();
    const QVariant issuer = held
            ? held->origin
            : UserDefaults::standard().object(QLatin1String(authorizationOriginKey));
    const QVariant effectiveIssuer = issuer.isValid() ? issuer : ApiConfiguration::origin();
    const bool issuedThere =
            effectiveIssuer.typeId() == QMetaType::QString && effectiveIssuer.toString() == origin;
    return issuedThere ? token : QString();
}

} // namespace lanterncrest
