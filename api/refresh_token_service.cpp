#include "api/refresh_token_service.h"

#include "api/token_store.h"
#include "platform/http/http_url.h"

#include <optional>
#include <string_view>

namespace lanterncrest {

namespace {

// The login answer read once, straight from its bytes; absent unless it carries the token
// every later request needs.
std::optional<AuthorizationDetails> loginDetails(const QByteArray &body)
{
    DecodeResult<AuthorizationDetails> details = JSONDecoder::decode<AuthorizationDetails>(
            std::string_view(body.constData(), std::size_t(body.size())));
    if (!details || !details.value().access_token)
        return std::nullopt;
    return std::move(details).value();
}

} // namespace

void RefreshTokenService::refreshToken(std::function<void(bool stored)> completion) const
{
    if (!networkManager) {
        completion(false);
        return;
    }
    const NetworkAPI login = NetworkAPI::refreshToken();
    networkManager->requestBody(
            login,
            [completion = std::move(completion),
             issuer = httpOrigin(login.url())](const ApiResponse<QByteArray> &response) {
                const std::optional<AuthorizationDetails> details =
                        response.value() ? loginDetails(*response.value()) : std::nullopt;
                if (details)
                    saveAuthorizationDetails(*details, issuer);
                completion(details.has_value());
            });
}

} // namespace lanterncrest
