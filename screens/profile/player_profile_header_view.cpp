#include "screens/profile/player_profile_header_view.h"

#include "platform/ui/nib.h"
#include "screens/profile/sub_tab_collection_view_cell.h"
#include "screens/profile/tab_collection_view_cell.h"
#include "screens/teams/localization_system.h"
#include "screens/teams/position_grouping.h"
#include "screens/teams/web_image.h"

namespace lanterncrest {

namespace {

const QString tabCellIdentifier = QStringLiteral("TabCollectionViewCell");
const QString subTabCellIdentifier = QStringLiteral("SubTabCollectionViewCell");

std::optional<QString> positionName(const People &player)
{
    const PositionData *position = playerPosition(player);
    if (!position)
        return std::nullopt;
    return localizedName(position->ar_name, position->en_name);
}

std::optional<QString> photoUrl(const People &player)
{
    if (!player.image || !player.image->data || !player.image->data->path)
        return std::nullopt;
    return QString::fromStdString(*player.image->data->path);
}

std::optional<QString> countryImageUrl(const People &player)
{
    if (!player.country || !player.country->data)
        return std::nullopt;
    const std::optional<Image> &image = player.country->data->image;
    if (!image || !image->data || !image->data->thumb)
        return std::nullopt;
    return QString::fromStdString(*image->data->thumb);
}

template<class Cell>
Cell *dequeueCell(CollectionView &collectionView, const QString &identifier,
                  const IndexPath &indexPath)
{
    auto *cell = dynamic_cast<Cell *>(collectionView.dequeueReusableCell(identifier, indexPath));
    if (!cell)
        qFatal("Lanterncrest: PlayerProfileHeaderView: '%s' gave no cell of its class",
               qUtf8Printable(identifier));
    return cell;
}

} // namespace

PlayerProfileHeaderView::PlayerProfileHeaderView(QWidget *parent) : View(parent) { }

void PlayerProfileHeaderView::fillPlayerData()
{
    const People *player = m_playerObject ? &*m_playerObject : nullptr;

    const std::optional<QString> name =
            player ? localizedName(player->ar_name, player->en_name) : std::nullopt;
    if (name) {
        // Split at every single blank, nothing trimmed: an empty name is one empty word, and a
        // leading, trailing or doubled blank makes an empty word. Middle words are not shown.
        const QStringList words = name->split(u' ');
        m_nameLabel->setOptionalText(upperCased(words.first()));
        m_lastNameLabel->setOptionalText(upperCased(words.last()));
    } else {
        m_nameLabel->setOptionalText(std::nullopt);
        m_lastNameLabel->setOptionalText(std::nullopt);
    }
    m_positionLabel->setOptionalText(player ? positionName(*player) : std::nullopt);
    if (!player)
        return;

    if (player->national_shirt_number)
        m_shirtNoLabel->setText(QString::number(*player->national_shirt_number));
    if (const auto url = photoUrl(*player))
        setImage(*m_playerPhoto, url, QStringLiteral("imageHorizontalPlaceHolderBig"));
    if (const auto url = countryImageUrl(*player))
        setImage(*m_teamIcon, url, QStringLiteral("imageHorizontalPlaceHolderSmall"));
}

void PlayerProfileHeaderView::followClicked()
{
    if (const auto listener = m_delegate.lock())
        listener->followTapped();
}

void PlayerProfileHeaderView::viewPostsClicked()
{
    if (const auto listener = m_delegate.lock())
        listener->viewPostsTapped();
}

void PlayerProfileHeaderView::bindNib(NibBindings &bindings)
{
    bindings.outlet(QStringLiteral("playerBackground"), m_playerBackground);
    bindings.outlet(QStringLiteral("playerPhoto"), m_playerPhoto);
    bindings.outlet(QStringLiteral("shirtNoLabel"), m_shirtNoLabel);
    bindings.outlet(QStringLiteral("nameLabel"), m_nameLabel);
    bindings.outlet(QStringLiteral("lastNameLabel"), m_lastNameLabel);
    bindings.outlet(QStringLiteral("positionLabel"), m_positionLabel);
    bindings.outlet(QStringLiteral("appearanceLabel"), m_appearanceLabel);
    bindings.outlet(QStringLiteral("appearanceValueLabel"), m_appearanceValueLabel);
    bindings.outlet(QStringLiteral("goalsLabel"), m_goalsLabel);
    bindings.outlet(QStringLiteral("goalsValueLabel"), m_goalsValueLabel);
    bindings.outlet(QStringLiteral("assistsLabel"), m_assistsLabel);
    bindings.outlet(QStringLiteral("assistsValueLabel"), m_assistsValueLabel);
    bindings.outlet(QStringLiteral("teamIcon"), m_teamIcon);
    bindings.outlet(QStringLiteral("tabCollectionView"), m_tabCollectionView);
    bindings.outlet(QStringLiteral("subTabCollectionView"), m_subTabCollectionView);
    bindings.outlet(QStringLiteral("selectionView"), m_selectionView);
    bindings.action(QStringLiteral("followClicked"), [this] { followClicked(); });
    bindings.action(QStringLiteral("viewPostsClicked"), [this] { viewPostsClicked(); });
}

void PlayerProfileHeaderView::awakeFromNib()
{
    // No sub-tabs exist yet: the strip stays collapsed.
    m_subTabCollectionView->setFixedHeight(0);
    m_tabCollectionView->registerCell(Nib(tabCellIdentifier), tabCellIdentifier);
    m_subTabCollectionView->registerCell(Nib(subTabCellIdentifier), subTabCellIdentifier);
    fillPlayerData();
}

int PlayerProfileHeaderView::numberOfItemsInSection(CollectionView & /*collectionView*/,
                                                    int /*section*/)
{
    return 0;
}

CollectionViewCell *PlayerProfileHeaderView::cellForItemAt(CollectionView &collectionView,
                                                           const IndexPath &indexPath)
{
    if (isTabStrip(collectionView))
        return dequeueCell<TabCollectionViewCell>(collectionView, tabCellIdentifier, indexPath);
    return dequeueCell<SubTabCollectionViewCell>(collectionView, subTabCellIdentifier, indexPath);
}

QSizeF PlayerProfileHeaderView::sizeForItemAt(CollectionView &collectionView,
                                              const IndexPath & /*indexPath*/)
{
    return isTabStrip(collectionView) ? QSizeF(54, 48) : QSizeF(100, 48);
}

bool PlayerProfileHeaderView::isTabStrip(const CollectionView &collectionView) const
{
    // Anything that is not the connected tab strip counts as the sub-tab strip.
    return &collectionView == m_tabCollectionView.data();
}

} // namespace lanterncrest
