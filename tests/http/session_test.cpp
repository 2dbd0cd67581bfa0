#include "platform/http/session.h"
#include "tests/support/loopback_service.h"

#include <gtest/gtest.h>

using namespace lanterncrest;
using namespace lanterncrest::test;
using namespace std::chrono_literals;
using Kind = HttpError::Kind;

namespace {

const SessionConfiguration quick{ 5s, 5s };

// Runs one request to its end through one kind of handler; fails the test unless that
// handler is called exactly once, and never inside the call that attached it.
template<typename T>
DataResponse<T> fetch(Session &session, const QString &url, const HttpHeaders &headers = {})
{
    auto request = session.request(url, HttpMethod::Get, nullptr, ParameterEncoding::Url, headers);
    auto calls = std::make_shared<std::vector<DataResponse<T>>>();
    if constexpr (std::is_same_v<T, QByteArray>)
        request->responseData([calls](const DataResponse<QByteArray> &r) { calls->push_back(r); });
    else
        request->responseJSON(
                [calls](const DataResponse<nlohmann::json> &r) { calls->push_back(r); });
    EXPECT_TRUE(calls->empty()) << "ran inside the call that attached it";
    waitUntil([&] { return !calls->empty(); });
    spinFor(30ms); // a second call would show up here
    EXPECT_EQ(calls->size(), 1u);
    return calls->empty() ? DataResponse<T>{ {}, {}, HttpError{} } : calls->front();
}

// `depth` arrays or objects, each inside the one before.
QByteArray nested(int depth, bool objects = false)
{
    return objects ? QByteArray(R"({"a":)").repeated(depth) + "1" + QByteArray(depth, '}')
                   : QByteArray(depth, '[') + QByteArray(depth, ']');
}

ScriptedAnswer json(int status, const QByteArray &body)
{
    return ScriptedAnswer::json(status, body);
}

std::optional<Kind> errorKind(const auto &response)
{
    return response.error() ? std::optional<Kind>(response.error()->kind) : std::nullopt;
}

} // namespace

TEST(Session, InvalidUrlsSendNothing)
{
    LoopbackService service;
    Session session(quick);
    const QString base = service.url();
    for (const QString &url :
         { QString(), QString("not a url"), QString("/v1/relative"), QString("ftp://127.0.0.1/x"),
           QString("http://"), base + "v1/players/a b", base + "v1/%zz",
           QString("file:///etc/passwd") }) {
        SCOPED_TRACE(url.toStdString());
        EXPECT_EQ(errorKind(fetch<QByteArray>(session, url)), Kind::InvalidUrl);
    }
    EXPECT_EQ(service.requestCount(), 0);
}

// Every status is an answer with its headers and body; where the JSON handler succeeds it holds
// what the body parses to (null for no body).
TEST(Session, DataAndJsonHandlersReadTheSameBodyDifferently)
{
    struct Case
    {
        const char *name;
        ScriptedAnswer answer;
        std::optional<Kind> dataError, jsonError;
    };
    const std::optional<Kind> none, invalid = Kind::InvalidJson, empty = Kind::EmptyResponse;
    const std::vector<Case> cases = {
        { "object", json(200, R"({"a":[1,"b"]})"), none, none },
        { "401", json(401, R"({"status":401})"), none, none },
        { "404", json(404, R"({"status":404})"), none, none },
        { "500", json(500, R"({"status":500})"), none, none },
        { "text fragment", json(200, R"("token")"), none, none },
        { "byte-order mark", json(200, "\xEF\xBB\xBF{}"), none, none },
        { "not JSON", ScriptedAnswer::text(500, "<html>oops</html>"), none, invalid },
        { "trailing garbage", json(200, "{} x"), none, invalid },
        { "bad UTF-8", json(200, "\"\xFF\""), none, invalid },
        { "empty 200", json(200, ""), empty, empty },
        { "empty 204", json(204, ""), none, none },
        // Nesting deeper than the limit is refused before anything recurses over it.
        { "100,000 arrays deep", json(200, nested(100'000)), none, invalid },
        { "objects one past the limit", json(200, nested(513, true)), none, invalid },
        { "arrays at the limit", json(200, nested(512)), none, none },
        { "brackets inside a text", json(200, R"(["\"[)" + nested(600) + R"("])"), none, none },
    };
    LoopbackService service;
    Session session(quick);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        service.answer("/b", ScriptedAnswer(c.answer).withHeader("X-Trace", "t"));
        const auto data = fetch<QByteArray>(session, service.url("b"));
        EXPECT_EQ(errorKind(data), c.dataError);
        if (data.value()) {
            EXPECT_EQ(*data.value(), c.answer.body);
        }
        const auto json = fetch<nlohmann::json>(session, service.url("b"));
        EXPECT_EQ(errorKind(json), c.jsonError);
        if (!c.jsonError && json.value()) {
            EXPECT_EQ(*json.value(),
                      c.answer.body.isEmpty() ? nlohmann::json()
                                              : nlohmann::json::parse(c.answer.body.toStdString()));
        }
        EXPECT_EQ(json.data, c.answer.body.isEmpty() ? std::nullopt : std::optional(c.answer.body));
        EXPECT_EQ(json.statusCode(), c.answer.status);
        EXPECT_EQ(json.response->headers.value("x-trace"), "t");
    }
}

// A transfer that fails after the status arrived is a failure, not an answer, whatever the status
// and whatever bytes came before the failure.
TEST(Session, ABodyThatCannotBeDecompressedFailsTheTransfer)
{
    LoopbackService service;
    Session session(quick);
    for (int status : { 200, 404 }) {
        SCOPED_TRACE(status);
        service.answer("/gz", ScriptedAnswer::brokenGzip(status, R"({"a":1})"));
        EXPECT_EQ(errorKind(fetch<QByteArray>(session, service.url("gz"))), Kind::TransferFailed);
        const auto json = fetch<nlohmann::json>(session, service.url("gz"));
        EXPECT_EQ(errorKind(json), Kind::TransferFailed);
        EXPECT_EQ(json.statusCode(), status);
    }
}

TEST(Session, RedirectsStayWithinTheOrigin)
{
    LoopbackService first, other;
    other.setFallback(ScriptedAnswer::json(200, R"({"other":true})"));
    const auto redirect = [](const QString &to) {
        return ScriptedAnswer::json(302, "").withHeader("Location", to.toUtf8());
    };
    first.answer("/same", redirect(first.url("target")));
    first.answer("/target", ScriptedAnswer::json(200, R"({"same":true})"));
    first.answer("/away", redirect(other.url("steal")));
    Session session(quick);
    const HttpHeaders headers{ { "Authorization", "Bearer secret" } };

    const auto same = fetch<QByteArray>(session, first.url("same"), headers);
    EXPECT_EQ(same.data, QByteArray(R"({"same":true})"));
    ASSERT_EQ(first.requestCount("/target"), 1);
    EXPECT_EQ(first.requests().back().header("Authorization"), QByteArray("Bearer secret"));

    // The token must not travel to another origin: the redirect is refused, nothing is sent there.
    const auto away = fetch<QByteArray>(session, first.url("away"), headers);
    EXPECT_EQ(errorKind(away), Kind::RedirectRefused);
    EXPECT_EQ(away.statusCode(), 302);
    EXPECT_EQ(other.requestCount(), 0);

    first.answer("/loop", redirect(first.url("loop")));
    const auto loop = fetch<QByteArray>(session, first.url("loop"));
    EXPECT_EQ(errorKind(loop), Kind::TooManyRedirects);
    EXPECT_TRUE(loop.error() && loop.error()->description.contains("too many redirects"))
            << loop.error()->description.toStdString();
}

TEST(Session, OversizedBodiesFailClearly)
{
    LoopbackService service;
    Session session(SessionConfiguration{ 5s, 5s, 1000 });
    const QByteArray big(5000, 'x');
    service.answer("/announced", ScriptedAnswer::text(200, big));
    service.answer("/chunked",
                   ScriptedAnswer::text(
                           200, QByteArray::number(big.size(), 16) + "\r\n" + big + "\r\n0\r\n\r\n")
                           .withHeader("Transfer-Encoding", "chunked"));
    service.answer("/fits", ScriptedAnswer::text(200, QByteArray(1000, 'y')));
    for (const char *path : { "announced", "chunked" }) {
        SCOPED_TRACE(path);
        const auto response = fetch<QByteArray>(session, service.url(path));
        EXPECT_EQ(errorKind(response), Kind::ResponseTooLarge);
        EXPECT_EQ(response.statusCode(), 200);
        EXPECT_FALSE(response.data);
    }
    EXPECT_EQ(fetch<QByteArray>(session, service.url("fits")).data->size(), 1000);
}
