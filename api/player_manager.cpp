#include "api/player_manager.h"

#include "api/network_manager.h"

namespace lanterncrest {

PlayerManager::PlayerManager()
    : playerListService(std::make_shared<PlayerListService>(NetworkManager::shared())),
      viewModel(std::make_shared<PlayerListingViewModel>(playerListService))
{
}

} // namespace lanterncrest
