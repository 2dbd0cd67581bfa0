#pragma once

#include "api/api_response.h"
#include "api/network_api.h"
#include "platform/coding/json_decoder.h"

#include <QByteArray>
#include <nlohmann/json.hpp>

#include <functional>
#include <string_view>

namespace lanterncrest {

// The framework's HTTP client, as its callers see it. Every completion runs exactly once,
// on the main thread, and never inside the call that started the request. It owns what it is
// handed, so a decoded answer can be moved on instead of copied.
class INetworkManager
{
public:
    template<typename T>
    using Completion = std::function<void(ApiResponse<T>)>;

    virtual ~INetworkManager() = default;

    // Sends `api` and hands back its answer parsed as JSON (top-level fragments included),
    // whatever its status code. Prints and logs nothing; no login after a 401.
    virtual void requestJSON(const NetworkAPI &api, Completion<nlohmann::json> completion) = 0;

    // Sends `api` as a data request: prints its URL and the answer, logs in once after a
    // 401 and sends it again, and hands back the body of a 2xx answer or why there is none.
    virtual void requestData(const NetworkAPI &api, Completion<QByteArray> completion) = 0;

    // Sends `api` and hands back the body of a 2xx answer, or why there is none: the HTTP
    // error, or UnacceptableStatusCode for any other status. Prints and logs nothing; no login
    // after a 401.
    virtual void requestBody(const NetworkAPI &api, Completion<QByteArray> completion) = 0;

    // requestData, with the body decoded into the record T.
    template<typename T>
    void request(const NetworkAPI &api, Completion<T> completion);

protected:
    INetworkManager() = default;
    INetworkManager(const INetworkManager &) = default;
    INetworkManager &operator=(const INetworkManager &) = default;
};

template<typename T>
void INetworkManager::request(const NetworkAPI &api, Completion<T> completion)
{
    requestData(api, [completion = std::move(completion)](const ApiResponse<QByteArray> &response) {
        if (const ApiError *error = response.error()) {
            completion(ApiResponse<T>::failure(*error));
            return;
        }
        const QByteArray &body = *response.value();
        DecodeResult<T> decoded = JSONDecoder::decode<T>(
                std::string_view(body.constData(), std::size_t(body.size())));
        if (decoded)
            completion(ApiResponse<T>::success(std::move(decoded).value()));
        else
            completion(ApiResponse<T>::failure(
                    ApiError::decoding(QString::fromStdString(decoded.error().description()))));
    });
}

} // namespace lanterncrest
