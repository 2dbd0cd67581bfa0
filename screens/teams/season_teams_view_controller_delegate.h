#pragma once

#include <QString>

#include "platform/export.h"

namespace lanterncrest {

// What the host hears from the framework's screens: the user asked to see a player's posts or
// to follow a player. The argument is the player's identifier, "" when the record has none.
// Called on the main thread. The screens hold the host's object weakly (std::weak_ptr): keep
// it alive for as long as it should hear anything.
class LANTERNCREST_EXPORT SeasonTeamsViewControllerDelegate
{
public:
    virtual ~SeasonTeamsViewControllerDelegate() = default;

    virtual void viewPosts(const QString &forPlayer) = 0;
    virtual void fololow(const QString &playerId) = 0;
};

} // namespace lanterncrest
