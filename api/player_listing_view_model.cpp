#include "api/player_listing_view_model.h"

#include "api/network_manager.h"
#include "platform/foundation/console.h"
#include "platform/foundation/main_queue.h"

#include <utility>

namespace lanterncrest {

PlayerListingViewModel::PlayerListingViewModel(
        std::shared_ptr<IPlayerListService> playerListingService)
    : playerListingService(std::move(playerListingService))
{
}

template<typename T>
void PlayerListingViewModel::send(const NetworkAPI &api, std::function<void(T)> completion,
                                  Failure failure)
{
    const std::shared_ptr<INetworkManager> client =
            playerListingService ? playerListingService->networkManager() : nullptr;
    if (!client) {
        if (failure)
            MainQueue::asyncAfter(0, [failure = std::move(failure)] {
                failure(NetworkManager::requestFailedError());
            });
        return;
    }
    client->request<T>(api,
                       [completion = std::move(completion),
                        failure = std::move(failure)](ApiResponse<T> response) {
                           if (T *value = response.value()) {
                               completion(std::move(*value));
                               return;
                           }
                           Console::print(response.error()->rendering());
                           if (failure)
                               failure(*response.error());
                       });
}

void PlayerListingViewModel::getSeasonTeams(const QString &seasonId,
                                            std::function<void(SeasonTeams)> completion,
                                            Failure failure)
{
    send<SeasonTeams>(NetworkAPI::getSeasonTeams(seasonId), std::move(completion),
                      std::move(failure));
}

void PlayerListingViewModel::getTeamPlayers(const QString &teamId, const QString &seasonId,
                                            std::function<void(PlayerList)> completion,
                                            Failure failure)
{
    send<PlayerList>(NetworkAPI::getTeamPlayers(teamId, seasonId), std::move(completion),
                     std::move(failure));
}

} // namespace lanterncrest
