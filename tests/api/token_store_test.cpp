#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"
#include "platform/http/http_url.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

const AuthorizationDetails fullLogin{ "Bearer", 31536000, "eyJ0eXAi.first", "def50200.refresh" };

TEST(TokenStore, ALoginReplacesTheStoredEntriesWholeAndSurvivesARelaunch)
{
    UserDefaults::standard().removeObject(authorizationDataKey);
    EXPECT_EQ(getAccessToken(), QString());
    saveAuthorizationDetails({ std::nullopt, std::nullopt, "first", "refresh" });
    saveAuthorizationDetails(fullLogin);

    // The next launch reads the file from disk, not this process's settings cache.
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QSettings().fileName(), dir.filePath("relaunch.conf")));
    EXPECT_EQ(UserDefaults(dir.filePath("relaunch.conf")).dictionary(authorizationDataKey),
              (QVariantMap{ { "auth_access_token", QStringLiteral("eyJ0eXAi.first") },
                            { "auth_expires_in", qlonglong(31536000) },
                            { "auth_refresh_token", QStringLiteral("def50200.refresh") },
                            { "auth_token_type", QStringLiteral("Bearer") } }));

    saveAuthorizationDetails({ std::nullopt, std::nullopt, "second", std::nullopt });
    EXPECT_EQ(getAuthorizationData(),
              (QVariantMap{ { "auth_access_token", QStringLiteral("second") } }));
}

TEST(TokenStore, TheSettingsFileIsCreatedOrNarrowedToItsOwnerAlone)
{
    const QString path = QSettings().fileName();
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    // No permissions: no file yet.
    for (const QFile::Permissions found :
         { QFile::Permissions(), ownerOnly | QFile::ReadGroup | QFile::ReadOther,
           ownerOnly | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
                   | QFile::WriteOther }) {
        SCOPED_TRACE(found.toInt());
        found ? (void)QFile::setPermissions(path, found) : (void)QFile::remove(path);
        saveAuthorizationDetails(fullLogin);
        EXPECT_EQ(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), ownerOnly);
        EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");
    }
}

TEST(TokenStore, AStoredValueOfAnotherKindReadsAsNoTokenUntilTheNextLogin)
{
    for (const QVariant &corrupted :
         { QVariant(QStringLiteral("not a dictionary")), QVariant(QStringList{ "a", "b" }),
           QVariant(QVariantMap{ { "auth_access_token", qlonglong(42) } }) }) {
        SCOPED_TRACE(corrupted.typeName());
        UserDefaults::standard().set(authorizationDataKey, corrupted);
        EXPECT_EQ(getAccessToken(), QString());
        saveAuthorizationDetails(fullLogin);
        EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");
    }
}

// One origin however the URL spells it; another scheme, host or port is another service.
TEST(TokenStore, ATokenIsForTheOriginOfTheServiceThatIssuedIt)
{
    struct Row
    {
        const char *issuer;
        const char *request;
        bool sameService;
    };
    const Row rows[] = {
        { "https://api.example.com/", "https://API.Example.com:443/v1/x?id=1", true },
        { "http://example.com:80/", "http://example.com/v1/x", true },
        { "http://[::1]:8080/", "http://[0:0::1]:8080/", true },
        { "https://example.com/", "http://example.com/", false },
        { "https://example.com:80/", "http://example.com/", false },
        { "https://example.com/", "https://example.com:8443/", false },
        { "https://example.com/", "https://example.com.other.net/", false },
        { "http://127.0.0.1:8080/", "http://localhost:8080/", false },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.issuer) + " then " + row.request);
        saveAuthorizationDetails(fullLogin, httpOrigin(row.issuer));
        EXPECT_EQ(accessTokenFor(httpOrigin(row.request)), row.sameService ? "eyJ0eXAi.first" : "");
        EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");
    }
}

} // namespace
} // namespace lanterncrest
