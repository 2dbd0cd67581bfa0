#include "screens/teams/player_list_view_controller.h"

#include "screens/teams/localization_system.h"
#include "screens/teams/player_list_collection_view_cell.h"
#include "screens/teams/position_header_view.h"
#include "screens/teams/season_teams_view_controller.h"
#include "screens/profile/player_profile_view_controller.h"

#include "api/network_manager.h"
#include "api/player_list_service.h"
#include "api/player_listing_view_model.h"

#include "platform/foundation/main_queue.h"
#include "platform/ui/navigation_controller.h"
#include "platform/ui/progress_hud.h"
#include "platform/ui/storyboard.h"

namespace lanterncrest {

namespace {

const QString cellIdentifier = QStringLiteral("PlayerListCollectionViewCell");
const QString headerIdentifier = QStringLiteral("PositionHeaderView");

} // namespace

std::shared_ptr<PlayerListViewController> PlayerListViewController::viewController()
{
    return Storyboard(QStringLiteral("Teams"))
            .instantiateViewController<PlayerListViewController>(
                    QStringLiteral("PlayerListViewController"));
}

CompositionalLayout PlayerListViewController::createLayout()
{
    const LayoutItem item{
        { LayoutDimension::fractionalWidth(0.5), LayoutDimension::fractionalHeight(1.0) },
        DirectionalEdgeInsets::uniform(5),
    };
    const LayoutGroup group =
            LayoutGroup::horizontal({ LayoutDimension::fractionalWidth(1.0),
                                      LayoutDimension::fractionalWidth(31.0 / 55.0) },
                                    { item, item });
    LayoutSection section(group);
    section.boundarySupplementaryItems.push_back(BoundarySupplementaryItem{
            { LayoutDimension::fractionalWidth(1.0), LayoutDimension::estimated(44) },
            CollectionView::elementKindSectionHeader(),
    });
    return CompositionalLayout(std::move(section));
}

void PlayerListViewController::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("playerListCollectionView"), m_playerListCollectionView);
    bindings.outlet<ImageView>(QStringLiteral("countryIcon"),
                               [this](ImageView *view) { setCountryIcon(view); });
    bindings.outlet(QStringLiteral("noDataLabel"), m_noDataLabel);
}

void PlayerListViewController::setCountryIcon(ImageView *view)
{
    m_countryIcon = view;
    if (view)
        view->changeLayerStyle([](LayerStyle &style) {
            style.masksToBounds = true;
            style.cornerRadius = 17.5;
            style.borderWidth = 1.0;
            style.borderColor = QColor(Qt::white);
        });
}

void PlayerListViewController::viewDidLoad()
{
    m_playerListCollectionView->registerCell(Nib(cellIdentifier), cellIdentifier);
    m_playerListCollectionView->registerSupplementaryView(
            Nib(headerIdentifier), CollectionView::elementKindSectionHeader(), headerIdentifier);
    m_playerListCollectionView->setCollectionViewLayout(createLayout());
    showTitle();
    loadSquad();
}

void PlayerListViewController::showTitle()
{
    std::optional<QString> name;
    if (m_currentTeam)
        name = localizedName(m_currentTeam->ar_name, m_currentTeam->en_name);
    setTitle(upperCased(name).value_or(QString()));
}

void PlayerListViewController::loadSquad()
{
    if (m_currentTeamId.isEmpty())
        return;
    auto viewModel = std::make_shared<PlayerListingViewModel>(
            std::make_shared<PlayerListService>(NetworkManager::shared()));
    ProgressHUD::showLoading(view());
    // The request holds the screen until its answer has been handled, also once the user has
    // gone back: a late answer still fills this screen's views.
    auto self = std::static_pointer_cast<PlayerListViewController>(shared_from_this());
    MainQueue::asyncAfter(0.01, [self, viewModel] {
        viewModel->getTeamPlayers(
                self->m_currentTeamId, QString::fromLatin1(SeasonTeamsViewController::seasonId),
                [self](PlayerList answer) {
                    self->showSquad(std::move(answer.data).value_or(std::vector<People>{}));
                },
                [self](const ApiError &) { self->showSquad({}); });
    });
}

void PlayerListViewController::showSquad(std::vector<People> players)
{
    ProgressHUD::dismissLoading(viewIfLoaded());
    if (players.empty()) {
        m_noDataLabel->setVisible(true);
        m_playerListCollectionView->setVisible(false);
        return;
    }
    PositionGroups grouped = groupByPosition(std::move(players));
    m_standingDictData = std::move(grouped.groups);
    m_sortedSections = std::move(grouped.sortedKeys);
    m_playerListCollectionView->reloadData();
}

const std::vector<People> *PlayerListViewController::group(int section) const
{
    if (section < 0 || section >= int(m_sortedSections.size()))
        return nullptr;
    const auto found = m_standingDictData.find(m_sortedSections[section]);
    return found == m_standingDictData.end() ? nullptr : &found->second;
}

// Item i of section s is player i of the s-th group in section order, not the i-th player of
// the answer.
const People *PlayerListViewController::player(const IndexPath &indexPath) const
{
    const auto *players = group(indexPath.section);
    if (!players || indexPath.item < 0 || indexPath.item >= int(players->size()))
        return nullptr;
    return &(*players)[indexPath.item];
}

int PlayerListViewController::numberOfSections(CollectionView & /*collectionView*/)
{
    return int(m_standingDictData.size());
}

int PlayerListViewController::numberOfItemsInSection(CollectionView & /*collectionView*/,
                                                     int section)
{
    const auto *players = group(section);
    return players ? int(players->size()) : 0;
}

CollectionViewCell *PlayerListViewController::cellForItemAt(CollectionView &collectionView,
                                                            const IndexPath &indexPath)
{
    auto *cell = dynamic_cast<PlayerListCollectionViewCell *>(
            collectionView.dequeueReusableCell(cellIdentifier, indexPath));
    const People *shown = player(indexPath);
    if (!cell || !shown)
        return nullptr;
    cell->configure(*shown);
    return cell;
}

CollectionReusableView *PlayerListViewController::viewForSupplementaryElementOfKind(
        CollectionView &collectionView, const QString &kind, const IndexPath &indexPath)
{
    if (kind != CollectionView::elementKindSectionHeader())
        return nullptr;
    auto *header = dynamic_cast<PositionHeaderView *>(
            collectionView.dequeueReusableSupplementaryView(kind, headerIdentifier, indexPath));
    const People *first = player({ indexPath.section, 0 });
    if (!header || !first)
        return nullptr;
    // The section is named after its first player's position; a header is always filled, so a
    // reused one never shows the name of the section it showed before.
    const PositionData *position = playerPosition(*first);
    header->configure(position ? std::optional<PositionData>(*position) : std::nullopt);
    return header;
}

QSizeF PlayerListViewController::sizeForItemAt(CollectionView &collectionView,
                                               const IndexPath & /*indexPath*/)
{
    return QSizeF(collectionView.width() - 32, 68);
}

QSizeF PlayerListViewController::referenceSizeForHeaderInSection(CollectionView &collectionView,
                                                                 int /*section*/)
{
    return QSizeF(collectionView.width(), 42);
}

void PlayerListViewController::didSelectItemAt(CollectionView & /*collectionView*/,
                                               const IndexPath &indexPath)
{
    auto profile = PlayerProfileViewController::viewController();
    profile->setDelegate(m_delegate);
    if (const People *tapped = player(indexPath))
        profile->setPlayerObject(*tapped);
    if (NavigationController *navigation = navigationController())
        navigation->pushViewController(profile, true);
}

} // namespace lanterncrest
