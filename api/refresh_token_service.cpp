#include "api/refresh_token_service.h"

#include "api/token_store.h"
#include "platform/foundation/console.h"

namespace lanterncrest {

void RefreshTokenService::refreshToken(std::function<void(bool stored)> completion) const
{
    if (!networkManager) {
        completion(false);
        return;
    }
    networkManager->requestJSON(NetworkAPI::refreshToken(), [completion = std::move(completion)](
                                                                const ApiResponse<nlohmann::json>& response) {
        const nlohmann::json* answer = response.value();
        if (!answer || !answer->is_object()) {
            completion(false);
            return;
        }
        const std::optional<std::string> bytes = jsonToData(*answer);
        if (!bytes) {
            completion(false);
            return;
        }
        const DecodeResult<AuthorizationDetails> details = JSONDecoder::decode<AuthorizationDetails>(*bytes);
        if (!details) {
            Console::print(QString::fromStdString(details.error().description()));
            completion(false);
            return;
        }
        saveAuthorizationDetails(details.value());
        completion(true);
    });
}

std::optional<std::string> jsonToData(const nlohmann::json& value)
{
    try {
        return value.dump(4);
    } catch (const nlohmann::json::exception&) {
        // The exception's text quotes the offending bytes; say what happened instead.
        Console::print(QStringLiteral("The JSON value could not be written: it holds a text that is not valid UTF-8."));
        return std::nullopt;
    }
}

} // namespace lanterncrest
