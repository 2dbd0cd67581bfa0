#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "platform/export.h"
#include "platform/ui/collection_view.h"
#include "platform/ui/view_controller.h"
#include "records/team.h"
#include "screens/teams/season_teams_view_controller_delegate.h"

namespace lanterncrest {

class PlayerListingViewModel;
struct SeasonTeams;

// The framework's entry screen: the teams of the season as a three-column grid of team cards.
// A host makes it with viewController(), sets its delegate and puts it in a
// NavigationController. When its view loads it shows the progress overlay and, 0.01 s later on
// the main queue, asks the service once for the teams; the answer dismisses the overlay and
// fills the grid, a failed request dismisses the overlay and leaves the grid empty. Main thread
// only.
class LANTERNCREST_EXPORT SeasonTeamsViewController : public ViewController,
                                                      public CollectionViewDataSource,
                                                      public CollectionViewDelegateFlowLayout
{
public:
    // The season whose teams the screens show.
    static constexpr const char *seasonId = "4jgw0ek6ajq3m5ya";

    // A new screen from the storyboard "Teams", its view not loaded yet.
    static std::shared_ptr<SeasonTeamsViewController> viewController();

    // The host's receiver of player actions, held weakly and handed on to the screens this one
    // opens at the moment it opens them.
    std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate() const { return m_delegate; }
    void setDelegate(std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate)
    {
        m_delegate = std::move(delegate);
    }

    // The teams in the order of the answer; grid item i shows team i.
    const std::vector<TeamData> &teams() const { return m_teams; }
    CollectionView *teamsCollectionView() const { return m_teamsCollectionView; }

    // Three cells a row, each a third of the width wide and 5/11 of the width high, their
    // content 5 points inside that frame.
    static CompositionalLayout createLayout();

    int numberOfItemsInSection(CollectionView &collectionView, int section) override;
    CollectionViewCell *cellForItemAt(CollectionView &collectionView,
                                      const IndexPath &indexPath) override;
    // A tap on a team; see openTeam().
    void didSelectItemAt(CollectionView &collectionView, const IndexPath &indexPath) override;

protected:
    void bindNib(NibBindings &bindings) override;
    void viewDidLoad() override;

private:
    void loadTeams(PlayerListingViewModel &viewModel);
    void showTeams(SeasonTeams answer);
    void endLoading();
    // Opens the squad of the tapped team, handing over the delegate, the team id and the team.
    void openTeam(const TeamData &team);

    QPointer<CollectionView> m_teamsCollectionView;
    std::weak_ptr<SeasonTeamsViewControllerDelegate> m_delegate;
    std::vector<TeamData> m_teams;
};

} // namespace lanterncrest
