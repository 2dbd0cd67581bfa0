#include "api/api_configuration.h"
#include "api/network_manager.h"
#include "records/answers.h"
#include "tests/api/api_client_fixture.h"

#include <QCoreApplication>
#include <QThread>

#include <set>

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

constexpr int count = 200;
const QByteArray token = "load-token-8c1f";

QByteArray seasonOf(const RecordedRequest& request)
{
    return request.path.split('/').value(3);
}

ScriptedAnswer recordFor(const QByteArray& season)
{
    return ScriptedAnswer::json(200, R"({"data":[{"id":")" + season + R"("}]})");
}

struct LoadRun {
    std::vector<int> calls = std::vector<int>(count, 0);
    std::vector<std::optional<ApiResponse<SeasonTeams>>> results = decltype(results)(count);
    int offMainThread = 0;

    // Sends every request on the shared client at once and waits for them all.
    void sendAll()
    {
        for (int id = 0; id < count; ++id) {
            NetworkManager::shared()->request<SeasonTeams>(
                NetworkAPI::getSeasonTeams(QStringLiteral("s%1").arg(id)), [this, id](const ApiResponse<SeasonTeams>& response) {
                    ++calls[id];
                    results[id] = response;
                    if (QThread::currentThread() != QCoreApplication::instance()->thread())
                        ++offMainThread;
                });
        }
        waitUntil([&] { return std::all_of(calls.begin(), calls.end(), [](int c) { return c > 0; }); }, 60s);
        spinFor(100ms);
    }

    bool eachCompletedOnce() const
    {
        return std::all_of(calls.begin(), calls.end(), [](int c) { return c == 1; });
    }

    // The record of request `id` carries its own season.
    bool carriesItsOwnRecord(int id) const
    {
        const SeasonTeams* teams = results[id] ? results[id]->value() : nullptr;
        return teams && teams->data && teams->data->size() == 1
            && teams->data->front().id == QStringLiteral("s%1").arg(id).toStdString();
    }
};

class SharedClientLoadTest : public ApiClientTest {
protected:
    void TearDown() override
    {
        // Neither the password nor a token ever reaches the console or the log.
        const QString password = ApiConfiguration::serviceAccountPassword();
        for (const QString& line : printed()) {
            EXPECT_FALSE(line.contains(password));
            EXPECT_FALSE(line.contains(QString::fromUtf8(token)));
        }
        EXPECT_FALSE(logged().contains(password.toUtf8()));
        EXPECT_FALSE(logged().contains(token));
        ApiClientTest::TearDown();
    }
};

// 200 requests in flight on the shared client at once: a quarter answered 401 once (then
// a login and a repeat with the new token), a quarter dropped once without an answer (Qt
// sends those again by itself), the rest answered at once. Every request gets its record.
TEST_F(SharedClientLoadTest, TwoHundredRequestsEachGetTheirOwnRecordExactlyOnce)
{
    std::set<QByteArray> refused, dropped;
    apiService().answer(loginPath, ScriptedAnswer::json(200, R"({"access_token":")" + token + R"("})"));
    apiService().setResponder([&](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
        const QByteArray season = seasonOf(request);
        const int id = season.mid(1).toInt();
        if (id % 4 == 0 && request.header("Authorization") != "Bearer " + token && refused.insert(season).second)
            return ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})");
        if (id % 4 == 1 && dropped.insert(season).second)
            return ScriptedAnswer::dropped();
        return recordFor(season).after(std::chrono::milliseconds(id % 3 * 5));
    });
    LoadRun run;
    run.sendAll();
    EXPECT_TRUE(run.eachCompletedOnce());
    EXPECT_EQ(run.offMainThread, 0);
    for (int id = 0; id < count; ++id)
        EXPECT_TRUE(run.carriesItsOwnRecord(id)) << id;
    EXPECT_GT(apiService().requestCount(loginPath), 0);
    EXPECT_GT(refused.size(), 0u);
}

// Dropped for good: Qt then also fails the requests queued behind a dropped one on the
// same host. Each request still ends exactly once, with its own record or a failure.
TEST_F(SharedClientLoadTest, TwoHundredRequestsWithLostConnectionsEachEndExactlyOnce)
{
    std::set<QByteArray> refused;
    apiService().answer(loginPath, ScriptedAnswer::json(200, R"({"access_token":")" + token + R"("})"));
    apiService().setResponder([&](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
        const QByteArray season = seasonOf(request);
        const int id = season.mid(1).toInt();
        if (id % 8 == 1)
            return ScriptedAnswer::dropped();
        if (id % 4 == 0 && refused.insert(season).second)
            return ScriptedAnswer::json(401, "{}");
        return recordFor(season);
    });
    LoadRun run;
    run.sendAll();
    EXPECT_TRUE(run.eachCompletedOnce());
    EXPECT_EQ(run.offMainThread, 0);
    int successes = 0;
    for (int id = 0; id < count; ++id) {
        SCOPED_TRACE(id);
        if (run.results[id]->isSuccess()) {
            ++successes;
            EXPECT_TRUE(run.carriesItsOwnRecord(id));
            EXPECT_NE(id % 8, 1);
            continue;
        }
        const ApiError& error = *run.results[id]->error();
        const bool lost = error.httpError() && error.httpError()->kind == HttpError::Kind::ConnectionLost;
        const bool loginFailed = error.customError() && id % 4 == 0;
        EXPECT_TRUE(lost || loginFailed) << error.localizedDescription().toStdString();
    }
    EXPECT_GT(successes, 0);
}

} // namespace
} // namespace lanterncrest::test
