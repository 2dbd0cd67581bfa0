#include "screens/teams/season_teams_view_controller.h"

#include "api/network_manager.h"
#include "api/player_list_service.h"
#include "api/player_listing_view_model.h"
#include "platform/foundation/main_queue.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/nib.h"
#include "platform/ui/progress_hud.h"
#include "platform/ui/storyboard.h"
#include "records/answers.h"
#include "screens/teams/player_list_view_controller.h"
#include "screens/teams/team_collection_view_cell.h"

namespace lanterncrest {

namespace {

const QString cellIdentifier = QStringLiteral("TeamCollectionViewCell");

} // namespace

std::shared_ptr<SeasonTeamsViewController> SeasonTeamsViewController::viewController()
{
    return Storyboard(QStringLiteral("Teams"))
            .instantiateViewController<SeasonTeamsViewController>(
                    QStringLiteral("SeasonTeamsViewController"));
}

CompositionalLayout SeasonTeamsViewController::createLayout()
{
    const LayoutItem item{ { LayoutDimension::fractionalWidth(0.3333333333333333),
                             LayoutDimension::fractionalHeight(1.0) },
                           DirectionalEdgeInsets::uniform(5) };
    const LayoutGroup group =
            LayoutGroup::horizontal({ LayoutDimension::fractionalWidth(1.0),
                                      LayoutDimension::fractionalWidth(0.45454545454545453) },
                                    { item, item, item });
    return CompositionalLayout(LayoutSection(group));
}

void SeasonTeamsViewController::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("teamsCollectionView"), m_teamsCollectionView);
}

void SeasonTeamsViewController::viewDidLoad()
{
    m_teamsCollectionView->registerCell(Nib(cellIdentifier), cellIdentifier);
    m_teamsCollectionView->setCollectionViewLayout(createLayout());
    // The view model lives only until the delayed block has sent the request.
    auto viewModel = std::make_shared<PlayerListingViewModel>(
            std::make_shared<PlayerListService>(NetworkManager::shared()));
    ProgressHUD::showLoading(view());
    // Never inside the view load: a later turn of the main loop sends the request.
    auto self = std::static_pointer_cast<SeasonTeamsViewController>(shared_from_this());
    MainQueue::asyncAfter(0.01, [self, viewModel] { self->loadTeams(*viewModel); });
}

void SeasonTeamsViewController::loadTeams(PlayerListingViewModel &viewModel)
{
    // The request holds the screen until its answer has been handled, even when the host has
    // let the screen go meanwhile.
    auto self = std::static_pointer_cast<SeasonTeamsViewController>(shared_from_this());
    viewModel.getSeasonTeams(
            QString::fromLatin1(seasonId),
            [self](SeasonTeams answer) { self->showTeams(std::move(answer)); },
            [self](const ApiError &) { self->endLoading(); });
}

void SeasonTeamsViewController::showTeams(SeasonTeams answer)
{
    ProgressHUD::dismissLoading(viewIfLoaded());
    m_teams = std::move(answer.data).value_or(std::vector<TeamData>{});
    // The host may have destroyed the view while the request was out.
    if (m_teamsCollectionView)
        m_teamsCollectionView->reloadData();
}

void SeasonTeamsViewController::endLoading()
{
    ProgressHUD::dismissLoading(viewIfLoaded());
}

int SeasonTeamsViewController::numberOfItemsInSection(CollectionView &, int)
{
    return static_cast<int>(m_teams.size());
}

CollectionViewCell *SeasonTeamsViewController::cellForItemAt(CollectionView &collectionView,
                                                             const IndexPath &indexPath)
{
    auto *cell = static_cast<TeamCollectionViewCell *>(
            collectionView.dequeueReusableCell(cellIdentifier, indexPath));
    cell->configure(m_teams.at(std::size_t(indexPath.row())));
    return cell;
}

void SeasonTeamsViewController::didSelectItemAt(CollectionView &, const IndexPath &indexPath)
{
    openTeam(m_teams.at(std::size_t(indexPath.row())));
}

void SeasonTeamsViewController::openTeam(const TeamData &team)
{
    auto squad = PlayerListViewController::viewController();
    squad->setDelegate(m_delegate);
    squad->setCurrentTeamId(team.id ? QString::fromStdString(*team.id) : QString());
    squad->setCurrentTeam(team);
    if (NavigationController *navigation = navigationController())
        navigation->pushViewController(squad, true);
}

} // namespace lanterncrest
