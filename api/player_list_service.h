#pragma once

#include "api/i_player_list_service.h"

namespace lanterncrest {

// Holds the HTTP client for the view model. A value: copies share the client.
class PlayerListService final : public IPlayerListService
{
public:
    explicit PlayerListService(std::shared_ptr<INetworkManager> networkManager);

    std::shared_ptr<INetworkManager> networkManager() const override { return m_networkManager; }
    void setNetworkManager(std::shared_ptr<INetworkManager> networkManager);

private:
    std::shared_ptr<INetworkManager> m_networkManager;
};

} // namespace lanterncrest
