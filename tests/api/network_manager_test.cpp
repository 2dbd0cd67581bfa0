#include "api/api_configuration.h"
#include "api/network_manager.h"
#include "api/token_store.h"
#include "records/answers.h"
#include "tests/api/api_client_fixture.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;
using Kind = HttpError::Kind;

const QByteArray seasonBody =
    R"({"data":[{"id":"t1","en_name":"Lions","ar_name":"الأسود","matches_count":30}],"meta":{"pagination":{"total":1}}})";
const QByteArray loginBody =
    R"({"token_type":"Bearer","expires_in":3600,"access_token":"fresh-token","refresh_token":"refresh-secret"})";

SessionConfiguration shortTimeOuts(std::chrono::milliseconds timeout)
{
    return SessionConfiguration{timeout, timeout};
}

class NetworkManagerTest : public ApiClientTest {
protected:
    std::shared_ptr<NetworkManager> client = std::make_shared<NetworkManager>(shortTimeOuts(5s));
    const QString seasonUrl = apiService().url("v1/seasons/4jgw0ek6ajq3m5ya/teams");

    std::vector<ApiResponse<SeasonTeams>> requestSeason()
    {
        return requestAndWait<SeasonTeams>(*client, NetworkAPI::getSeasonTeams(seasonId));
    }
};

TEST_F(NetworkManagerTest, DataRequestPrintsItsUrlAndAnswerAndDecodesTheRecord)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(200, seasonBody));
    const auto calls = requestSeason();
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_TRUE(calls[0].isSuccess());
    const SeasonTeams& teams = *calls[0].value();
    ASSERT_TRUE(teams.data && teams.data->size() == 1);
    EXPECT_EQ(teams.data->front().id, "t1");
    EXPECT_EQ(teams.data->front().ar_name, "الأسود");
    EXPECT_EQ(teams.meta->pagination->total, 1);
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "", "service response is: " + QString::fromUtf8(seasonBody)}));
    EXPECT_EQ(logged(), "");

    ASSERT_EQ(apiService().requestCount(), 1);
    const RecordedRequest& sent = apiService().requests().front();
    EXPECT_EQ(sent.method, "GET");
    EXPECT_EQ(sent.target, seasonPath);
    EXPECT_EQ(sent.header("Authorization"), QByteArray("Bearer ")); // no token yet: the blank stays
    EXPECT_EQ(sent.header("Content-Type"), QByteArray("application/json"));
    EXPECT_EQ(sent.body, "");
}

TEST_F(NetworkManagerTest, SquadRequestPlacesIdentifiersAsQueryValuesAndDecodesThePlayers)
{
    apiService().answer(teamPlayersPath,
                        ScriptedAnswer::json(200, R"({"data":[{"id":"p1","en_name":"Sami","shirt_number":"ten"},{"id":"p2"}]})"));
    const auto calls = requestAndWait<PlayerList>(*client, NetworkAPI::getTeamPlayers("a&season_id=x y", seasonId));
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_TRUE(calls[0].isSuccess());
    const PlayerList& players = *calls[0].value();
    ASSERT_EQ(players.data->size(), 2u);
    EXPECT_EQ((*players.data)[0].en_name, "Sami");
    EXPECT_EQ((*players.data)[0].shirt_number, std::nullopt); // a bad member costs only itself
    ASSERT_EQ(apiService().requestCount(), 1);
    EXPECT_EQ(apiService().requests()[0].query, "id=a%26season_id%3Dx%20y&season_id=4jgw0ek6ajq3m5ya");
}

TEST_F(NetworkManagerTest, Unauthorised401LogsInOnceAndRepeatsWithTheNewToken)
{
    apiService().enqueue(seasonPath, ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})"));
    apiService().answer(seasonPath, ScriptedAnswer::json(200, seasonBody));
    apiService().answer(loginPath, ScriptedAnswer::json(200, loginBody));
    const auto calls = requestSeason();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].isSuccess());
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "refresh token called", seasonUrl, "",
                                      "service response is: " + QString::fromUtf8(seasonBody)}));
    EXPECT_EQ(logged(), "");
    EXPECT_EQ(getAccessToken(), "fresh-token");

    const auto& sent = apiService().requests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].header("Authorization"), QByteArray("Bearer "));
    EXPECT_EQ(sent[1].method, "POST");
    EXPECT_EQ(sent[1].path, loginPath);
    EXPECT_EQ(sent[1].header("Authorization"), QByteArray("Bearer "));
    EXPECT_EQ(sent[1].header("Content-Type"), QByteArray("application/json"));
    EXPECT_EQ(nlohmann::json::parse(sent[1].body.toStdString()),
              (nlohmann::json{{"email", ApiConfiguration::serviceAccountEmail().toStdString()},
                              {"password", ApiConfiguration::serviceAccountPassword().toStdString()}}));
    EXPECT_EQ(sent[2].path, seasonPath);
    EXPECT_EQ(sent[2].header("Authorization"), QByteArray("Bearer fresh-token"));
}

TEST_F(NetworkManagerTest, ASecond401AfterTheLoginEndsInOneCustomError)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
    apiService().answer(loginPath, ScriptedAnswer::json(200, loginBody));
    const auto calls = requestSeason();
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_FALSE(calls[0].isSuccess());
    ASSERT_TRUE(calls[0].error()->customError());
    EXPECT_EQ(*calls[0].error()->customError(), NetworkManager::requestFailedError());
    EXPECT_EQ(apiService().requestCount(seasonPath), 2);
    EXPECT_EQ(apiService().requestCount(loginPath), 1);
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "refresh token called", seasonUrl}));
    EXPECT_EQ(logged(), logLine(R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again") with details: )"));
}

TEST_F(NetworkManagerTest, EveryFailedLoginEndsInOneLoggedCustomErrorAndKeepsTheToken)
{
    struct Case {
        const char* name;
        ScriptedAnswer login;
    };
    const std::vector<Case> cases = {
        {"no answer", ScriptedAnswer::dropped()},
        {"not JSON", ScriptedAnswer::text(500, "<html>down</html>")},
        {"empty body", ScriptedAnswer::json(200, "")},
        {"array", ScriptedAnswer::json(200, R"([{"access_token":"x"}])")},
        {"text", ScriptedAnswer::json(200, R"("fresh-token")")},
        {"number", ScriptedAnswer::json(200, "42")},
        {"null", ScriptedAnswer::json(200, "null")},
    };
    const QByteArray failureLine = logLine(NetworkManager::requestFailedError().rendering() + " with details: ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        saveAuthorizationDetails({std::nullopt, std::nullopt, "old-token", std::nullopt});
        apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
        apiService().answer(loginPath, c.login);
        const auto calls = requestSeason();
        ASSERT_EQ(calls.size(), 1u);
        ASSERT_TRUE(calls[0].error() && calls[0].error()->customError());
        EXPECT_EQ(getAccessToken(), "old-token");
        EXPECT_EQ(apiService().requestCount(seasonPath), 1);
        EXPECT_EQ(printed(), (QStringList{seasonUrl, "refresh token called"}));
        EXPECT_EQ(logged(), failureLine);
    }
}

TEST_F(NetworkManagerTest, NoHttpAnswerFailsOnceWithTheHttpErrorPrintedNotLogged)
{
    struct Case {
        const char* name;
        std::function<void()> arrange;
        Kind kind;
    };
    const std::vector<Case> cases = {
        {"closed port", [] { apiService().close(); }, Kind::CannotConnect},
        {"slower than the time-out", [] { apiService().answer(seasonPath, ScriptedAnswer::json(200, seasonBody).after(3s)); },
         Kind::TimedOut},
        {"never answered", [] { apiService().answer(seasonPath, ScriptedAnswer::silent()); }, Kind::TimedOut},
        {"closed without answer", [] { apiService().answer(seasonPath, ScriptedAnswer::dropped()); }, Kind::ConnectionLost},
    };
    client = std::make_shared<NetworkManager>(shortTimeOuts(300ms));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        c.arrange();
        const auto calls = requestSeason();
        apiService().reopen();
        ASSERT_EQ(calls.size(), 1u);
        const HttpError* error = calls[0].error() ? calls[0].error()->httpError() : nullptr;
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind, c.kind);
        EXPECT_EQ(printed(), (QStringList{seasonUrl, error->localizedDescription()}));
        EXPECT_EQ(logged(), "");
    }
}

TEST_F(NetworkManagerTest, AnswersThatAreNoRecordFailAfterTheirBodyIsPrinted)
{
    struct Case {
        const char* name;
        ScriptedAnswer answer;
        QString bodyLine;
        std::optional<Kind> httpKind;   // absent: a decoding failure
        std::optional<int> statusCode;  // for UnacceptableStatusCode
        bool logs;
    };
    const QByteArray cut = seasonBody.left(20);
    const std::vector<Case> cases = {
        {"cut mid-body", ScriptedAnswer::truncated(200, seasonBody, 20), "service response is: " + QString::fromUtf8(cut),
         Kind::ConnectionLost, {}, true},
        {"500 with a record body", ScriptedAnswer::json(500, seasonBody), "service response is: " + QString::fromUtf8(seasonBody),
         Kind::UnacceptableStatusCode, 500, true},
        {"404 with an error body", ScriptedAnswer::json(404, R"({"message":"Not found"})"),
         R"(service response is: {"message":"Not found"})", Kind::UnacceptableStatusCode, 404, true},
        {"empty 200", ScriptedAnswer::json(200, ""), "service response data is nil", Kind::EmptyResponse, {}, true},
        {"invalid JSON", ScriptedAnswer::json(200, "{\"data\": [tru"), "service response is: {\"data\": [tru", {}, {}, false},
        {"wrong shape", ScriptedAnswer::json(200, R"({"data":{"id":"t1"}})"), R"(service response is: {"data":{"id":"t1"}})", {}, {},
         false},
        {"bad UTF-8 shown as replacement", ScriptedAnswer::json(200, "\xFF"), QString("service response is: ") + QChar(0xFFFD), {}, {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        apiService().answer(seasonPath, c.answer);
        const auto calls = requestSeason();
        ASSERT_EQ(calls.size(), 1u);
        const ApiError* error = calls[0].error();
        ASSERT_TRUE(error);
        QStringList expected{seasonUrl, "", c.bodyLine};
        if (c.httpKind) {
            ASSERT_TRUE(error->httpError());
            EXPECT_EQ(error->httpError()->kind, *c.httpKind);
            EXPECT_EQ(error->httpError()->statusCode, c.statusCode);
            expected.append(error->localizedDescription());
        } else {
            EXPECT_EQ(error->kind(), ApiError::Kind::decoding);
        }
        EXPECT_EQ(printed(), expected);
        EXPECT_EQ(logged(), c.logs ? logLine(error->localizedDescription() + " with details: ") : QByteArray());
    }
}

TEST_F(NetworkManagerTest, TheTokenGoesOutWithoutControlCharactersAndStaysStoredAsReceived)
{
    saveAuthorizationDetails({std::nullopt, std::nullopt, "abc\r\nX-Evil: 1", std::nullopt});
    apiService().answer(seasonPath, ScriptedAnswer::json(200, seasonBody));
    requestSeason();
    ASSERT_EQ(apiService().requestCount(), 1);
    EXPECT_EQ(apiService().requests()[0].header("Authorization"), QByteArray("Bearer abcX-Evil: 1"));
    EXPECT_EQ(apiService().requests()[0].headerCount("X-Evil"), 0);
    EXPECT_EQ(getAccessToken(), "abc\r\nX-Evil: 1");
}

TEST_F(NetworkManagerTest, UntypedRequestHandsBackAnyJsonWithoutLookingAtTheStatus)
{
    struct Case {
        ScriptedAnswer answer;
        std::optional<nlohmann::json> value;
    };
    const std::vector<Case> cases = {
        {ScriptedAnswer::json(401, R"({"message":"no"})"), nlohmann::json{{"message", "no"}}},
        {ScriptedAnswer::json(500, R"("text")"), nlohmann::json("text")},
        {ScriptedAnswer::json(200, "[1,2]"), nlohmann::json{1, 2}},
        {ScriptedAnswer::text(200, "not json"), std::nullopt},
    };
    for (const Case& c : cases) {
        apiService().answer(loginPath, c.answer);
        std::vector<ApiResponse<nlohmann::json>> calls;
        client->requestJSON(NetworkAPI::refreshToken(), [&](const ApiResponse<nlohmann::json>& r) { calls.push_back(r); });
        ASSERT_TRUE(waitUntil([&] { return !calls.empty(); }));
        spinFor(30ms);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].value() ? std::optional(*calls[0].value()) : std::nullopt, c.value);
    }
    EXPECT_TRUE(printed().isEmpty());
    EXPECT_EQ(logged(), "");
}

TEST_F(NetworkManagerTest, TheSharedClientIsOneAndPointsAtTheConfiguredService)
{
    EXPECT_EQ(NetworkManager::shared(), NetworkManager::shared());
    EXPECT_EQ(ApiConfiguration::baseUrl(), apiService().url());
}

} // namespace
} // namespace lanterncrest::test
