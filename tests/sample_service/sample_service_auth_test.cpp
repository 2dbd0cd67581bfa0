#include "tests/sample_service/sample_client.h"

#include "api/api_configuration.h"

#include <QTcpSocket>

namespace lanterncrest::test {
namespace {

TEST_F(SampleServiceTest, FirstDataRequestIsRefusedUntilTheClientLogsIn)
{
    const Exchange refused = get(seasonPath(kSeason)); // "Bearer " with no token, as a fresh client sends
    EXPECT_EQ(refused.status, 401);
    EXPECT_TRUE(refused.json().contains("message"));

    const QByteArray token = login();
    ASSERT_FALSE(token.isEmpty());
    EXPECT_EQ(get(seasonPath(kSeason), token).status, 200);
    EXPECT_EQ(get(squadPath("x", kSeason)).status, 401);

    const SampleService::Counters counters = service.counters();
    EXPECT_EQ(counters.dataRequests, 3);
    EXPECT_EQ(counters.unauthorized, 2);
    EXPECT_EQ(counters.loginAttempts, 1);
    EXPECT_EQ(counters.logins, 1);
}

TEST_F(SampleServiceTest, LoginReplyCarriesATokenOfEveryKindTheClientReads)
{
    const Exchange reply = post("v1/clients/web/admin/login",
                                credentials(ApiConfiguration::serviceAccountEmail().toStdString(),
                                            ApiConfiguration::serviceAccountPassword().toStdString()));
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.contentType.startsWith("application/json"));
    const nlohmann::json json = reply.json();
    ASSERT_TRUE(json.is_object());
    EXPECT_EQ(json.value("token_type", ""), "Bearer");
    EXPECT_TRUE(json["expires_in"].is_number_integer());
    EXPECT_GT(json["expires_in"].get<long long>(), 0);
    ASSERT_TRUE(json["access_token"].is_string());
    ASSERT_TRUE(json["refresh_token"].is_string());
    EXPECT_FALSE(json["access_token"].get<std::string>().empty());
    EXPECT_NE(json["access_token"], json["refresh_token"]);
    // Only the access token opens the data.
    EXPECT_EQ(get(seasonPath(kSeason), QByteArray::fromStdString(json["refresh_token"].get<std::string>())).status, 401);
}

TEST_F(SampleServiceTest, WrongOrMalformedCredentialsAreRefusedWithoutAToken)
{
    const std::string email = ApiConfiguration::serviceAccountEmail().toStdString();
    const std::string password = ApiConfiguration::serviceAccountPassword().toStdString();
    const struct {
        const char* name;
        QByteArray body;
        int status;
    } cases[] = {
        {"wrong password", credentials(email, password + "x"), 401},
        {"password cut short", credentials(email, password.substr(1)), 401},
        {"wrong email", credentials("someone." + email, password), 401},
        {"password in other case", credentials(email, QString::fromStdString(password).toUpper().toStdString()), 401},
        {"email and password swapped", credentials(password, email), 401},
        {"missing password", QByteArray::fromStdString(nlohmann::json{{"email", email}}.dump()), 422},
        {"password as a number", R"({"email":"service@lanterncrest.example","password":16})", 422},
        {"array", R"([])", 422},
        {"not JSON", "email=service", 422},
        {"empty body", "", 422},
        {"number too large for a double", R"({"email":1e400})", 422},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Exchange reply = post("v1/clients/web/admin/login", c.body);
        EXPECT_EQ(reply.status, c.status);
        const nlohmann::json json = reply.json();
        EXPECT_TRUE(json.contains("message"));
        EXPECT_FALSE(json.contains("access_token"));
    }
    EXPECT_EQ(service.counters().logins, 0);
    EXPECT_EQ(service.counters().loginAttempts, static_cast<int>(std::size(cases)));
}

TEST_F(SampleServiceTest, OnlyTheExactBearerTokenOpensTheData)
{
    const QByteArray token = login();
    ASSERT_FALSE(token.isEmpty());
    const struct {
        const char* name;
        QByteArray authorization; // null: no header at all
        int status;
    } cases[] = {
        {"no header", QByteArray(), 401},
        {"token without scheme", token, 401},
        {"other scheme", "Basic " + token, 401},
        {"token cut short", "Bearer " + token.left(token.size() - 1), 401},
        {"token with a suffix", "Bearer " + token + "x", 401},
        {"exact", "Bearer " + token, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(getUrl(service.baseUrl() + seasonPath(kSeason), c.authorization).status, c.status);
    }
}

TEST_F(SampleServiceTest, ARestartedServiceRefusesTheTokenOfItsPreviousRun)
{
    const QByteArray oldToken = login();
    ASSERT_FALSE(oldToken.isEmpty());
    network.clearConnectionCache();
    service.stop();
    EXPECT_FALSE(service.isRunning());
    EXPECT_EQ(service.port(), 0);
    EXPECT_TRUE(service.baseUrl().isEmpty());

    ASSERT_TRUE(service.start());
    EXPECT_EQ(get(seasonPath(kSeason), oldToken).status, 401);
    const QByteArray newToken = login();
    EXPECT_NE(newToken, oldToken);
    EXPECT_EQ(get(seasonPath(kSeason), newToken).status, 200);
}

TEST_F(SampleServiceTest, StartingTwiceOrOnATakenPortFails)
{
    EXPECT_FALSE(service.start());
    EXPECT_TRUE(service.baseUrl().startsWith("http://127.0.0.1:"));
    EXPECT_TRUE(service.baseUrl().endsWith("/"));
    EXPECT_TRUE(service.baseUrl().contains(QString::number(service.port())));

    SampleService second;
    EXPECT_FALSE(second.start(service.port()));
    EXPECT_FALSE(second.isRunning());
    EXPECT_TRUE(second.start());
    EXPECT_NE(second.port(), service.port());
}

TEST_F(SampleServiceTest, KeepsAnsweringWhileTheCallersThreadIsBlocked)
{
    // The host's main thread may be busy; the service must not need its event loop.
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), service.port());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write("POST /v1/clients/web/admin/login HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 2\r\n"
                 "Connection: close\r\n\r\n{}");
    QByteArray answer;
    while (socket.waitForReadyRead(5000))
        answer += socket.readAll();
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 422")) << answer.left(40).toStdString();
}

TEST_F(SampleServiceTest, UnknownPathsGetAJsonNotFound)
{
    const QByteArray token = login();
    for (const QString& path : {QStringLiteral("v1/players/abc"), QStringLiteral("v1/korvex-players"),
                                QStringLiteral("images/team/../../etc.png"), QStringLiteral("")}) {
        SCOPED_TRACE(path.toStdString());
        const Exchange reply = get(path, token);
        EXPECT_EQ(reply.status, 404);
        EXPECT_TRUE(reply.json().contains("message"));
    }
}

} // namespace
} // namespace lanterncrest::test
