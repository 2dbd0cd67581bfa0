#include "screens/teams/team_collection_view_cell.h"

#include "api/hex_color.h"
#include "screens/teams/localization_system.h"
#include "screens/teams/view_styling.h"
#include "screens/teams/web_image.h"

namespace lanterncrest {

namespace {

std::optional<QString> thumbnailUrl(const TeamData &team)
{
    if (!team.image || !team.image->data || !team.image->data->thumb)
        return std::nullopt;
    return QString::fromStdString(*team.image->data->thumb);
}

} // namespace

TeamCollectionViewCell::TeamCollectionViewCell(QWidget *parent) : CollectionViewCell(parent) { }

void TeamCollectionViewCell::bindNib(NibBindings &bindings)
{
    bindings.outlet<View>(QStringLiteral("containerView"),
                          [this](View *view) { setContainerView(view); });
    bindings.outlet(QStringLiteral("teamName"), m_teamName);
    bindings.outlet<ImageView>(QStringLiteral("teamIcon"),
                               [this](ImageView *view) { setTeamIcon(view); });
}

void TeamCollectionViewCell::setContainerView(View *view)
{
    m_containerView = view;
    applyShadow(*view, colorFromHexString(QStringLiteral("#d6d6d6"), 1.0), 1.0f, 0, 2, 6);
}

void TeamCollectionViewCell::setTeamIcon(ImageView *view)
{
    m_teamIcon = view;
    view->changeLayerStyle([](LayerStyle &style) {
        style.masksToBounds = true;
        style.cornerRadius = 36;
    });
}

void TeamCollectionViewCell::configure(const TeamData &team)
{
    m_teamName->setOptionalText(upperCased(localizedName(team.ar_name, team.en_name)));
    // A team without a logo shows the placeholder, never the logo of the cell's previous team.
    setImage(*m_teamIcon, thumbnailUrl(team), QString::fromLatin1(placeholderImage));
}

} // namespace lanterncrest
