#pragma once

#include "api/i_player_list_service.h"
#include "api/i_player_listing_view_model.h"

#include <memory>

namespace lanterncrest {

// Sends the list screens' requests through its service's client. A failure is printed
// (its rendering) and handed to `failure`.
class PlayerListingViewModel final : public IPlayerListingViewModel
{
public:
    explicit PlayerListingViewModel(std::shared_ptr<IPlayerListService> playerListingService);

    std::shared_ptr<IPlayerListService> playerListingService;

    // Without a service or a client nothing is sent or printed, and `failure` receives
    // NetworkManager::requestFailedError().
    void getSeasonTeams(const QString &seasonId, std::function<void(SeasonTeams)> completion,
                        Failure failure) override;
    void getTeamPlayers(const QString &teamId, const QString &seasonId,
                        std::function<void(PlayerList)> completion, Failure failure) override;

private:
    template<typename T>
    void send(const NetworkAPI &api, std::function<void(T)> completion, Failure failure);
};

} // namespace lanterncrest
