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
const QByteArray loginBody = R"({"token_type":"Bearer","expires_in":3600,"access_token":"fresh-token","refresh_token":"r"})";

QString answerLine(const QByteArray& body)
{
    return "service response is: " + QString::fromUtf8(body);
}

class NetworkManagerTest : public ApiClientTest {
protected:
    std::shared_ptr<NetworkManager> client = std::make_shared<NetworkManager>(SessionConfiguration{5s, 5s});
    const QString seasonUrl = apiService().url("v1/seasons/4jgw0ek6ajq3m5ya/teams");
    const QString seasonAnswerLine = answerLine(seasonBody);

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
    EXPECT_EQ(teams.data->front().ar_name, "الأسود");
    EXPECT_EQ(teams.meta->pagination->total, 1);
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "", seasonAnswerLine}));
    EXPECT_EQ(logged(), "");

    ASSERT_EQ(apiService().requestCount(), 1);
    const RecordedRequest& sent = apiService().requests().front();
    EXPECT_EQ(sent.method, "GET");
    EXPECT_EQ(sent.target, seasonPath);
    EXPECT_EQ(sent.header("Authorization"), QByteArray("Bearer ")); // no token yet: the blank stays
    EXPECT_EQ(sent.header("Content-Type"), QByteArray("application/json"));
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
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "refresh token called", seasonUrl, "", seasonAnswerLine}));
    EXPECT_EQ(logged(), "");
    EXPECT_EQ(getAccessToken(), "fresh-token");

    const auto& sent = apiService().requests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].method, "POST");
    EXPECT_EQ(sent[1].path, loginPath);
    EXPECT_EQ(sent[1].header("Authorization"), QByteArray("Bearer "));
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
    ASSERT_TRUE(calls[0].error() && calls[0].error()->customError());
    EXPECT_EQ(*calls[0].error()->customError(), NetworkManager::requestFailedError());
    EXPECT_EQ(apiService().requestCount(seasonPath), 2);
    EXPECT_EQ(apiService().requestCount(loginPath), 1);
    EXPECT_EQ(printed(), (QStringList{seasonUrl, "refresh token called", seasonUrl}));
    EXPECT_EQ(logged(), logLine(R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again") with details: )"));
}

TEST_F(NetworkManagerTest, EveryFailedLoginEndsInOneLoggedCustomErrorAndKeepsTheToken)
{
    const std::vector<std::pair<const char*, ScriptedAnswer>> logins = {
        {"no answer", ScriptedAnswer::dropped()},
        {"not JSON", ScriptedAnswer::text(500, "<html>down</html>")},
        {"empty body", ScriptedAnswer::json(200, "")},
        {"array", ScriptedAnswer::json(200, R"([{"access_token":"x"}])")},
        {"null", ScriptedAnswer::json(200, "null")},
    };
    const QByteArray failureLine = logLine(NetworkManager::requestFailedError().rendering() + " with details: ");
    for (const auto& [name, login] : logins) {
        SCOPED_TRACE(name);
        restart();
        saveAuthorizationDetails({std::nullopt, std::nullopt, "old-token", std::nullopt});
        apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
        apiService().answer(loginPath, login);
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
    };
    client = std::make_shared<NetworkManager>(SessionConfiguration{300ms, 300ms});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
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
        std::optional<Kind> httpKind; // absent: a decoding failure, printed but not logged
        std::optional<int> statusCode;
    };
    const std::vector<Case> cases = {
        {"cut mid-body", ScriptedAnswer::truncated(200, seasonBody, 20), answerLine(seasonBody.left(20)), Kind::ConnectionLost, {}},
        {"500 with a record body", ScriptedAnswer::json(500, seasonBody), answerLine(seasonBody), Kind::UnacceptableStatusCode, 500},
        {"empty 200", ScriptedAnswer::json(200, ""), "service response data is nil", Kind::EmptyResponse, {}},
        {"invalid JSON", ScriptedAnswer::json(200, "{\"data\": [tru"), answerLine("{\"data\": [tru"), {}, {}},
        {"wrong shape", ScriptedAnswer::json(200, R"({"data":{"id":"t1"}})"), answerLine(R"({"data":{"id":"t1"}})"), {}, {}},
        {"bad UTF-8", ScriptedAnswer::json(200, "\xFF"), answerLine("\xEF\xBF\xBD"), {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
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
        EXPECT_EQ(logged(), c.httpKind ? logLine(error->localizedDescription() + " with details: ") : QByteArray());
    }
}

TEST_F(NetworkManagerTest, TheTokenGoesOutWithoutControlCharactersAndStaysStoredAsReceived)
{
    saveAuthorizationDetails({std::nullopt, std::nullopt, "abc\r\nX-Evil: 1\x7f\t", std::nullopt});
    apiService().answer(seasonPath, ScriptedAnswer::json(200, seasonBody));
    requestSeason();
    ASSERT_EQ(apiService().requestCount(), 1);
    EXPECT_EQ(apiService().requests()[0].header("Authorization"), QByteArray("Bearer abcX-Evil: 1"));
    EXPECT_EQ(apiService().requests()[0].headerCount("X-Evil"), 0);
    EXPECT_EQ(getAccessToken(), "abc\r\nX-Evil: 1\x7f\t");
}

} // namespace
} // namespace lanterncrest::test
