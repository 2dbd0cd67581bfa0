#pragma once

#include "api/player_list_service.h"
#include "api/player_listing_view_model.h"
#include "platform/export.h"

#include <memory>

namespace lanterncrest {

// A list service and a view model over the shared HTTP client, for a host to reach
// through KorvexApi::playerManager(); nothing in the framework reads them.
class LANTERNCREST_EXPORT PlayerManager
{
public:
    PlayerManager();

    std::shared_ptr<PlayerListService> playerListService;
    std::shared_ptr<PlayerListingViewModel> viewModel;
};

} // namespace lanterncrest
