#pragma once

#include "api/i_network_manager.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lanterncrest {

// Logs in with the built-in service account and keeps the answer in the token store.
struct RefreshTokenService {
    std::shared_ptr<INetworkManager> networkManager;

    // Posts the service account to the login endpoint. `completion` runs exactly once:
    // true after a JSON-object answer has been stored; false when the login failed in the
    // HTTP layer, its answer is no JSON object or does not decode, or there is no client.
    void refreshToken(std::function<void(bool stored)> completion) const;
};

// `value` as pretty-printed JSON text; absent (and the reason printed) when it cannot be
// written.
std::optional<std::string> jsonToData(const nlohmann::json& value);

} // namespace lanterncrest
