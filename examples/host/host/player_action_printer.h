#pragma once

#include "screens/teams/season_teams_view_controller_delegate.h"

#include <QString>

namespace lanterncrest::host {

// The host's ear for the framework: each player action becomes one line on standard output,
// "follow: ID" or "view posts: ID", and is counted so that the walk knows when both came.
class PlayerActionPrinter : public SeasonTeamsViewControllerDelegate
{
public:
    void viewPosts(const QString &forPlayer) override;
    void fololow(const QString &playerId) override;

    int followsPrinted() const { return m_follows; }
    int viewPostsPrinted() const { return m_viewPosts; }

private:
    int m_follows = 0;
    int m_viewPosts = 0;
};

} // namespace lanterncrest::host
