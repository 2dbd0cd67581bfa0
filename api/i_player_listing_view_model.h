#pragma once

#include "api/api_error.h"
#include "records/answers.h"

#include <QString>

#include <functional>

namespace lanterncrest {

// What the list screens ask for. `completion` receives a decoded record to keep; `failure`
// (may be empty) receives why there is none, so that a screen can end its loading state.
// Exactly one of them runs, once, on the main thread, never inside the call.
class IPlayerListingViewModel
{
public:
    using Failure = std::function<void(const ApiError &)>;

    virtual ~IPlayerListingViewModel() = default;

    virtual void getSeasonTeams(const QString &seasonId,
                                std::function<void(SeasonTeams)> completion, Failure failure) = 0;
    virtual void getTeamPlayers(const QString &teamId, const QString &seasonId,
                                std::function<void(PlayerList)> completion, Failure failure) = 0;

protected:
    IPlayerListingViewModel() = default;
    IPlayerListingViewModel(const IPlayerListingViewModel &) = default;
    IPlayerListingViewModel &operator=(const IPlayerListingViewModel &) = default;
};

} // namespace lanterncrest
