#include "platform/http/data_request.h"

#include "platform/http/request_builder.h"
#include "platform/http/session_configuration.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace lanterncrest {

namespace {

using Kind = HttpError::Kind;

// Qt turns 4xx and 5xx answers into reply errors; with a status line received they are
// answers like any other, and the caller judges the status.
bool isStatusError(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ContentAccessDenied:
    case QNetworkReply::ContentOperationNotPermittedError:
    case QNetworkReply::ContentNotFoundError:
    case QNetworkReply::AuthenticationRequiredError:
    case QNetworkReply::ContentConflictError:
    case QNetworkReply::ContentGoneError:
    case QNetworkReply::UnknownContentError:
    case QNetworkReply::ProtocolInvalidOperationError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::InternalServerError:
    case QNetworkReply::OperationNotImplementedError:
    case QNetworkReply::ServiceUnavailableError:
    case QNetworkReply::UnknownServerError:
        return true;
    default:
        return false;
    }
}

HttpError transportError(QNetworkReply::NetworkError error, const QString& qtText)
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
    case QNetworkReply::TooManyRedirectsError:
        return HttpError::make(Kind::RedirectRefused);
    case QNetworkReply::SslHandshakeFailedError:
        return HttpError::make(Kind::SecureConnectionFailed);
    default:
        return HttpError::make(Kind::TransferFailed, qtText);
    }
}

HttpHeaders responseHeaders(const QNetworkReply& reply)
{
    HttpHeaders headers;
    for (const auto& [name, value] : reply.rawHeaderPairs())
        headers.set(QString::fromLatin1(name), QString::fromUtf8(value));
    return headers;
}

// Qt reports a 4xx/5xx answer whose connection closed mid-body by its status error
// alone; the announced length tells that the body is incomplete.
bool bodyCutShort(const QNetworkReply& reply, const std::optional<QByteArray>& body)
{
    if (reply.hasRawHeader("Content-Encoding"))
        return false;
    bool known = false;
    const qlonglong announced = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    return known && announced > (body ? body->size() : 0);
}

bool allowsEmptyBody(const std::optional<HttpResponse>& response)
{
    return response && (response->statusCode == 204 || response->statusCode == 205);
}

template <typename T>
DataResponse<T> failed(const DataRequest::Outcome& outcome, HttpError error)
{
    return {outcome.response, outcome.data, std::move(error)};
}

DataResponse<QByteArray> serializeData(const DataRequest::Outcome& outcome)
{
    if (outcome.error)
        return failed<QByteArray>(outcome, *outcome.error);
    if (!outcome.data && !allowsEmptyBody(outcome.response))
        return failed<QByteArray>(outcome, HttpError::make(Kind::EmptyResponse));
    return {outcome.response, outcome.data, outcome.data.value_or(QByteArray())};
}

DataResponse<nlohmann::json> serializeJson(const DataRequest::Outcome& outcome)
{
    if (outcome.error)
        return failed<nlohmann::json>(outcome, *outcome.error);
    if (!outcome.data) {
        if (allowsEmptyBody(outcome.response))
            return {outcome.response, outcome.data, nlohmann::json(nullptr)};
        return failed<nlohmann::json>(outcome, HttpError::make(Kind::EmptyResponse));
    }
    const HttpError invalid = HttpError::make(Kind::InvalidJson, QStringLiteral("the data is not valid JSON."));
    try {
        nlohmann::json value = nlohmann::json::parse(outcome.data->cbegin(), outcome.data->cend(), nullptr, false);
        if (value.is_discarded())
            return failed<nlohmann::json>(outcome, invalid);
        return {outcome.response, outcome.data, std::move(value)};
    } catch (const nlohmann::json::exception&) { // a number beyond a double's range
        return failed<nlohmann::json>(outcome, invalid);
    }
}

} // namespace

DataRequest::DataRequest(qsizetype maximumBodySize)
    : m_maximumBodySize(maximumBodySize)
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
    for (const QMetaObject::Connection& connection : std::exchange(m_connections, {}))
        QObject::disconnect(connection);
}

DataRequest& DataRequest::responseData(DataHandler handler)
{
    attach([handler = std::move(handler)](const Outcome& outcome) { handler(serializeData(outcome)); });
    return *this;
}

DataRequest& DataRequest::responseJSON(JsonHandler handler)
{
    attach([handler = std::move(handler)](const Outcome& outcome) { handler(serializeJson(outcome)); });
    return *this;
}

void DataRequest::cancel()
{
    if (!m_outcome && m_reply)
        abortWith(AbortReason::Cancelled);
}

void DataRequest::attach(std::function<void(const Outcome&)> handler)
{
    if (m_outcome)
        post(std::move(handler));
    else
        m_handlers.push_back(std::move(handler));
}

void DataRequest::post(std::function<void(const Outcome&)> handler)
{
    Q_ASSERT(QCoreApplication::instance());
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self = shared_from_this(), handler = std::move(handler)] { handler(*self->m_outcome); },
        Qt::QueuedConnection);
}

void DataRequest::start(QNetworkAccessManager& manager, const BuiltRequest& built,
                        const SessionConfiguration& configuration, std::function<void()> onEnded)
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

    QNetworkReply* reply = m_reply;
    m_connections = {
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [this] { onMetaDataChanged(); }),
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [this] { onReadyRead(); }),
        QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onReplyFinished(); }),
        QObject::connect(&m_deadline, &QTimer::timeout, reply, [this] { abortWith(AbortReason::TimedOut); }),
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
    // Refuse an announced oversize body before any of it is read. A compressed body's
    // length says nothing about its decoded size; readyRead bounds that one.
    if (m_reply->hasRawHeader("Content-Encoding"))
        return;
    bool known = false;
    const qlonglong announced = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && announced > m_maximumBodySize)
        abortWith(AbortReason::TooLarge);
}

void DataRequest::onReadyRead()
{
    if (m_outcome || !m_reply)
        return;
    const QByteArray chunk = m_reply->readAll();
    if (m_body.size() + chunk.size() > m_maximumBodySize) {
        abortWith(AbortReason::TooLarge);
        return;
    }
    m_body += chunk;
}

void DataRequest::onReplyFinished()
{
    if (m_outcome || !m_reply)
        return;
    const std::shared_ptr<DataRequest> keepAlive = shared_from_this();
    m_deadline.stop();
    QNetworkReply* reply = m_reply;
    if (m_abortReason == AbortReason::None && reply->isOpen() && reply->bytesAvailable() > 0)
        onReadyRead();

    Outcome outcome;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid())
        outcome.response = HttpResponse{status.toInt(), reply->url(), responseHeaders(*reply)};
    if (!m_body.isEmpty() && m_abortReason != AbortReason::TooLarge)
        outcome.data = std::exchange(m_body, {});

    switch (m_abortReason) {
    case AbortReason::TimedOut: outcome.error = HttpError::make(Kind::TimedOut); break;
    case AbortReason::TooLarge:
        outcome.error = HttpError::make(Kind::ResponseTooLarge,
                                        QStringLiteral("The limit is %1 bytes.").arg(m_maximumBodySize));
        break;
    case AbortReason::Cancelled: outcome.error = HttpError::make(Kind::Cancelled); break;
    case AbortReason::None:
        if (reply->error() != QNetworkReply::NoError && !(status.isValid() && isStatusError(reply->error())))
            outcome.error = transportError(reply->error(), reply->errorString());
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
    for (auto& handler : std::exchange(m_handlers, {}))
        post(std::move(handler));
    if (auto onEnded = std::exchange(m_onEnded, {}))
        onEnded();
}

} // namespace lanterncrest
