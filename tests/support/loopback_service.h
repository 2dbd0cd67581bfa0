#pragma once

// A scripted HTTP/1.1 service on 127.0.0.1 for tests. It runs on the test's own thread
// (the Qt event loop that the code under test uses), sends exactly the bytes it is told to,
// and records every request as it arrived on the wire.
//
//   LoopbackService service;                        // listens on 127.0.0.1, a free port
//   service.answer("/v1/seasons/x/teams", ScriptedAnswer::json(200, R"({"data":[]})"));
//   service.enqueue("/v1/a", ScriptedAnswer::json(401, "{}"));   // first request to /v1/a
//   ... start requests against service.url("v1/seasons/x/teams") ...
//   ASSERT_TRUE(waitUntil([&] { return done; }));
//   EXPECT_EQ(service.requests().at(0).header("Authorization"), "Bearer ");
//
// Choosing an answer for a request, first match wins:
//   1. the queue of answers for its path (each answer used once, in order);
//   2. the fixed answer for its path (used for every request);
//   3. the responder function, when set and it returns an answer;
//   4. the fallback answer (404 with an empty body unless changed).
// The path is the request target up to its first "?" ("/v1/x?id=1" matches "/v1/x").
//
// Note for scripts with dropped connections: Qt silently sends a request again once when
// its connection closes before any byte of an answer. A dropped() answer in a queue is
// therefore usually followed by a second request for the same path.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QTcpSocket;

namespace lanterncrest::test {

using HeaderList = QList<std::pair<QByteArray, QByteArray>>;

// One answer, as bytes on the wire.
struct ScriptedAnswer
{
    enum class Ending {
        Complete, // status line, headers and the whole body
        TruncatedBody, // headers announce the whole body, only bodyBytesSent go out, then close
        CloseWithoutAnswer, // the connection closes before any byte of an answer
        NeverAnswer, // nothing is ever sent; the connection stays open
    };

    int status = 200;
    HeaderList headers; // sent as given, after the status line
    QByteArray body;
    std::chrono::milliseconds delay{ 0 }; // waited before anything is sent (or the close)
    Ending ending = Ending::Complete;
    qsizetype bodyBytesSent = 0; // for TruncatedBody
    std::chrono::milliseconds byteInterval{ 0 }; // for Complete: when set, the body trickles out
                                                 // one byte per interval after the headers
    QByteArray tail{}; // for Complete: more body bytes, sent after tailDelay
    std::chrono::milliseconds tailDelay{ 0 };
    // Content-Length is added unless `headers` names it or Transfer-Encoding (then the
    // body must be given in that encoding).

    static ScriptedAnswer json(int status, QByteArray body);
    static ScriptedAnswer text(int status, QByteArray body);
    static ScriptedAnswer truncated(int status, QByteArray body, qsizetype bodyBytesSent);
    static ScriptedAnswer dropped();
    static ScriptedAnswer silent();
    // "Content-Encoding: gzip" whose body inflates to `content`, then, a moment later, goes on
    // with bytes that are no deflate data at all.
    static ScriptedAnswer brokenGzip(int status, const QByteArray &content);
    // Fluent modifiers for the common extras.
    ScriptedAnswer after(std::chrono::milliseconds wait) &&;
    ScriptedAnswer withHeader(QByteArray name, QByteArray value) &&;
    ScriptedAnswer trickled(std::chrono::milliseconds perByte) &&;
};

// One request as received.
struct RecordedRequest
{
    QByteArray method;
    QByteArray target; // the raw request target of the request line ("/v1/x?id=a%26b")
    QByteArray path; // target up to its first "?"
    QByteArray query; // target after its first "?" (raw), empty when there is none
    HeaderList headers; // names as sent; values as sent after the colon and its leading blanks
                        // (trailing blanks are kept: "Bearer " stays "Bearer ")
    QByteArray body;

    // The first value of the header `name` (case-insensitive), absent when not sent.
    std::optional<QByteArray> header(const QByteArray &name) const;
    // How many times the header `name` was sent.
    int headerCount(const QByteArray &name) const;
};

class LoopbackService : public QObject
{
    Q_OBJECT
public:
    using Responder = std::function<std::optional<ScriptedAnswer>(const RecordedRequest &)>;

    // Starts listening at once on 127.0.0.1 with a port chosen by the system.
    explicit LoopbackService(QObject *parent = nullptr);
    ~LoopbackService() override;

    bool isListening() const;
    quint16 port() const;
    // "http://127.0.0.1:PORT/" (with the trailing slash) followed by `relative`.
    QString url(const QString &relative = {}) const;

    void answer(const QByteArray &path, ScriptedAnswer answer);
    void enqueue(const QByteArray &path, ScriptedAnswer answer);
    void setResponder(Responder responder);
    void setFallback(ScriptedAnswer answer);

    const std::vector<RecordedRequest> &requests() const { return m_requests; }
    int requestCount() const { return int(m_requests.size()); }
    int requestCount(const QByteArray &path) const;
    // How many connections were accepted so far.
    int connectionCount() const { return m_connections; }
    // Forgets the recorded requests (scripts stay).
    void clearRequests() { m_requests.clear(); }

    // Forgets every script and recorded request, as if new (connections stay open).
    void reset();

    // Stops listening and closes every open connection; afterwards the port refuses.
    void close();
    // Listens again on the port it had (for a test that needs the port refused for a while).
    bool reopen();

signals:
    void requestReceived(int index);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    ScriptedAnswer choose(const RecordedRequest &request);
    void send(QTcpSocket *socket, const ScriptedAnswer &answer);

    QTcpServer m_server;
    std::map<QByteArray, std::deque<ScriptedAnswer>> m_queued;
    std::map<QByteArray, ScriptedAnswer> m_fixed;
    Responder m_responder;
    ScriptedAnswer m_fallback;
    std::vector<RecordedRequest> m_requests;
    std::map<QTcpSocket *, QByteArray> m_buffers;
    int m_connections = 0;
    quint16 m_port = 0;
};

// Runs the event loop until `condition` holds or `timeout` passes; true when it held.
bool waitUntil(const std::function<bool()> &condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Runs the event loop for `duration` (to show that something does NOT happen).
void spinFor(std::chrono::milliseconds duration);

} // namespace lanterncrest::test
