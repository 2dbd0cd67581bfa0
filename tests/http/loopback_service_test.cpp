#include "tests/support/loopback_service.h"

#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace lanterncrest::test;
using namespace std::chrono_literals;

namespace {

// Sends raw bytes and collects everything the service sends until it closes or goes quiet.
QByteArray exchange(const LoopbackService& service, const QByteArray& raw,
                    std::chrono::milliseconds quiet = 300ms)
{
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", service.port());
    if (!waitUntil([&] { return socket.state() == QAbstractSocket::ConnectedState; }))
        return "not connected";
    socket.write(raw);
    QByteArray received;
    bool closed = false;
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] { closed = true; });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { received += socket.readAll(); });
    waitUntil([&] { return closed; }, quiet);
    received += socket.readAll();
    return received;
}

} // namespace

TEST(LoopbackService, RecordsHeadersExactlyAsSent)
{
    LoopbackService service;
    ASSERT_TRUE(service.isListening());
    exchange(service, "POST /v1/x?id=a%26b HTTP/1.1\r\nHost: h\r\nAuthorization: Bearer \r\n"
                      "X-Twice: 1\r\nx-twice: 2\r\nContent-Length: 4\r\n\r\nbody");
    ASSERT_EQ(service.requestCount(), 1);
    const RecordedRequest& request = service.requests().front();
    EXPECT_EQ(request.method, "POST");
    EXPECT_EQ(request.target, "/v1/x?id=a%26b");
    EXPECT_EQ(request.path, "/v1/x");
    EXPECT_EQ(request.query, "id=a%26b");
    EXPECT_EQ(request.header("authorization"), QByteArray("Bearer "));
    EXPECT_EQ(request.headerCount("X-Twice"), 2);
    EXPECT_EQ(request.header("Missing"), std::nullopt);
    EXPECT_EQ(request.body, "body");
}

TEST(LoopbackService, ChoosesQueueThenFixedThenResponderThenFallback)
{
    LoopbackService service;
    service.enqueue("/a", ScriptedAnswer::text(201, "queued"));
    service.answer("/a", ScriptedAnswer::text(200, "fixed"));
    service.setResponder([](const RecordedRequest& request) -> std::optional<ScriptedAnswer> {
        if (request.path == "/b")
            return ScriptedAnswer::text(202, "responder");
        return std::nullopt;
    });
    const QByteArray get = " HTTP/1.1\r\nHost: h\r\n\r\n";
    EXPECT_TRUE(exchange(service, "GET /a" + get).startsWith("HTTP/1.1 201 "));
    EXPECT_TRUE(exchange(service, "GET /a?x=1" + get).endsWith("fixed"));
    EXPECT_TRUE(exchange(service, "GET /b" + get).endsWith("responder"));
    EXPECT_TRUE(exchange(service, "GET /c" + get).startsWith("HTTP/1.1 404 "));
    EXPECT_EQ(service.requestCount("/a"), 2);
}

TEST(LoopbackService, SendsScriptedEndings)
{
    LoopbackService service;
    service.answer("/cut", ScriptedAnswer::truncated(200, "0123456789", 4));
    service.answer("/drop", ScriptedAnswer::dropped());
    service.answer("/late", ScriptedAnswer::text(200, "late").after(150ms));
    service.answer("/never", ScriptedAnswer::silent());
    const QByteArray get = " HTTP/1.1\r\nHost: h\r\n\r\n";

    const QByteArray cut = exchange(service, "GET /cut" + get);
    EXPECT_TRUE(cut.contains("Content-Length: 10\r\n"));
    EXPECT_TRUE(cut.endsWith("\r\n\r\n0123"));
    EXPECT_EQ(exchange(service, "GET /drop" + get), QByteArray());
    EXPECT_EQ(exchange(service, "GET /late" + get, 50ms), QByteArray());
    EXPECT_TRUE(exchange(service, "GET /late" + get, 1s).endsWith("late"));
    EXPECT_EQ(exchange(service, "GET /never" + get), QByteArray());
    EXPECT_EQ(service.requestCount(), 5);
}

TEST(LoopbackService, AnswersRequestsOnOneConnectionInTurn)
{
    LoopbackService service;
    service.answer("/a", ScriptedAnswer::text(200, "A"));
    service.answer("/b", ScriptedAnswer::text(200, "B"));
    const QByteArray both = exchange(service, "GET /a HTTP/1.1\r\nHost: h\r\n\r\nGET /b HTTP/1.1\r\nHost: h\r\n\r\n");
    EXPECT_EQ(both.count("HTTP/1.1 200 OK"), 2);
    EXPECT_EQ(service.connectionCount(), 1);
}

TEST(LoopbackService, RefusesAfterCloseAndAnswersAfterReopen)
{
    LoopbackService service;
    service.answer("/a", ScriptedAnswer::text(200, "A"));
    const quint16 port = service.port();
    service.close();
    QTcpSocket socket;
    bool failed = false;
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&] { failed = true; });
    socket.connectToHost("127.0.0.1", port);
    EXPECT_TRUE(waitUntil([&] { return failed; }));
    ASSERT_TRUE(service.reopen());
    EXPECT_EQ(service.port(), port);
    EXPECT_TRUE(exchange(service, "GET /a HTTP/1.1\r\nHost: h\r\n\r\n").endsWith("A"));
}

TEST(LoopbackService, ResetForgetsScriptsAndRequests)
{
    LoopbackService service;
    service.answer("/a", ScriptedAnswer::text(200, "A"));
    exchange(service, "GET /a HTTP/1.1\r\nHost: h\r\n\r\n");
    service.reset();
    EXPECT_EQ(service.requestCount(), 0);
    EXPECT_TRUE(exchange(service, "GET /a HTTP/1.1\r\nHost: h\r\n\r\n").startsWith("HTTP/1.1 404 "));
}
