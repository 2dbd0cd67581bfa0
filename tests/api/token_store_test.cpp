#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

AuthorizationDetails fullLogin()
{
    return {"Bearer", 31536000, "eyJ0eXAi.first", "def50200.refresh"};
}

class TokenStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDefaults::standard().removeObject(authorizationDataKey);
        UserDefaults::standard().synchronize();
    }
};

TEST_F(TokenStoreTest, NothingStoredReadsAsNoToken)
{
    EXPECT_EQ(getAuthorizationData(), std::nullopt);
    EXPECT_EQ(getAccessToken(), QString());
}

TEST_F(TokenStoreTest, StoresExactlyThePresentMembersWithTheirKinds)
{
    saveAuthorizationDetails(fullLogin());
    const auto data = getAuthorizationData();
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->keys(), (QStringList{"auth_access_token", "auth_expires_in", "auth_refresh_token", "auth_token_type"}));
    EXPECT_EQ(data->value("auth_access_token").typeId(), QMetaType::QString);
    EXPECT_EQ(data->value("auth_token_type").typeId(), QMetaType::QString);
    EXPECT_EQ(data->value("auth_expires_in").typeId(), QMetaType::LongLong);
    EXPECT_EQ(data->value("auth_refresh_token").typeId(), QMetaType::QString);
    EXPECT_EQ(data->value("auth_expires_in").toLongLong(), 31536000);
    EXPECT_EQ(data->value("auth_refresh_token").toString(), "def50200.refresh");
    EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");

    saveAuthorizationDetails({});
    EXPECT_EQ(getAuthorizationData(), QVariantMap());
    EXPECT_EQ(getAccessToken(), QString());
}

TEST_F(TokenStoreTest, ANewLoginReplacesThePreviousEntriesWhole)
{
    saveAuthorizationDetails(fullLogin());
    saveAuthorizationDetails({std::nullopt, std::nullopt, "second", std::nullopt});
    EXPECT_EQ(getAuthorizationData(), (QVariantMap{{"auth_access_token", QStringLiteral("second")}}));
    EXPECT_EQ(getAccessToken(), "second");
}

TEST_F(TokenStoreTest, TheTokenIsKeptAsReceived)
{
    const std::string odd = " tok\r\nen\t\xD9\x85 ";
    saveAuthorizationDetails({std::nullopt, std::nullopt, odd, std::nullopt});
    EXPECT_EQ(getAccessToken(), QString::fromStdString(odd));
}

TEST_F(TokenStoreTest, ValuesOfAnotherKindReadAsNothingStored)
{
    UserDefaults& defaults = UserDefaults::standard();
    defaults.set(authorizationDataKey, QStringLiteral("not a dictionary"));
    EXPECT_EQ(getAuthorizationData(), std::nullopt);
    EXPECT_EQ(getAccessToken(), QString());

    defaults.set(authorizationDataKey, QStringList{"a", "b"});
    EXPECT_EQ(getAuthorizationData(), std::nullopt);

    defaults.set(authorizationDataKey, QVariantMap{{"auth_access_token", qlonglong(42)}});
    EXPECT_TRUE(getAuthorizationData().has_value());
    EXPECT_EQ(getAccessToken(), QString());

    // Whatever was there, the next login writes a fresh dictionary.
    saveAuthorizationDetails(fullLogin());
    EXPECT_EQ(getAccessToken(), "eyJ0eXAi.first");
}

TEST_F(TokenStoreTest, TheTokenSurvivesARelaunch)
{
    saveAuthorizationDetails(fullLogin());

    // The next launch reads the file from disk, not this process's settings cache.
    QTemporaryDir dir;
    const QString copy = dir.filePath("relaunch.conf");
    ASSERT_TRUE(QFile::copy(QSettings().fileName(), copy));
    const auto data = UserDefaults(copy).dictionary(authorizationDataKey);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->value("auth_access_token"), QStringLiteral("eyJ0eXAi.first"));
    EXPECT_EQ(data->value("auth_expires_in").typeId(), QMetaType::LongLong);
}

} // namespace
} // namespace lanterncrest
