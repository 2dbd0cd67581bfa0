#pragma once

#include "platform/http/data_response.h"

#include <QByteArray>
#include <QPointer>
#include <QTimer>

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

namespace lanterncrest {

struct BuiltRequest;
struct SessionConfiguration;

// One request of a Session, started as soon as it is created. Attach handlers to receive
// its answer:
//
//   session.request(url, HttpMethod::Get)->responseJSON([](const DataResponse<nlohmann::json>& r)
//   {...});
//
// Every handler runs exactly once, on the main thread, from the event loop (never inside
// the call that attaches it), also when attached after the request has ended. Status
// codes are not judged: a 404 with a body is a success of responseData.
class DataRequest : public std::enable_shared_from_this<DataRequest>
{
public:
    using DataHandler = std::function<void(const DataResponse<QByteArray> &)>;
    // JSON of any kind is accepted at the top level, fragments ("text", 42) included; JSON
    // nested deeper than maximumJsonNesting is refused as InvalidJson.
    using JsonHandler = std::function<void(const DataResponse<nlohmann::json> &)>;

    DataRequest &responseData(DataHandler handler);
    DataRequest &responseJSON(JsonHandler handler);

    // Ends the request with a Cancelled failure unless it has already ended.
    void cancel();
    bool isFinished() const { return m_outcome.has_value(); }

    // What the transfer produced, before a handler turns the body into its result.
    struct Outcome
    {
        std::optional<HttpResponse> response;
        std::optional<QByteArray> data;
        std::optional<HttpError> error;
    };

    explicit DataRequest(qsizetype maximumBodySize);
    ~DataRequest();
    DataRequest(const DataRequest &) = delete;
    DataRequest &operator=(const DataRequest &) = delete;

private:
    friend class Session;
    enum class AbortReason { None, TimedOut, TooLarge, Cancelled };

    void start(QNetworkAccessManager &manager, const BuiltRequest &built,
               const SessionConfiguration &configuration, std::function<void()> onEnded);
    void finish(Outcome outcome);
    void attach(std::function<void(const Outcome &)> handler);
    void post(std::function<void(const Outcome &)> handler);
    void abortWith(AbortReason reason);
    void limitReadAhead();
    void onMetaDataChanged();
    void onReadyRead();
    void onReplyFinished();
    void disconnectFromReply();

    qsizetype m_maximumBodySize;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    std::vector<QMetaObject::Connection> m_connections;
    QByteArray m_body;
    AbortReason m_abortReason = AbortReason::None;
    std::optional<Outcome> m_outcome;
    std::vector<std::function<void(const Outcome &)>> m_handlers;
    std::function<void()> m_onEnded;
};

} // namespace lanterncrest
