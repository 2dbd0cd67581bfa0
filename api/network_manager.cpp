#include "api/network_manager.h"

#include "api/api_configuration.h"
#include "api/logger.h"
#include "api/refresh_token_service.h"
#include "platform/foundation/console.h"
#include "platform/foundation/utf8_text.h"

namespace lanterncrest {

namespace {

const QString detailsSuffix = QStringLiteral(" with details: ");

void failWithLoggedError(const ApiError &error, const QString &logText,
                         const INetworkManager::Completion<QByteArray> &completion)
{
    Logger::log(logText + detailsSuffix);
    completion(ApiResponse<QByteArray>::failure(error));
}

void failLogin(const INetworkManager::Completion<QByteArray> &completion)
{
    const CustomError error = NetworkManager::requestFailedError();
    failWithLoggedError(error, error.rendering(), completion);
}

void failWithHttpError(const HttpError &error,
                       const INetworkManager::Completion<QByteArray> &completion)
{
    Console::print(error.localizedDescription());
    failWithLoggedError(error, error.localizedDescription(), completion);
}

// Why an answer's body is not handed on: the HTTP error, or a status outside 200 to 299.
std::optional<HttpError> refusal(const DataResponse<QByteArray> &answer)
{
    if (const HttpError *error = answer.error())
        return *error;
    const int status = answer.statusCode().value_or(0);
    if (status < 200 || status > 299)
        return HttpError::unacceptableStatusCode(status);
    return std::nullopt;
}

} // namespace

const std::shared_ptr<NetworkManager> &NetworkManager::shared()
{
    // Never destroyed: requests may still be answered while the process winds down.
    static const auto *instance = [] {
        ApiConfiguration::baseUrl(); // the base URL is settled once, now
        return new std::shared_ptr<NetworkManager>(std::make_shared<NetworkManager>());
    }();
    return *instance;
}

NetworkManager::NetworkManager(SessionConfiguration configuration)
    : m_manager(std::make_unique<Session>(configuration))
{
}

CustomError NetworkManager::requestFailedError()
{
    return CustomError(QStringLiteral("Error"), 0,
                       QStringLiteral("Error occured while processing request, Please try again"));
}

std::shared_ptr<DataRequest> NetworkManager::start(const NetworkAPI &api)
{
    return m_manager->request(api.url(), api.method(), api.parameters(), api.encoding(),
                              api.headers());
}

void NetworkManager::requestJSON(const NetworkAPI &api, Completion<nlohmann::json> completion)
{
    start(api)->responseJSON([self = shared_from_this(), completion = std::move(completion)](
                                     const DataResponse<nlohmann::json> &answer) {
        if (const nlohmann::json *value = answer.value())
            completion(ApiResponse<nlohmann::json>::success(*value));
        else
            completion(ApiResponse<nlohmann::json>::failure(*answer.error()));
    });
}

void NetworkManager::requestData(const NetworkAPI &api, Completion<QByteArray> completion)
{
    send(api, std::move(completion), true);
}

void NetworkManager::requestBody(const NetworkAPI &api, Completion<QByteArray> completion)
{
    start(api)->responseData([self = shared_from_this(), completion = std::move(completion)](
                                     const DataResponse<QByteArray> &answer) {
        if (std::optional<HttpError> error = refusal(answer))
            completion(ApiResponse<QByteArray>::failure(*error));
        else
            completion(ApiResponse<QByteArray>::success(*answer.value()));
    });
}

void NetworkManager::send(const NetworkAPI &api, Completion<QByteArray> completion, bool mayLogIn)
{
    Console::print(api.url());
    start(api)->responseData([self = shared_from_this(), api, completion = std::move(completion),
                              mayLogIn](const DataResponse<QByteArray> &answer) {
        self->handleAnswer(api, completion, mayLogIn, answer);
    });
}

void NetworkManager::handleAnswer(const NetworkAPI &api, const Completion<QByteArray> &completion,
                                  bool mayLogIn, const DataResponse<QByteArray> &answer)
{
    if (!answer.response) {
        // No connection, a time-out or a refused URL: nothing arrived to print or log.
        Console::print(answer.error()->localizedDescription());
        completion(ApiResponse<QByteArray>::failure(*answer.error()));
        return;
    }
    const int status = answer.response->statusCode;
    if (status == 401) {
        // One login per request: a token refused right after a login will not get better.
        if (!mayLogIn) {
            failLogin(completion);
            return;
        }
        Console::print(QStringLiteral("refresh token called"));
        RefreshTokenService{ shared_from_this() }.refreshToken(
                [self = shared_from_this(), api, completion](bool stored) {
                    if (stored)
                        self->send(api, completion, false);
                    else
                        failLogin(completion);
                });
        return;
    }
    Console::print(QString());
    if (answer.data)
        Console::print(utf8Text(*answer.data, u"service response is: "));
    else
        Console::print(QStringLiteral("service response data is nil"));
    if (std::optional<HttpError> error = refusal(answer)) {
        failWithHttpError(*error, completion);
        return;
    }
    completion(ApiResponse<QByteArray>::success(*answer.value()));
}

} // namespace lanterncrest
