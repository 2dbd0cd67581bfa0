#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lanterncrest {

// The service's answer to a login: the token every later request carries, its type,
// its lifetime in seconds and a refresh token (kept, never sent).
struct AuthorizationDetails {
    std::optional<std::string> token_type;
    std::optional<std::int64_t> expires_in;
    std::optional<std::string> access_token;
    std::optional<std::string> refresh_token;

    bool operator==(const AuthorizationDetails&) const = default;
};

} // namespace lanterncrest
