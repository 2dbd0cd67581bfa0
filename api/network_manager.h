#pragma once

#include "api/i_network_manager.h"
#include "platform/http/session.h"

#include <memory>

namespace lanterncrest {

// The framework's one HTTP client: every request goes through the session of
// NetworkManager::shared(). A request in flight holds its client.
//
// A data request (requestData, request<T>) prints its URL, then:
// - no HTTP answer: prints the HTTP error and fails with it (nothing logged);
// - 401: prints "refresh token called", logs in with the service account and sends the
//   request once more with the new token; a failed login, or a second 401, fails with the
//   standard CustomError, logged as its rendering + " with details: ";
// - any other status: prints an empty line and "service response is: " with the body read
//   as UTF-8, each ill-formed sequence as one U+FFFD (or "service response data is nil"); an HTTP
//   error, or a status outside 200 to 299, is printed, logged as its description + " with details:
//   " and fails the request; otherwise the body is handed on.
class NetworkManager final : public INetworkManager,
                             public std::enable_shared_from_this<NetworkManager>
{
public:
    // Created on first use, with the base URL taken from the environment then, and kept
    // until the process ends. Main thread only.
    static const std::shared_ptr<NetworkManager> &shared();

    // A client of its own (tests use shorter time-outs); the framework uses shared().
    explicit NetworkManager(SessionConfiguration configuration = {});

    Session &manager() { return *m_manager; }

    void requestJSON(const NetworkAPI &api, Completion<nlohmann::json> completion) override;
    void requestData(const NetworkAPI &api, Completion<QByteArray> completion) override;
    void requestBody(const NetworkAPI &api, Completion<QByteArray> completion) override;

    // The error a data request fails with when the service keeps refusing its token.
    static CustomError requestFailedError();

private:
    void send(const NetworkAPI &api, Completion<QByteArray> completion, bool mayLogIn);
    void handleAnswer(const NetworkAPI &api, const Completion<QByteArray> &completion,
                      bool mayLogIn, const DataResponse<QByteArray> &answer);
    std::shared_ptr<DataRequest> start(const NetworkAPI &api);

    const std::unique_ptr<Session> m_manager;
};

} // namespace lanterncrest
