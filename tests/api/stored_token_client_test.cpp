#include "api/api_configuration.h"
#include "api/network_manager.h"
#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"
#include "platform/http/http_url.h"
#include "records/answers.h"
#include "tests/api/api_client_fixture.h"
#include "tests/support/read_only_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

const QByteArray seasonBody = R"({"data":[{"id":"t1"}]})";

// The access token that the next start reads from disk.
QString tokenOnDisk()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath("next-start.conf");
    if (!QFile::copy(QSettings().fileName(), copy))
        return {};
    return UserDefaults(copy)
            .dictionary(authorizationDataKey)
            .value_or(QVariantMap())
            .value("auth_access_token")
            .toString();
}

// A service that answers a login with `token` and serves the season only to a request that
// carries it; any other request is refused with 401.
void admitOnly(LoopbackService &service, const QByteArray &token)
{
    service.answer(loginPath, ScriptedAnswer::json(200, R"({"access_token":")" + token + "\"}"));
    service.setResponder([token](const RecordedRequest &request) {
        return std::optional(request.header("Authorization") == "Bearer " + token
                                     ? ScriptedAnswer::json(200, seasonBody)
                                     : ScriptedAnswer::json(401, "{}"));
    });
}

QStringList authorizations(const LoopbackService &service)
{
    QStringList sent;
    for (const RecordedRequest &request : service.requests())
        sent.append(QString::fromUtf8(request.header("Authorization").value_or("(none)")));
    return sent;
}

class StoredTokenClientTest : public ApiClientTest
{
protected:
    std::shared_ptr<NetworkManager> client =
            std::make_shared<NetworkManager>(SessionConfiguration{ 5s, 5s });

    bool requestSeasonSucceeds()
    {
        const auto calls =
                requestAndWait<SeasonTeams>(*client, NetworkAPI::getSeasonTeams(seasonId));
        return calls.size() == 1 && calls.front().isSuccess();
    }
};

// The user points the host at another service: the token of the first never reaches the
// second, which logs in for a token of its own, and neither goes back to the first.
TEST_F(StoredTokenClientTest, AStoredTokenGoesOnlyToTheServiceThatIssuedIt)
{
    LoopbackService other;
    admitOnly(apiService(), "token-of-first");
    admitOnly(other, "token-of-other");
    ASSERT_TRUE(requestSeasonSucceeds());
    EXPECT_EQ(authorizations(apiService()),
              (QStringList{ "Bearer ", "Bearer ", "Bearer token-of-first" }));

    const QString first = ApiConfiguration::setBaseUrl(other.url());
    const auto pointBack = qScopeGuard([&] { ApiConfiguration::setBaseUrl(first); });
    ASSERT_TRUE(requestSeasonSucceeds());
    ASSERT_TRUE(requestSeasonSucceeds());
    EXPECT_EQ(authorizations(other),
              (QStringList{ "Bearer ", "Bearer ", "Bearer token-of-other",
                            "Bearer token-of-other" }));
    EXPECT_EQ(other.requestCount(loginPath), 1);
    EXPECT_EQ(UserDefaults::standard().object(authorizationOriginKey),
              QStringLiteral("http://127.0.0.1:%1").arg(other.port()));
    EXPECT_EQ(getAccessToken(), "token-of-other");

    ApiConfiguration::setBaseUrl(first);
    apiService().clearRequests();
    ASSERT_TRUE(requestSeasonSucceeds());
    EXPECT_EQ(authorizations(apiService()),
              (QStringList{ "Bearer ", "Bearer ", "Bearer token-of-first" }));
}

TEST_F(StoredTokenClientTest, ATokenStoredWithoutItsServiceGoesToTheConfiguredService)
{
    // As an earlier version left it: the dictionary alone.
    UserDefaults::standard().set(authorizationDataKey,
                                 QVariantMap{ { "auth_access_token", QStringLiteral("kept") } });
    UserDefaults::standard().removeObject(authorizationOriginKey);
    admitOnly(apiService(), "kept");
    ASSERT_TRUE(requestSeasonSucceeds());
    EXPECT_EQ(authorizations(apiService()), QStringList{ "Bearer kept" });
}

// When the settings can't be written, or not as the owner's alone, the login still serves this
// run, the console and the daily log say that the token was not stored (never the token
// itself), and what stands at the settings path keeps its mode and bytes. Once the file can be
// written again, the next login is stored quietly.
TEST_F(StoredTokenClientTest, ATokenThatCannotBeStoredIsSaidAndKeptForThisRun)
{
    enum class Obstacle { directoryAtPath, readOnlyFolder, linkToAnotherFile };
    const QString path = QSettings().fileName();
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryDir elsewhere;
    const QString linkTarget = elsewhere.filePath("shared.conf");
    for (const auto &[obstacle, name] :
         { std::pair(Obstacle::directoryAtPath, "a directory at the settings path"),
           std::pair(Obstacle::readOnlyFolder, "a read-only settings folder"),
           std::pair(Obstacle::linkToAnotherFile, "a link to a file others may read") }) {
        SCOPED_TRACE(name);
        restart();
        saveAuthorizationDetails({ "Bearer", 60, "old-token", std::nullopt });
        {
            std::optional<ReadOnlyFolder> readOnly;
            const auto clearPath = qScopeGuard([&] {
                QDir().rmdir(path);
                if (QFileInfo(path).isSymLink())
                    QFile::remove(path);
            });
            switch (obstacle) {
            case Obstacle::directoryAtPath:
                ASSERT_TRUE(QFile::remove(path) && QDir().mkdir(path));
                break;
            case Obstacle::readOnlyFolder:
                readOnly.emplace(folder);
                ASSERT_TRUE(readOnly->refusesWrites());
                break;
            case Obstacle::linkToAnotherFile: {
                QFile target(linkTarget);
                ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("[General]\nx=1\n"));
                target.close();
                ASSERT_TRUE(target.setPermissions(QFile::ReadOwner | QFile::WriteOwner
                                                  | QFile::ReadGroup | QFile::ReadOther));
                ASSERT_TRUE(QFile::remove(path) && QFile::link(linkTarget, path));
                break;
            }
            }
            const QString standing = obstacle == Obstacle::readOnlyFolder ? folder : path;
            const QFile::Permissions standingMode = QFile::permissions(standing);
            const QByteArray storedBefore = settingsFile();

            admitOnly(apiService(), "fresh-token");
            ASSERT_TRUE(requestSeasonSucceeds());
            EXPECT_EQ(authorizations(apiService()).last(), "Bearer fresh-token");
            EXPECT_EQ(QFile::permissions(standing), standingMode);
            EXPECT_EQ(settingsFile(), storedBefore);

            const QStringList said = printed().filter("access token could not be stored");
            EXPECT_EQ(said.size(), 1) << printed().join('\n').toStdString();
            EXPECT_TRUE(said.value(0).contains(path));
            EXPECT_EQ(logged(), logLine(said.value(0)));
            EXPECT_FALSE(printed().join('\n').contains("fresh-token"));
            EXPECT_FALSE(logged().contains("fresh-token"));
        }
        const qsizetype printedBefore = printed().size();
        saveAuthorizationDetails({ "Bearer", 60, "later-token", std::nullopt });
        EXPECT_EQ(printed().size(), printedBefore);
        EXPECT_EQ(tokenOnDisk(), "later-token");
        EXPECT_EQ(getAccessToken(), "later-token");
    }
}

} // namespace
} // namespace lanterncrest::test
