#pragma once

#include "platform/http/data_request.h"
#include "platform/http/http_headers.h"
#include "platform/http/http_method.h"
#include "platform/http/parameter_encoding.h"
#include "platform/http/session_configuration.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <unordered_map>

class QNetworkAccessManager;

namespace lanterncrest {

// Sends HTTP requests over one QNetworkAccessManager, on the main thread. No URL cache;
// redirects are followed only within the same origin (so an Authorization header never
// reaches another host); TLS is always verified. Many requests may be in flight at once.
class Session
{
public:
    explicit Session(SessionConfiguration configuration = {});
    // Ends every request still in flight with a Cancelled failure.
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Builds and starts a request. `url` must be an absolute http or https URL, otherwise
    // the request ends with an InvalidUrl failure and nothing is sent. `parameters` is a
    // JSON object (or null for none). Header values go out without control characters.
    std::shared_ptr<DataRequest> request(const QString &url, HttpMethod method = HttpMethod::Get,
                                         const nlohmann::json &parameters = nullptr,
                                         ParameterEncoding encoding = ParameterEncoding::Url,
                                         const HttpHeaders &headers = {});

    const SessionConfiguration &configuration() const { return m_configuration; }
    // How many requests have not yet ended.
    std::size_t pendingCount() const { return m_pending.size(); }

private:
    SessionConfiguration m_configuration;
    std::unique_ptr<QNetworkAccessManager> m_manager;
    std::unordered_map<DataRequest *, std::shared_ptr<DataRequest>> m_pending;
};

} // namespace lanterncrest
