#include "api/korvex_api.h"

namespace lanterncrest {

PlayerManager &KorvexApi::playerManager()
{
    // Never destroyed, like the shared client it holds.
    static PlayerManager *const instance = new PlayerManager();
    return *instance;
}

} // namespace lanterncrest
