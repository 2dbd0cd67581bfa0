#pragma once

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>

#include "platform/ui/table_view.h"
#include "platform/ui/view_controller.h"
#include "records/people.h"
#include "screens/profile/player_profile_header_view_delegate.h"
#include "screens/teams/season_teams_view_controller_delegate.h"

namespace lanterncrest {

// The profile screen of one player: a table whose only content is the player's profile header
// (the nib "PlayerProfileHeaderView"). The squad screen makes it with viewController(), hands
// over the host's delegate and the tapped player, then pushes it; the header shows the player
// held when the view loads. Follow and view-posts taps reach the host's delegate with the
// player's id, "" when there is none; while there is no delegate they do nothing. The screen
// sends no request. Main thread only.
class PlayerProfileViewController : public ViewController, public PlayerProfileHeaderViewDelegate
{
public:
    // A new screen from the storyboard "Teams", its view not loaded yet.
    static std::shared_ptr<PlayerProfileViewController> viewController();

    // The host's receiver of follow and view-posts requests, held weakly; read at each tap.
    std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate() const { return m_delegate; }
    void setDelegate(std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate)
    {
        m_delegate = std::move(delegate);
    }

    // The player shown. Set it before the view loads: the header takes its copy then. A later
    // write changes only the id that the next tap passes.
    const std::optional<People> &playerObject() const { return m_playerObject; }
    void setPlayerObject(std::optional<People> player) { m_playerObject = std::move(player); }

    TableView *playerProfileTableView() const { return m_playerProfileTableView; }

    // The action "viewPostsClicked": the same as viewPostsTapped().
    void viewPostsClicked();

    void followTapped() override;
    void viewPostsTapped() override;

protected:
    void bindNib(NibBindings &bindings) override;
    void viewDidLoad() override;

private:
    void setupHeaderView();
    QString playerId() const;

    QPointer<TableView> m_playerProfileTableView;
    std::weak_ptr<SeasonTeamsViewControllerDelegate> m_delegate;
    std::optional<People> m_playerObject;
};

} // namespace lanterncrest
