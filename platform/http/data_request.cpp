#include "platform/http/data_request.h"

#include "platform/coding/json_nesting.h"
#include "platform/http/request_builder.h"
#include "platform/http/session_configuration.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace lanterncrest {

namespace {

using Kind = HttpError::Kind;

// How far Qt's network thread may read ahead of us. Qt starts a request inside get(),
// before a limit can be set, and starts a redirected one afresh without it: the limit is set
// right after the start and again when the answer's headers arrive.
constexpr qint64 readAhead = 1 << 20;

// The reply error Qt raises for an answer with this status alone: 4xx and 5xx answers are
// answers like any other, and the caller judges the status. Any other error (a body that
// cannot be decompressed, say) is a failed transfer, whatever the status.
QNetworkReply::NetworkError statusError(int status)
{
    switch (status) {
    case 400:
    case 418:
        return QNetworkReply::ProtocolInvalidOperationError;
    case 401:
        return QNetworkReply::AuthenticationRequiredError;
    case 403:
        return QNetworkReply::ContentAccessDenied;
    case 404:
        return QNetworkReply::ContentNotFoundError;
    case 405:
        return QNetworkReply::ContentOperationNotPermittedError;
    case 407:
        return QNetworkReply::ProxyAuthenticationRequiredError;
    case 409:
        return QNetworkReply::ContentConflictError;
    case 410:
        return QNetworkReply::ContentGoneError;
    case 500:
        return QNetworkReply::InternalServerError;
    case 501:
        return QNetworkReply::OperationNotImplementedError;
    case 503:
        return QNetworkReply::ServiceUnavailableError;
    default:
        if (status > 500)
            return QNetworkReply::UnknownServerError;
        return status >= 400 ? QNetworkReply::UnknownContentError : QNetworkReply::NoError;
    }
}

HttpError transportError(QNetworkReply::NetworkError error, const QString &qtText)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
        return HttpError::make(Kind::CannotConnect);
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return HttpError::make(Kind::ConnectionLost);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::OperationCanceledError: // only the idle time-out cancels on its own
        return HttpError::make(Kind::TimedOut);
    case QNetworkReply::InsecureRedirectError:
        return HttpError::make(Kind::RedirectRefused);
    case QNetworkReply::TooManyRedirectsError:
        return HttpError::make(Kind::TooManyRedirects);
    case QNetworkReply::SslHandshakeFailedError:
        return HttpError::make(Kind::SecureConnectionFailed);
    default:
        return HttpError::make(Kind::TransferFailed, qtText);
    }
}

HttpHeaders responseHeaders(const QNetworkReply &reply)
{
    HttpHeaders headers;
    for (const auto &[name, value] : reply.rawHeaderPairs())
        headers.set(QString::fromLatin1(name), QString::fromUtf8(value));
    return headers;
}

// The body length the answer announces. A compressed body's length says nothing about its
// decoded size, so it announces none.
std::optional<qint64> announcedLength(const QNetworkReply &reply)
{
    if (reply.hasRawHeader("Content-Encoding"))
        return std::nullopt;
    bool known = false;
    const qlonglong announced =
            reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    return known ? std::optional<qint64>(announced) : std::nullopt;
}

// Qt reports a 4xx/5xx answer whose connection closed mid-body by its status error
// alone; the announced length tells that the body is incomplete.
bool bodyCutShort(const QNetworkReply &reply, const std::optional<QByteArray> &body)
{
    const std::optional<qint64> announced = announcedLength(reply);
    return announced && *announced > (body ? body->size() : 0);
}

bool allowsEmptyBody(const std::optional<HttpResponse> &response)
{
    return response && (response->statusCode == 204 || response->statusCode == 205);
}

template<typename T>
DataResponse<T> failed(const DataRequest::Outcome &outcome, HttpError error)
{
    return { outcome.response, outcome.data, std::move(error) };
}

DataResponse<QByteArray> serializeData(const DataRequest::Outcome &outcome)
{
    if (outcome.error)
        return failed<QByteArray>(outcome, *outcome.error);
    if (!outcome.data && !allowsEmptyBody(outcome.response))
        return failed<QByteArray>(outcome, HttpError::make(Kind::EmptyResponse));
    return { outcome.response, outcome.data, outcome.data.value_or(QByteArray()) };
}

DataResponse<nlohmann::json> serializeJson(const DataRequest::Outcome &outcome)
{
    if (outcome.error)
        return failed<nlohmann::json>(outcome, *outcome.error);
    if (!outcome.data) {
        if (allowsEmptyBody(outcome.response))
            return { outcome.response, outcome.data, nlohmann::json(nullptr) };
        return failed<nlohmann::json>(outcome, HttpError::make(Kind::EmptyResponse));
    }
    const HttpError invalid =
            HttpError::make(Kind::InvalidJson, QStringLiteral("the data is not valid JSON."));
    if (!nestsWithinLimit(
                std::string_view(outcome.data->constData(), std::size_t(outcome.data->size()))))
        return failed<nlohmann::json>(
                outcome,
                HttpError::make(Kind::InvalidJson,
                                QStringLiteral("the data nests deeper than %1 levels.")
                                        .arg(maximumJsonNesting)));
    try {
        nlohmann::json value =
                nlohmann::json::parse(outcome.data->cbegin(), outcome.data->cend(), nullptr, false);
        if (value.is_discarded())
            return failed<nlohmann::json>(outcome, invalid);
        return { outcome.response, outcome.data, std::move(value) };
    } catch (const nlohmann::json::exception &) { // a number beyond a double's range
        return failed<nlohmann::json>(outcome, invalid);
    }
}

} // namespace

DataRequest::DataRequest(qsizetype maximumBodySize) : m_maximumBodySize(maximumBodySize)
{
    m_deadline.setSingleShot(true);
}

DataRequest::~DataRequest()
{
    if (m_reply) {
        disconnectFromReply();
        m_reply->deleteLater();
    }
}

void DataRequest::disconnectFromReply()
{
    // Only our own connections: Qt's internal ones still tidy up the connection pool.
    for (const QMetaObject::Connection &connection : std::exchange(m_connections, {}))
        QObject::disconnect(connection);
}

DataRequest &DataRequest::responseData(DataHandler handler)
{
    attach([handler = std::move(handler)](const Outcome &outcome) {
        handler(serializeData(outcome));
    });
    return *this;
}

DataRequest &DataRequest::responseJSON(JsonHandler handler)
{
    attach([handler = std::move(handler)](const Outcome &outcome) {
        handler(serializeJson(outcome));
    });
    return *this;
}

void DataRequest::cancel()
{
    if (!m_outcome && m_reply)
        abortWith(AbortReason::Cancelled);
}

void DataRequest::attach(std::function<void(const Outcome &)> handler)
{
    if (m_outcome)
        post(std::move(handler));
    else
        m_handlers.push_back(std::move(handler));
}

void DataRequest::post(std::function<void(const Outcome &)> handler)
{
    Q_ASSERT(QCoreApplication::instance());
    QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self = shared_from_this(), handler = std::move(handler)] {
                handler(*self->m_outcome);
            },
            Qt::QueuedConnection);
}

void DataRequest::start(QNetworkAccessManager &manager, const BuiltRequest &built,
                        const SessionConfiguration &configuration, std::function<void()> onEnded)
{
    m_onEnded = std::move(onEnded);
    QNetworkRequest request = built.request;
    request.setTransferTimeout(int(configuration.requestTimeout.count()));
    if (built.verb == "GET" && built.body.isEmpty())
        m_reply = manager.get(request);
    else if (built.verb == "POST")
        m_reply = manager.post(request, built.body);
    else
        m_reply = manager.sendCustomRequest(request, built.verb, built.body);

    QNetworkReply *reply = m_reply;
    limitReadAhead();
    m_connections = {
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
                         [this] { onMetaDataChanged(); }),
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { onReadyRead(); }),
        QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onReplyFinished(); }),
        QObject::connect(&m_deadline, &QTimer::timeout, reply,
                         [this] { abortWith(AbortReason::TimedOut); }),
    };
    m_deadline.start(configuration.resourceTimeout);
}

void DataRequest::abortWith(AbortReason reason)
{
    if (m_outcome || !m_reply)
        return;
    m_abortReason = reason;
    m_reply->abort(); // emits finished before it returns
}

void DataRequest::onMetaDataChanged()
{
    // Refuse an announced oversize body before any of it is read, and make room for one
    // that fits at once, so that it is never copied on the way.
    limitReadAhead();
    const std::optional<qint64> announced = announcedLength(*m_reply);
    if (announced && *announced > m_maximumBodySize)
        abortWith(AbortReason::TooLarge);
    else if (announced && m_body.isEmpty())
        m_body.reserve(qsizetype(*announced));
}

void DataRequest::limitReadAhead()
{
    // Qt stops reading the socket while this much is waiting for us, so an answer larger
    // than the cap is cut off before Qt has buffered much more of it than we have.
    m_reply->setReadBufferSize(std::min<qint64>(m_maximumBodySize, readAhead));
}

void DataRequest::onReadyRead()
{
    if (m_outcome || !m_reply)
        return;
    const qint64 available = m_reply->bytesAvailable();
    const qsizetype size = m_body.size();
    if (size + available > m_maximumBodySize) {
        abortWith(AbortReason::TooLarge);
        return;
    }
    // The buffer grows by doubling but never past the cap, and the bytes go straight into
    // it: a body near the cap costs the cap, not a copy into a buffer twice its size.
    if (size + available > m_body.capacity())
        m_body.reserve(
                std::min(m_maximumBodySize, std::max(size + available, 2 * m_body.capacity())));
    m_body.resize(size + available);
    const qint64 read = m_reply->read(m_body.data() + size, available);
    m_body.resize(size + std::max<qint64>(read, 0));
}

void DataRequest::onReplyFinished()
{
    if (m_outcome || !m_reply)
        return;
    const std::shared_ptr<DataRequest> keepAlive = shared_from_this();
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    if (m_abortReason == AbortReason::None && reply->isOpen() && reply->bytesAvailable() > 0)
        onReadyRead();

    Outcome outcome;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        outcome.response = HttpResponse{ status.toInt(), reply->url(), responseHeaders(*reply) };
    if (!m_body.isEmpty() && m_abortReason != AbortReason::TooLarge)
        outcome.data = std::exchange(m_body, {});

    switch (m_abortReason) {
    case AbortReason::TimedOut:
        outcome.error = HttpError::make(Kind::TimedOut);
        break;
    case AbortReason::TooLarge:
        outcome.error =
                HttpError::make(Kind::ResponseTooLarge,
                                QStringLiteral("The limit is %1 bytes.").arg(m_maximumBodySize));
        break;
    case AbortReason::Cancelled:
        outcome.error = HttpError::make(Kind::Cancelled);
        break;
    case AbortReason::None:
        if (const QNetworkReply::NetworkError error = reply->error();
            error != QNetworkReply::NoError
            && !(status.isValid() && error == statusError(status.toInt())))
            outcome.error = transportError(error, reply->errorString());
        else if (bodyCutShort(*reply, outcome.data))
            outcome.error = HttpError::make(Kind::ConnectionLost);
        break;
    }

    disconnectFromReply();
    reply->deleteLater();
    m_reply = nullptr;
    finish(std::move(outcome));
}

void DataRequest::finish(Outcome outcome)
{
    m_outcome = std::move(outcome);
    for (auto &handler : std::exchange(m_handlers, {}))
        post(std::move(handler));
    if (auto onEnded = std::exchange(m_onEnded, {}))
        onEnded();
}

} // namespace lanterncrest
