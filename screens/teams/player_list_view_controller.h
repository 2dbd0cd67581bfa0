#pragma once

#include "records/answers.h"
#include "records/team.h"
#include "screens/teams/position_grouping.h"
#include "screens/teams/season_teams_view_controller_delegate.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/collection_view.h"
#include "platform/ui/image_view.h"
#include "platform/ui/label.h"
#include "platform/ui/view_controller.h"

namespace lanterncrest {

// The squad of one team in the fixed season: one section per playing position, two player
// cards a row, the position's name above each section. A tap on a card opens the player's
// profile. Created by a tap on a team, which sets `delegate`, `currentTeamId` and
// `currentTeam` before the view loads. Main thread only.
class PlayerListViewController : public ViewController,
                                 public CollectionViewDataSource,
                                 public CollectionViewDelegateFlowLayout
{
public:
    // A new screen from the scene "PlayerListViewController" of the storyboard "Teams", its
    // view not loaded yet.
    static std::shared_ptr<PlayerListViewController> viewController();

    // Two cards a row, each row 31/55 of the width high, a header above each section.
    static CompositionalLayout createLayout();

    // Hand-over from the screen that opens this one, written before the view loads: the team
    // is read when the view loads, its id once more when the request leaves (an empty id
    // requests nothing). The host's delegate, held weakly, is handed on to each profile this
    // screen opens.
    std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate() const { return m_delegate; }
    void setDelegate(std::weak_ptr<SeasonTeamsViewControllerDelegate> delegate)
    {
        m_delegate = std::move(delegate);
    }
    const QString &currentTeamId() const { return m_currentTeamId; }
    void setCurrentTeamId(const QString &teamId) { m_currentTeamId = teamId; }
    const std::optional<TeamData> &currentTeam() const { return m_currentTeam; }
    void setCurrentTeam(std::optional<TeamData> team) { m_currentTeam = std::move(team); }

    // The squad by position, and the positions in the order of the sections. Both empty
    // until an answer with players has arrived.
    const PositionGroupMap &standingDictData() const { return m_standingDictData; }
    const std::vector<QString> &sortedSections() const { return m_sortedSections; }

    CollectionView *playerListCollectionView() const { return m_playerListCollectionView; }
    ImageView *countryIcon() const { return m_countryIcon; }
    Label *noDataLabel() const { return m_noDataLabel; }
    // The round white frame of the country icon.
    void setCountryIcon(ImageView *view);

    // CollectionViewDataSource
    int numberOfSections(CollectionView &collectionView) override;
    int numberOfItemsInSection(CollectionView &collectionView, int section) override;
    CollectionViewCell *cellForItemAt(CollectionView &collectionView,
                                      const IndexPath &indexPath) override;
    CollectionReusableView *viewForSupplementaryElementOfKind(CollectionView &collectionView,
                                                              const QString &kind,
                                                              const IndexPath &indexPath) override;

    // CollectionViewDelegateFlowLayout: answered for a flow layout; the grid's own layout
    // sizes everything itself.
    QSizeF sizeForItemAt(CollectionView &collectionView, const IndexPath &indexPath) override;
    QSizeF referenceSizeForHeaderInSection(CollectionView &collectionView, int section) override;
    // Opens the profile of the tapped player, handing over the delegate and the player.
    void didSelectItemAt(CollectionView &collectionView, const IndexPath &indexPath) override;

protected:
    void bindNib(NibBindings &bindings) override;
    void viewDidLoad() override;

private:
    void showTitle();
    void loadSquad();
    // Ends the loading state with the squad, or with the no-data label when it has no players
    // or the request failed.
    void showSquad(std::vector<People> players);
    // The players of a section, or null for a section that holds none.
    const std::vector<People> *group(int section) const;
    const People *player(const IndexPath &indexPath) const;

    QPointer<CollectionView> m_playerListCollectionView;
    QPointer<ImageView> m_countryIcon;
    QPointer<Label> m_noDataLabel;

    std::weak_ptr<SeasonTeamsViewControllerDelegate> m_delegate;
    QString m_currentTeamId;
    std::optional<TeamData> m_currentTeam;

    PositionGroupMap m_standingDictData;
    std::vector<QString> m_sortedSections;
};

} // namespace lanterncrest
