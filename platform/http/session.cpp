#include "platform/http/session.h"

#include "platform/http/request_builder.h"

#include <QNetworkAccessManager>

namespace lanterncrest {

Session::Session(SessionConfiguration configuration)
    : m_configuration(configuration),
      m_manager(std::make_unique<QNetworkAccessManager>())
{
    // No cache is installed: every request goes to the network.
    m_manager->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
    m_manager->setAutoDeleteReplies(false);
}

Session::~Session()
{
    std::vector<std::shared_ptr<DataRequest>> pending;
    for (auto &[key, request] : m_pending)
        pending.push_back(request);
    for (auto &request : pending)
        request->cancel();
    m_pending.clear();
}

std::shared_ptr<DataRequest> Session::request(const QString &url, HttpMethod method,
                                              const nlohmann::json &parameters,
                                              ParameterEncoding encoding,
                                              const HttpHeaders &headers)
{
    auto request = std::make_shared<DataRequest>(m_configuration.maximumBodySize);
    auto built = buildRequest(url, method, parameters, encoding, headers);
    if (auto *error = std::get_if<HttpError>(&built)) {
        request->finish({ std::nullopt, std::nullopt, *error });
        return request;
    }
    DataRequest *key = request.get();
    m_pending.emplace(key, request);
    request->start(*m_manager, std::get<BuiltRequest>(built), m_configuration,
                   [this, key] { m_pending.erase(key); });
    return request;
}

} // namespace lanterncrest
