#pragma once

#include "platform/coding/coding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

namespace lanterncrest {

// The service's answer to a login: the token every later request carries, its type,
// its lifetime in seconds and a refresh token (kept, never sent). Read leniently: a
// member that is missing, null or of another kind is absent, so any JSON object is a
// login answer; only a value that is not an object fails.
struct AuthorizationDetails
{
    std::optional<std::string> token_type;
    std::optional<std::int64_t> expires_in;
    std::optional<std::string> access_token;
    std::optional<std::string> refresh_token;

    enum class CodingKeys { token_type, expires_in, access_token, refresh_token };
    static constexpr auto codingFields()
    {
        using A = AuthorizationDetails;
        return std::tuple{ Field{ "token_type", &A::token_type },
                           Field{ "expires_in", &A::expires_in },
                           Field{ "access_token", &A::access_token },
                           Field{ "refresh_token", &A::refresh_token } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }
    static constexpr DecodingRule decodingRule = DecodingRule::lenient;

    bool operator==(const AuthorizationDetails &) const = default;
};

} // namespace lanterncrest
