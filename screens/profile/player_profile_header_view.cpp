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

std::optional<QString> positionName(const People& player)
{
    const PositionData* position = playerPosition(player);
    if (!position)
        return std::nullopt;
    return localizedName(position->ar_name, position->en_name);
}

std::optional<QString> photoUrl(const People& player)
{
    if (!player.image || !player.image->data || !player.image->data->path)
        return std::nullopt;
    return QString::fromStdString(*player.image->data->path);
}

std::optional<QString> countryImageUrl(const People& player)
{
    if (!player.country || !player.country->data)
        return std::nullopt;
    const std::optional<Image>& image = player.country->data->image;
    if (!image || !image->data || !image->data->thumb)
        return std::nullopt;
    return QString::fromStdString(*image->data->thumb);
}

template <class Cell>
Cell* dequeueCell(CollectionView& collectionView, const QString& identifier, const IndexPath& indexPath)
{
    auto* cell = dynamic_cast<Cell*>(collectionView.dequeueReusableCell(identifier, indexPath));
    if (!cell)
        qFatal("Lanterncrest: PlayerProfileHeaderView: '%s' gave no cell of its class", qUtf8Printable(identifier));
    return cell;
}

} // namespace

PlayerProfileHeaderView::PlayerProfileHeaderView(QWidget* parent)
    : View(parent)
{
}

void PlayerProfileHeaderView::fillPlayerData()
{
    const People* player = playerObject_ ? &*playerObject_ : nullptr;

    const std::optional<QString> name = player ? localizedName(player->ar_name, player->en_name) : std::nullopt;
    if (name) {
        // Split at every single blank, nothing trimmed: an empty name is one empty word, and a
        // leading, trailing or doubled blank makes an empty word. Middle words are not shown.
        const QStringList words = name->split(u' ');
        nameLabel_->setOptionalText(upperCased(words.first()));
        lastNameLabel_->setOptionalText(upperCased(words.last()));
    } else {
        nameLabel_->setOptionalText(std::nullopt);
        lastNameLabel_->setOptionalText(std::nullopt);
    }
    positionLabel_->setOptionalText(player ? positionName(*player) : std::nullopt);
    if (!player)
        return;

    if (player->national_shirt_number)
        shirtNoLabel_->setText(QString::number(*player->national_shirt_number));
    if (const auto url = photoUrl(*player))
        setImage(*playerPhoto_, url, QStringLiteral("imageHorizontalPlaceHolderBig"));
    if (const auto url = countryImageUrl(*player))
        setImage(*teamIcon_, url, QStringLiteral("imageHorizontalPlaceHolderSmall"));
}

void PlayerProfileHeaderView::followClicked()
{
    if (const auto listener = delegate_.lock())
        listener->followTapped();
}

void PlayerProfileHeaderView::viewPostsClicked()
{
    if (const auto listener = delegate_.lock())
        listener->viewPostsTapped();
}

void PlayerProfileHeaderView::bindNib(NibBindings& bindings)
{
    bindings.outlet(QStringLiteral("playerBackground"), playerBackground_);
    bindings.outlet(QStringLiteral("playerPhoto"), playerPhoto_);
    bindings.outlet(QStringLiteral("shirtNoLabel"), shirtNoLabel_);
    bindings.outlet(QStringLiteral("nameLabel"), nameLabel_);
    bindings.outlet(QStringLiteral("lastNameLabel"), lastNameLabel_);
    bindings.outlet(QStringLiteral("positionLabel"), positionLabel_);
    bindings.outlet(QStringLiteral("appearanceLabel"), appearanceLabel_);
    bindings.outlet(QStringLiteral("appearanceValueLabel"), appearanceValueLabel_);
    bindings.outlet(QStringLiteral("goalsLabel"), goalsLabel_);
    bindings.outlet(QStringLiteral("goalsValueLabel"), goalsValueLabel_);
    bindings.outlet(QStringLiteral("assistsLabel"), assistsLabel_);
    bindings.outlet(QStringLiteral("assistsValueLabel"), assistsValueLabel_);
    bindings.outlet(QStringLiteral("teamIcon"), teamIcon_);
    bindings.outlet(QStringLiteral("tabCollectionView"), tabCollectionView_);
    bindings.outlet(QStringLiteral("subTabCollectionView"), subTabCollectionView_);
    bindings.outlet(QStringLiteral("selectionView"), selectionView_);
    bindings.action(QStringLiteral("followClicked"), [this] { followClicked(); });
    bindings.action(QStringLiteral("viewPostsClicked"), [this] { viewPostsClicked(); });
}

void PlayerProfileHeaderView::awakeFromNib()
{
    // No sub-tabs exist yet: the strip stays collapsed.
    subTabCollectionView_->setFixedHeight(0);
    tabCollectionView_->registerCell(Nib(tabCellIdentifier), tabCellIdentifier);
    subTabCollectionView_->registerCell(Nib(subTabCellIdentifier), subTabCellIdentifier);
    fillPlayerData();
}

int PlayerProfileHeaderView::numberOfItemsInSection(CollectionView& /*collectionView*/, int /*section*/)
{
    return 0;
}

CollectionViewCell* PlayerProfileHeaderView::cellForItemAt(CollectionView& collectionView, const IndexPath& indexPath)
{
    if (isTabStrip(collectionView))
        return dequeueCell<TabCollectionViewCell>(collectionView, tabCellIdentifier, indexPath);
    return dequeueCell<SubTabCollectionViewCell>(collectionView, subTabCellIdentifier, indexPath);
}

QSizeF PlayerProfileHeaderView::sizeForItemAt(CollectionView& collectionView, const IndexPath& /*indexPath*/)
{
    return isTabStrip(collectionView) ? QSizeF(54, 48) : QSizeF(100, 48);
}

bool PlayerProfileHeaderView::isTabStrip(const CollectionView& collectionView) const
{
    // Anything that is not the connected tab strip counts as the sub-tab strip.
    return &collectionView == tabCollectionView_.data();
}

} // namespace lanterncrest
