#include "tests/support/loopback_service.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace lanterncrest::test {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 307:
        return "Temporary Redirect";
    case 308:
        return "Permanent Redirect";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

bool namesHeader(const HeaderList &headers, const QByteArray &name)
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Parses one complete request from the front of `buffer`, removing its bytes; absent
// while the buffer does not yet hold a whole request.
std::optional<RecordedRequest> takeRequest(QByteArray &buffer)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    RecordedRequest request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    const qsizetype question = request.target.indexOf('?');
    request.path = question < 0 ? request.target : request.target.left(question);
    request.query = question < 0 ? QByteArray() : request.target.mid(question + 1);

    qsizetype contentLength = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        QByteArray value = line.mid(colon + 1);
        qsizetype lead = 0;
        while (lead < value.size() && (value[lead] == ' ' || value[lead] == '\t'))
            ++lead;
        value.remove(0, lead);
        const QByteArray name = line.left(colon);
        if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
            contentLength = value.trimmed().toLongLong();
        request.headers.append({ name, value });
    }
    const qsizetype bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < contentLength)
        return std::nullopt;
    request.body = buffer.mid(bodyStart, contentLength);
    buffer.remove(0, bodyStart + contentLength);
    return request;
}

// Writes `body` one byte per `interval`, until it is all out or the connection has gone.
void trickle(QTcpSocket *socket, const QByteArray &body, std::chrono::milliseconds interval)
{
    auto *timer = new QTimer(socket);
    QObject::connect(
            timer, &QTimer::timeout, socket, [socket, timer, body, sent = qsizetype(0)]() mutable {
                if (sent == body.size() || socket->state() != QAbstractSocket::ConnectedState) {
                    timer->deleteLater();
                    return;
                }
                socket->write(body.mid(sent++, 1));
            });
    timer->start(interval);
}

} // namespace

ScriptedAnswer ScriptedAnswer::json(int status, QByteArray body)
{
    return ScriptedAnswer{ status, { { "Content-Type", "application/json" } }, std::move(body) };
}

ScriptedAnswer ScriptedAnswer::text(int status, QByteArray body)
{
    return ScriptedAnswer{ status,
                           { { "Content-Type", "text/plain; charset=utf-8" } },
                           std::move(body) };
}

ScriptedAnswer ScriptedAnswer::truncated(int status, QByteArray body, qsizetype bodyBytesSent)
{
    ScriptedAnswer answer = json(status, std::move(body));
    answer.ending = Ending::TruncatedBody;
    answer.bodyBytesSent = bodyBytesSent;
    return answer;
}

ScriptedAnswer ScriptedAnswer::dropped()
{
    ScriptedAnswer answer;
    answer.ending = Ending::CloseWithoutAnswer;
    return answer;
}

ScriptedAnswer ScriptedAnswer::silent()
{
    ScriptedAnswer answer;
    answer.ending = Ending::NeverAnswer;
    return answer;
}

ScriptedAnswer ScriptedAnswer::brokenGzip(int status, const QByteArray &content)
{
    // A gzip header, then `content` in stored (uncompressed) deflate blocks, none of them the last.
    QByteArray body("\x1f\x8b\x08\0\0\0\0\0\0\xff", 10);
    for (qsizetype at = 0; at < content.size(); at += 0xFFFF) {
        const QByteArray block = content.mid(at, 0xFFFF);
        const auto length = quint16(block.size());
        const char header[] = { 0, char(length & 0xFF), char(length >> 8), char(~length & 0xFF),
                                char((~length >> 8) & 0xFF) };
        body += QByteArray(header, sizeof header) + block;
    }
    ScriptedAnswer answer = json(status, body).withHeader("Content-Encoding", "gzip");
    answer.tail = "\xff\xff\xff"; // a block of a kind that does not exist
    answer.tailDelay = std::chrono::milliseconds(50);
    return answer;
}

ScriptedAnswer ScriptedAnswer::after(std::chrono::milliseconds wait) &&
{
    delay = wait;
    return std::move(*this);
}

ScriptedAnswer ScriptedAnswer::withHeader(QByteArray name, QByteArray value) &&
{
    headers.append({ std::move(name), std::move(value) });
    return std::move(*this);
}

ScriptedAnswer ScriptedAnswer::trickled(std::chrono::milliseconds perByte) &&
{
    byteInterval = perByte;
    return std::move(*this);
}

std::optional<QByteArray> RecordedRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return std::nullopt;
}

int RecordedRequest::headerCount(const QByteArray &name) const
{
    int count = 0;
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            ++count;
    return count;
}

LoopbackService::LoopbackService(QObject *parent)
    : QObject(parent),
      m_fallback(ScriptedAnswer::text(404, {}))
{
    connect(&m_server, &QTcpServer::newConnection, this, &LoopbackService::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
    m_port = m_server.serverPort();
}

LoopbackService::~LoopbackService()
{
    close();
}

bool LoopbackService::isListening() const
{
    return m_server.isListening();
}

quint16 LoopbackService::port() const
{
    return m_port;
}

QString LoopbackService::url(const QString &relative) const
{
    return QStringLiteral("http://127.0.0.1:%1/").arg(port()) + relative;
}

void LoopbackService::answer(const QByteArray &path, ScriptedAnswer answer)
{
    m_fixed[path] = std::move(answer);
}

void LoopbackService::enqueue(const QByteArray &path, ScriptedAnswer answer)
{
    m_queued[path].push_back(std::move(answer));
}

void LoopbackService::setResponder(Responder responder)
{
    m_responder = std::move(responder);
}

void LoopbackService::setFallback(ScriptedAnswer answer)
{
    m_fallback = std::move(answer);
}

int LoopbackService::requestCount(const QByteArray &path) const
{
    int count = 0;
    for (const RecordedRequest &request : m_requests)
        if (request.path == path)
            ++count;
    return count;
}

void LoopbackService::reset()
{
    m_queued.clear();
    m_fixed.clear();
    m_responder = {};
    m_fallback = ScriptedAnswer::text(404, {});
    m_requests.clear();
}

bool LoopbackService::reopen()
{
    return m_server.isListening() || m_server.listen(QHostAddress::LocalHost, m_port);
}

void LoopbackService::close()
{
    m_server.close();
    const auto buffers = std::exchange(m_buffers, {});
    for (const auto &[socket, unused] : buffers) {
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
}

void LoopbackService::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        ++m_connections;
        m_buffers[socket];
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.erase(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackService::onReadyRead(QTcpSocket *socket)
{
    auto found = m_buffers.find(socket);
    if (found == m_buffers.end())
        return;
    found->second += socket->readAll();
    while (std::optional<RecordedRequest> request = takeRequest(found->second)) {
        m_requests.push_back(std::move(*request));
        const int index = int(m_requests.size()) - 1;
        ScriptedAnswer chosen = choose(m_requests.back());
        emit requestReceived(index);
        if (chosen.delay.count() > 0)
            QTimer::singleShot(chosen.delay, socket,
                               [this, socket, chosen] { send(socket, chosen); });
        else
            send(socket, chosen);
        // The socket may have been closed by the answer just sent.
        found = m_buffers.find(socket);
        if (found == m_buffers.end())
            return;
    }
}

ScriptedAnswer LoopbackService::choose(const RecordedRequest &request)
{
    if (auto queued = m_queued.find(request.path);
        queued != m_queued.end() && !queued->second.empty()) {
        ScriptedAnswer next = std::move(queued->second.front());
        queued->second.pop_front();
        return next;
    }
    if (auto fixed = m_fixed.find(request.path); fixed != m_fixed.end())
        return fixed->second;
    if (m_responder)
        if (std::optional<ScriptedAnswer> answer = m_responder(request))
            return std::move(*answer);
    return m_fallback;
}

void LoopbackService::send(QTcpSocket *socket, const ScriptedAnswer &answer)
{
    using Ending = ScriptedAnswer::Ending;
    if (answer.ending == Ending::NeverAnswer)
        return;
    if (answer.ending == Ending::CloseWithoutAnswer) {
        socket->disconnectFromHost();
        return;
    }
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(answer.status) + ' '
            + reasonPhrase(answer.status) + "\r\n";
    for (const auto &[name, value] : answer.headers)
        bytes += name + ": " + value + "\r\n";
    if (!namesHeader(answer.headers, "Content-Length")
        && !namesHeader(answer.headers, "Transfer-Encoding"))
        bytes += "Content-Length: " + QByteArray::number(answer.body.size() + answer.tail.size())
                + "\r\n";
    bytes += "\r\n";
    if (answer.ending == Ending::TruncatedBody) {
        bytes += answer.body.left(answer.bodyBytesSent);
        socket->write(bytes);
        socket->disconnectFromHost();
        return;
    }
    if (answer.byteInterval.count() > 0) {
        socket->write(bytes);
        trickle(socket, answer.body, answer.byteInterval);
        return;
    }
    bytes += answer.body;
    socket->write(bytes);
    if (!answer.tail.isEmpty())
        QTimer::singleShot(answer.tailDelay, socket,
                           [socket, tail = answer.tail] { socket->write(tail); });
}

bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds timeout)
{
    if (condition())
        return true;
    QDeadlineTimer deadline(timeout);
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition() || deadline.hasExpired())
            loop.quit();
    });
    poll.start();
    loop.exec();
    return condition();
}

void spinFor(std::chrono::milliseconds duration)
{
    QDeadlineTimer deadline(duration);
    waitUntil([&] { return deadline.hasExpired(); }, duration + std::chrono::seconds(1));
}

} // namespace lanterncrest::test
