#include "api/player_list_service.h"

#include <utility>

namespace lanterncrest {

PlayerListService::PlayerListService(std::shared_ptr<INetworkManager> networkManager)
    : m_networkManager(std::move(networkManager))
{
}

void PlayerListService::setNetworkManager(std::shared_ptr<INetworkManager> networkManager)
{
    m_networkManager = std::move(networkManager);
}

} // namespace lanterncrest
