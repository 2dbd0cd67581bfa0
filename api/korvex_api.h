#pragma once

#include "api/player_manager.h"
#include "platform/export.h"

namespace lanterncrest {

// The host's way to the framework's player manager. The screens make their own view models and
// never call it; a host gets one that asks for a season's teams and a team's players without
// a screen.
class LANTERNCREST_EXPORT KorvexApi
{
public:
    KorvexApi() = delete;

    // Created on the first call (main thread), the same object on every call, kept until
    // the process ends.
    static PlayerManager &playerManager();
};

} // namespace lanterncrest
