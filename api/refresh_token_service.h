#pragma once

#include "api/i_network_manager.h"

#include <functional>
#include <memory>

namespace lanterncrest {

// Logs in with the built-in service account and keeps the answer in the token store.
struct RefreshTokenService
{
    std::shared_ptr<INetworkManager> networkManager;

    // Posts the service account to the login endpoint. `completion` runs exactly once: true
    // after a 2xx answer whose JSON object carries an access token as text has been stored as
    // that service's (on disk, or for this run when the settings can't be written);
    // false when the login failed in the HTTP layer, its status is outside 200 to 299, its
    // answer is no JSON object (nested too deeply included) or carries no text access token,
    // or there is no client. A failed login leaves the stored token as it was.
    void refreshToken(std::function<void(bool stored)> completion) const;
};

} // namespace lanterncrest
