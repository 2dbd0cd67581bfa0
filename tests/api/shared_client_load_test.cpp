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

using SharedClientLoadTest = ApiClientTest;

// 200 requests in flight on the shared client at once: a quarter answered 401 once (then
// a login and a repeat with the new token), a quarter dropped once without an answer (Qt
// sends those again by itself), the rest answered at once. Every request gets its own
// record, exactly once, on the main thread; neither password nor token is ever shown.
TEST_F(SharedClientLoadTest, TwoHundredRequestsEachGetTheirOwnRecordExactlyOnce)
{
    constexpr int count = 200;
    const QByteArray token = "load-token-8c1f";
    std::set<QByteArray> refused, dropped;
    apiService().answer(loginPath, ScriptedAnswer::json(200, R"({"access_token":")" + token + R"("})"));
    apiService().setResponder([&](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
        const QByteArray season = request.path.split('/').value(3);
        const int id = season.mid(1).toInt();
        if (id % 4 == 0 && request.header("Authorization") != "Bearer " + token && refused.insert(season).second)
            return ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})");
        if (id % 4 == 1 && dropped.insert(season).second)
            return ScriptedAnswer::dropped();
        return ScriptedAnswer::json(200, R"({"data":[{"id":")" + season + R"("}]})").after(std::chrono::milliseconds(id % 3 * 5));
    });

    std::vector<int> calls(count, 0);
    std::vector<std::optional<ApiResponse<SeasonTeams>>> results(count);
    int offMainThread = 0;
    for (int id = 0; id < count; ++id) {
        NetworkManager::shared()->request<SeasonTeams>(
            NetworkAPI::getSeasonTeams(QStringLiteral("s%1").arg(id)), [&, id](const ApiResponse<SeasonTeams>& response) {
                ++calls[id];
                results[id] = response;
                offMainThread += QThread::currentThread() != QCoreApplication::instance()->thread();
            });
    }
    ASSERT_TRUE(waitUntil([&] { return std::ranges::all_of(calls, [](int c) { return c > 0; }); }, 60s));
    spinFor(100ms);

    EXPECT_TRUE(std::ranges::all_of(calls, [](int c) { return c == 1; }));
    EXPECT_EQ(offMainThread, 0);
    for (int id = 0; id < count; ++id) {
        const SeasonTeams* teams = results[id]->value();
        ASSERT_TRUE(teams && teams->data && teams->data->size() == 1) << id;
        EXPECT_EQ(teams->data->front().id, QStringLiteral("s%1").arg(id).toStdString());
    }
    EXPECT_GT(apiService().requestCount(loginPath), 0);
    EXPECT_EQ(refused.size(), size_t(count / 4));

    const QString password = ApiConfiguration::serviceAccountPassword();
    for (const QString& line : printed())
        EXPECT_FALSE(line.contains(password) || line.contains(QString::fromUtf8(token))) << line.toStdString();
    EXPECT_FALSE(logged().contains(password.toUtf8()) || logged().contains(token));
}

} // namespace
} // namespace lanterncrest::test
