#include "api/api_configuration.h"
#include "api/network_manager.h"
#include "api/token_store.h"
#include "records/answers.h"
#include "tests/api/api_client_fixture.h"
#include "tests/support/empty_records.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QThread>
#include <set>

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;
using Kind = HttpError::Kind;

const QByteArray seasonBody =
        R"({"data":[{"id":"t1","en_name":"Lions","ar_name":"الأسود","matches_count":30}],"meta":{"pagination":{"total":1}}})";
const QByteArray loginBody =
        R"({"token_type":"Bearer","expires_in":3600,"access_token":"fresh-token","refresh_token":"r"})";

QString answerLine(const QByteArray &body)
{
    return "service response is: " + QString::fromUtf8(body);
}

ScriptedAnswer ok(const QByteArray &body)
{
    return ScriptedAnswer::json(200, body);
}

QByteArray arraysDeep(int depth)
{
    return QByteArray(depth, '[') + QByteArray(depth, ']');
}

class NetworkManagerTest : public ApiClientTest
{
protected:
    std::shared_ptr<NetworkManager> client =
            std::make_shared<NetworkManager>(SessionConfiguration{ 5s, 5s });
    const QString seasonUrl = apiService().url("v1/seasons/4jgw0ek6ajq3m5ya/teams");
    const QString seasonAnswerLine = answerLine(seasonBody);

    std::vector<ApiResponse<SeasonTeams>> requestSeason()
    {
        return requestAndWait<SeasonTeams>(*client, NetworkAPI::getSeasonTeams(seasonId));
    }
};

TEST_F(NetworkManagerTest, DataRequestPrintsItsUrlAndAnswerDecodesTheRecordAndSendsACleanToken)
{
    apiService().answer(seasonPath, ok(seasonBody));
    const auto calls = requestSeason();
    ASSERT_EQ(calls.size(), 1u);
    ASSERT_TRUE(calls[0].isSuccess());
    const SeasonTeams &teams = *calls[0].value();
    ASSERT_TRUE(teams.data && teams.data->size() == 1);
    EXPECT_EQ(teams.data->front().ar_name, "الأسود");
    EXPECT_EQ(printed(), (QStringList{ seasonUrl, "", seasonAnswerLine }));
    EXPECT_EQ(logged(), "");

    ASSERT_EQ(apiService().requestCount(), 1);
    const RecordedRequest &sent = apiService().requests().front();
    EXPECT_EQ(sent.method + " " + sent.target, "GET " + QByteArray(seasonPath));
    EXPECT_EQ(sent.header("Authorization"), QByteArray("Bearer ")); // no token yet: the blank stays
    EXPECT_EQ(sent.header("Content-Type"), QByteArray("application/json"));

    // A stored token goes out without control characters and stays stored as received.
    restart();
    saveAuthorizationDetails(
            { std::nullopt, std::nullopt, "abc\r\nX-Evil: 1\x7f\t", std::nullopt });
    apiService().answer(seasonPath, ok(seasonBody));
    requestSeason();
    ASSERT_EQ(apiService().requestCount(), 1);
    EXPECT_EQ(apiService().requests()[0].header("Authorization"),
              QByteArray("Bearer abcX-Evil: 1"));
    EXPECT_EQ(apiService().requests()[0].headerCount("X-Evil"), 0);
    EXPECT_EQ(getAccessToken(), "abc\r\nX-Evil: 1\x7f\t");
}

TEST_F(NetworkManagerTest, Unauthorised401LogsInOnceAndRepeatsWithTheNewToken)
{
    apiService().enqueue(seasonPath,
                         ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})"));
    apiService().answer(seasonPath, ok(seasonBody));
    apiService().answer(loginPath, ok(loginBody));
    const auto calls = requestSeason();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].isSuccess());
    EXPECT_EQ(printed(),
              (QStringList{ seasonUrl, "refresh token called", seasonUrl, "", seasonAnswerLine }));
    EXPECT_EQ(logged(), "");
    EXPECT_EQ(getAccessToken(), "fresh-token");

    const auto &sent = apiService().requests();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1].method + " " + sent[1].path, "POST " + QByteArray(loginPath));
    EXPECT_EQ(sent[1].header("Authorization"), QByteArray("Bearer "));
    EXPECT_EQ(nlohmann::json::parse(sent[1].body.toStdString()),
              (nlohmann::json{
                      { "email", ApiConfiguration::serviceAccountEmail().toStdString() },
                      { "password", ApiConfiguration::serviceAccountPassword().toStdString() } }));
    EXPECT_EQ(sent[2].header("Authorization"), QByteArray("Bearer fresh-token"));
}

// A login that fails, or a repeat that is refused again, ends in one logged CustomError; a failed
// login keeps the stored token byte for byte.
TEST_F(NetworkManagerTest, EveryFailedLoginOrSecond401EndsInOneLoggedCustomError)
{
    const std::vector<std::pair<const char *, ScriptedAnswer>> logins = {
        { "second 401", ok(loginBody) },
        { "no answer", ScriptedAnswer::dropped() },
        { "not JSON", ScriptedAnswer::text(500, "<html>down</html>") },
        { "empty body", ok("") },
        { "array", ok(R"([{"access_token":"x"}])") },
        { "null", ok("null") },
        { "error status with a token", ScriptedAnswer::json(500, loginBody) },
        { "no access token", ok(R"({"token_type":"Bearer","expires_in":3600})") },
        { "access token not a text", ok(R"({"access_token":42})") },
        { "body broken after the token", ScriptedAnswer::brokenGzip(200, loginBody) },
        { "100,000 arrays deep", ok(arraysDeep(100'000)) },
    };
    for (const auto &[name, login] : logins) {
        SCOPED_TRACE(name);
        restart();
        const bool loggedIn = name == std::string_view("second 401");
        saveAuthorizationDetails({ "Bearer", 60, "old-token", "old-refresh" });
        const QByteArray storedBefore = settingsFile();
        apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
        apiService().answer(loginPath, login);
        const auto calls = requestSeason();
        ASSERT_EQ(calls.size(), 1u);
        ASSERT_TRUE(calls[0].error() && calls[0].error()->customError());
        EXPECT_EQ(*calls[0].error()->customError(), NetworkManager::requestFailedError());
        EXPECT_EQ(getAccessToken(), loggedIn ? "fresh-token" : "old-token");
        EXPECT_EQ(settingsFile() == storedBefore, !loggedIn);
        EXPECT_EQ(apiService().requestCount(seasonPath), loggedIn ? 2 : 1);
        EXPECT_EQ(printed(),
                  QStringList({ seasonUrl, "refresh token called", seasonUrl })
                          .first(loggedIn ? 3 : 2));
        EXPECT_EQ(
                logged(),
                logLine(R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again") with details: )"));
    }
    // Whatever it holds, a rendering stays on one line.
    EXPECT_EQ(CustomError(std::nullopt, 7, "x\ny\t\x01").rendering(),
              R"(CustomError(title: nil, code: 7, _description: "x\ny\t\u{1}"))");
}

TEST_F(NetworkManagerTest, AnswersThatAreNoRecordFailOnceAfterWhatCameIsPrinted)
{
    struct Case
    {
        const char *name;
        std::optional<ScriptedAnswer> answer; // absent: the port is closed
        std::optional<QString> bodyLine; // absent: no HTTP answer, printed but not logged
        std::optional<Kind> httpKind; // absent: a decoding failure, printed but not logged
        std::optional<int> statusCode;
    };
    const QByteArray invalid = "{\"data\": [tru", wrongShape = R"({"data":{"id":"t1"}})",
                     deep = R"({"data":[],"x":)" + arraysDeep(600) + "}",
                     pastBudget = QByteArray::fromStdString(
                             listAnswer(recordsPastTheBudget<TeamData>()));
    const std::vector<Case> cases = {
        { "closed port", {}, {}, Kind::CannotConnect, {} },
        { "slower than the time-out", ok(seasonBody).after(3s), {}, Kind::TimedOut, {} },
        { "cut mid-body",
          ScriptedAnswer::truncated(200, seasonBody, 20),
          answerLine(seasonBody.left(20)),
          Kind::ConnectionLost,
          {} },
        { "500 with a record body", ScriptedAnswer::json(500, seasonBody), answerLine(seasonBody),
          Kind::UnacceptableStatusCode, 500 },
        { "empty 200", ok(""), "service response data is nil", Kind::EmptyResponse, {} },
        { "invalid JSON", ok(invalid), answerLine(invalid), {}, {} },
        { "wrong shape", ok(wrongShape), answerLine(wrongShape), {}, {} },
        // Each maximal ill-formed sequence prints as one U+FFFD.
        { "bad UTF-8", ok("\xFFok\xE2\x82!"), answerLine("\xEF\xBF\xBDok\xEF\xBF\xBD!"), {}, {} },
        { "nested past the limit", ok(deep), answerLine(deep), {}, {} },
        { "empty teams past the decoding budget", ok(pastBudget), answerLine(pastBudget), {}, {} },
    };
    client = std::make_shared<NetworkManager>(SessionConfiguration{ 300ms, 300ms });
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        c.answer ? apiService().answer(seasonPath, *c.answer) : apiService().close();
        const auto calls = requestSeason();
        apiService().reopen();
        ASSERT_EQ(calls.size(), 1u);
        const ApiError *error = calls[0].error();
        ASSERT_TRUE(error);
        QStringList expected{ seasonUrl };
        if (c.bodyLine)
            expected << "" << *c.bodyLine;
        if (c.httpKind) {
            ASSERT_TRUE(error->httpError());
            EXPECT_EQ(error->httpError()->kind, *c.httpKind);
            EXPECT_EQ(error->httpError()->statusCode, c.statusCode);
            expected.append(error->localizedDescription());
        } else {
            EXPECT_EQ(error->kind(), ApiError::Kind::decoding);
        }
        EXPECT_EQ(printed(), expected);
        EXPECT_EQ(logged(),
                  c.httpKind && c.bodyLine
                          ? logLine(error->localizedDescription() + " with details: ")
                          : QByteArray());
    }
}

// 200 requests in flight on the shared client at once: a quarter answered 401 once (then
// a login and a repeat with the new token), a quarter dropped once without an answer (Qt
// sends those again by itself), the rest answered at once. Every request gets its own
// record, exactly once, on the main thread; neither password nor token is ever shown.
TEST_F(NetworkManagerTest, TwoHundredRequestsEachGetTheirOwnRecordExactlyOnce)
{
    constexpr int count = 200;
    const QByteArray token = "load-token-8c1f";
    std::set<QByteArray> refused, dropped;
    apiService().answer(loginPath, ok(R"({"access_token":")" + token + R"("})"));
    apiService().setResponder([&](const RecordedRequest &request) -> std::optional<ScriptedAnswer> {
        const QByteArray season = request.path.split('/').value(3);
        const int id = season.mid(1).toInt();
        if (id % 4 == 0 && request.header("Authorization") != "Bearer " + token
            && refused.insert(season).second)
            return ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})");
        if (id % 4 == 1 && dropped.insert(season).second)
            return ScriptedAnswer::dropped();
        return ok(R"({"data":[{"id":")" + season + R"("}]})")
                .after(std::chrono::milliseconds(id % 3 * 5));
    });

    using Calls = std::vector<ApiResponse<SeasonTeams>>;
    std::vector<Calls> results(count);
    int offMainThread = 0;
    for (int id = 0; id < count; ++id) {
        NetworkManager::shared()->request<SeasonTeams>(
                NetworkAPI::getSeasonTeams(QStringLiteral("s%1").arg(id)),
                [&, id](const ApiResponse<SeasonTeams> &response) {
                    results[id].push_back(response);
                    offMainThread +=
                            QThread::currentThread() != QCoreApplication::instance()->thread();
                });
    }
    ASSERT_TRUE(waitUntil(
            [&] { return std::ranges::none_of(results, [](const Calls &c) { return c.empty(); }); },
            60s));
    spinFor(100ms);

    EXPECT_TRUE(std::ranges::all_of(results, [](const Calls &calls) { return calls.size() == 1; }));
    EXPECT_EQ(offMainThread, 0);
    for (int id = 0; id < count; ++id) {
        const SeasonTeams *teams = results[id].front().value();
        ASSERT_TRUE(teams && teams->data && teams->data->size() == 1) << id;
        EXPECT_EQ(teams->data->front().id, QStringLiteral("s%1").arg(id).toStdString());
    }
    EXPECT_GT(apiService().requestCount(loginPath), 0);
    EXPECT_EQ(refused.size(), size_t(count / 4));

    const QString password = ApiConfiguration::serviceAccountPassword();
    for (const QString &line : printed())
        EXPECT_FALSE(line.contains(password) || line.contains(QString::fromUtf8(token)))
                << line.toStdString();
    EXPECT_FALSE(logged().contains(password.toUtf8()) || logged().contains(token));
}

} // namespace
} // namespace lanterncrest::test
