#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

class TokenStoreTest : public ::testing::Test {
protected:
    void SetUp() override { UserDefaults::standard().removeObject(authorizationDataKey); }
    const AuthorizationDetails fullLogin{"Bearer", 31536000, "eyJ0eXAi.first", "def50200.refresh"};
};

TEST_F(TokenStoreTest, ALoginReplacesTheStoredEntriesWholeAndSurvivesARelaunch)
{
    EXPECT_EQ(getAccessToken(), QString());
    saveAuthorizationDetails({std::nullopt, std::nullopt, "first", "refresh"});
    saveAuthorizationDetails(fullLogin);
    EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");

    // The next launch reads the file from disk, not this process's settings cache.
    ASSERT_TRUE(UserDefaults::standard().synchronize());
    QTemporaryDir dir;
    const QString copy = dir.filePath("relaunch.conf");
    ASSERT_TRUE(QFile::copy(QSettings().fileName(), copy));
    EXPECT_EQ(UserDefaults(copy).dictionary(authorizationDataKey),
              (QVariantMap{{"auth_access_token", QStringLiteral("eyJ0eXAi.first")}, {"auth_expires_in", qlonglong(31536000)},
                           {"auth_refresh_token", QStringLiteral("def50200.refresh")}, {"auth_token_type", QStringLiteral("Bearer")}}));

    saveAuthorizationDetails({std::nullopt, std::nullopt, "second", std::nullopt});
    EXPECT_EQ(getAuthorizationData(), (QVariantMap{{"auth_access_token", QStringLiteral("second")}}));
}

TEST_F(TokenStoreTest, AStoredValueOfAnotherKindReadsAsNoTokenUntilTheNextLogin)
{
    for (const QVariant& corrupted : {QVariant(QStringLiteral("not a dictionary")), QVariant(QStringList{"a", "b"}),
                                      QVariant(QVariantMap{{"auth_access_token", qlonglong(42)}})}) {
        SCOPED_TRACE(corrupted.typeName());
        UserDefaults::standard().set(authorizationDataKey, corrupted);
        EXPECT_EQ(getAccessToken(), QString());
        saveAuthorizationDetails(fullLogin);
        EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");
    }
}

} // namespace
} // namespace lanterncrest
