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

// 200 requests in flight on the shared client at once: some answered 401 (then a login
// and a repeat), some dropped without an answer, the rest answered with their record.
// Qt fails the requests queued for a host when a connection drops and its retries are
// spent, so a request may also end with a lost connection; what may never happen is a
// completion lost, doubled, off the main thread, or carrying another request's record.
TEST_F(ApiClientTest, TwoHundredRequestsOnTheSharedClientEachCompleteExactlyOnce)
{
    constexpr int count = 200;
    const QByteArray token = "load-token-8c1f";
    std::set<QByteArray> refusedOnce;
    apiService().answer(loginPath, ScriptedAnswer::json(200, R"({"access_token":")" + token + R"("})"));
    apiService().setResponder([&](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
        const QByteArray season = request.path.split('/').value(3);
        const int id = season.mid(1).toInt();
        if (id % 4 == 1)
            return ScriptedAnswer::dropped();
        if (id % 4 == 0 && refusedOnce.insert(season).second)
            return ScriptedAnswer::json(401, R"({"message":"Unauthenticated."})");
        return ScriptedAnswer::json(200, R"({"data":[{"id":")" + season + R"("}]})").after(std::chrono::milliseconds(id % 3 * 5));
    });

    const std::shared_ptr<NetworkManager>& client = NetworkManager::shared();
    std::vector<int> calls(count, 0);
    std::vector<std::optional<ApiResponse<SeasonTeams>>> results(count);
    int offMainThread = 0;
    for (int id = 0; id < count; ++id) {
        client->request<SeasonTeams>(NetworkAPI::getSeasonTeams(QStringLiteral("s%1").arg(id)),
                                     [&, id](const ApiResponse<SeasonTeams>& response) {
                                         ++calls[id];
                                         results[id] = response;
                                         if (QThread::currentThread() != QCoreApplication::instance()->thread())
                                             ++offMainThread;
                                     });
    }
    ASSERT_TRUE(waitUntil([&] { return std::all_of(calls.begin(), calls.end(), [](int c) { return c > 0; }); }, 60s));
    spinFor(100ms);

    EXPECT_TRUE(std::all_of(calls.begin(), calls.end(), [](int c) { return c == 1; }));
    EXPECT_EQ(offMainThread, 0);
    int successes = 0, repeatedAfterLogin = 0;
    for (int id = 0; id < count; ++id) {
        SCOPED_TRACE(id);
        const ApiResponse<SeasonTeams>& response = *results[id];
        if (const SeasonTeams* teams = response.value()) {
            ++successes;
            EXPECT_NE(id % 4, 1);
            ASSERT_TRUE(teams->data && teams->data->size() == 1);
            EXPECT_EQ(teams->data->front().id, QStringLiteral("s%1").arg(id).toStdString());
            repeatedAfterLogin += id % 4 == 0;
            continue;
        }
        const ApiError& error = *response.error();
        const bool lost = error.httpError() && error.httpError()->kind == HttpError::Kind::ConnectionLost;
        const bool loginFailed = error.customError() && id % 4 == 0;
        EXPECT_TRUE(lost || loginFailed) << error.localizedDescription().toStdString();
    }
    EXPECT_GT(successes, 0);
    EXPECT_GT(repeatedAfterLogin, 0);
    EXPECT_GT(apiService().requestCount(loginPath), 0);

    // Neither the password nor a token ever reaches the console or the log.
    const QString password = ApiConfiguration::serviceAccountPassword();
    const QByteArray log = logged();
    for (const QString& line : printed()) {
        EXPECT_FALSE(line.contains(password));
        EXPECT_FALSE(line.contains(QString::fromUtf8(token)));
    }
    EXPECT_FALSE(log.contains(password.toUtf8()));
    EXPECT_FALSE(log.contains(token));
}

} // namespace
} // namespace lanterncrest::test
