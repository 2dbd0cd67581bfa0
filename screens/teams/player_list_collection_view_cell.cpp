#include "screens/teams/player_list_collection_view_cell.h"

#include "api/hex_color.h"
#include "screens/teams/localization_system.h"
#include "screens/teams/view_styling.h"
#include "screens/teams/web_image.h"

#include <QPalette>
#include <QStringList>

#include <algorithm>
#include <array>
#include <string_view>

namespace lanterncrest {

namespace {

struct CountryColors
{
    std::string_view englishName; // compared exactly, trailing blanks included
    Qt::GlobalColor text;
    const char *background;
};

constexpr CountryColors defaultColors{ {}, Qt::white, "#ED174F" };

// The names as the service spells them.
constexpr std::array<CountryColors, 32> countryColors{ {
        { "Qatar", Qt::white, "#9D0620" },        { "Tunisia", Qt::white, "#ED174F" },
        { "Argentina ", Qt::black, "#8BD3F5" },   { "United Kingdom ", Qt::white, "#ED174F" },
        { "Spain", Qt::white, "#ED174F" },        { "Portugal", Qt::white, "#ED174F" },
        { "France", Qt::white, "#ED174F" },       { "Poland", Qt::white, "#ED174F" },
        { "Netherlands", Qt::white, "#ED174F" },  { "Denmark", Qt::white, "#ED174F" },
        { "Germany ", Qt::white, "#ED174F" },     { "Croatia", Qt::white, "#ED174F" },
        { "Switzerland ", Qt::white, "#ED174F" }, { "Morocco ", Qt::white, "#ED174F" },
        { "Saudi Arabia", Qt::white, "#ED174F" }, { "Japan", Qt::white, "#ED174F" },
        { "South Korea", Qt::white, "#ED174F" },  { "Iran", Qt::white, "#ED174F" },
        { "Brazil ", Qt::white, "#ED174F" },      { "Uruguay ", Qt::white, "#ED174F" },
        { "Belgium", Qt::white, "#ED174F" },      { "Mexico", Qt::white, "#ED174F" },
        { "USA", Qt::white, "#ED174F" },          { "Costa Rica", Qt::white, "#ED174F" },
        { "Wales", Qt::white, "#ED174F" },        { "Ghana", Qt::white, "#ED174F" },
        { "Canada", Qt::white, "#ED174F" },       { "Cameron", Qt::white, "#ED174F" },
        { "Serbia", Qt::white, "#ED174F" },       { "Australia", Qt::white, "#ED174F" },
        { "Senegal", Qt::white, "#ED174F" },      { "Ecuador", Qt::white, "#ED174F" },
} };

const CountryColors &colorsFor(const std::optional<Country> &country)
{
    if (!country || !country->data || !country->data->en_name)
        return defaultColors;
    const std::string &name = *country->data->en_name;
    const auto row =
            std::find_if(countryColors.begin(), countryColors.end(),
                         [&](const CountryColors &colors) { return colors.englishName == name; });
    return row == countryColors.end() ? defaultColors : *row;
}

std::optional<QString> thumbnailAddress(const People &player)
{
    if (!player.image || !player.image->data || !player.image->data->thumb)
        return std::nullopt;
    return QString::fromStdString(*player.image->data->thumb);
}

} // namespace

PlayerListCollectionViewCell::PlayerListCollectionViewCell(QWidget *parent)
    : CollectionViewCell(parent)
{
}

void PlayerListCollectionViewCell::bindNib(NibBindings &bindings)
{
    bindings.outlet<View>(QStringLiteral("containerView"),
                          [this](View *view) { setContainerView(view); });
    bindings.outlet<ImageView>(QStringLiteral("playerPhoto"),
                               [this](ImageView *view) { setPlayerPhoto(view); });
    bindings.outlet(QStringLiteral("nameLabel"), m_nameLabel);
    bindings.outlet(QStringLiteral("lastNameLabel"), m_lastNameLabel);
    bindings.outlet(QStringLiteral("shirtNoLabel"), m_shirtNoLabel);
}

void PlayerListCollectionViewCell::setContainerView(View *view)
{
    m_containerView = view;
    if (view)
        applyShadow(*view, colorFromHexString(QStringLiteral("#d6d6d6"), 1), 1, 0, 2, 6);
}

void PlayerListCollectionViewCell::setPlayerPhoto(ImageView *view)
{
    m_playerPhoto = view;
    if (view)
        view->changeLayerStyle([](LayerStyle &style) {
            style.masksToBounds = true;
            style.cornerRadius = 50;
        });
}

void PlayerListCollectionViewCell::configure(const People &player)
{
    setImage(*m_playerPhoto, thumbnailAddress(player),
             QStringLiteral("imageHorizontalPlaceHolderSmall"));

    const std::optional<QString> name = localizedName(player.ar_name, player.en_name);
    if (name) {
        // Split at single blanks only: two blanks in a row leave an empty word between them.
        const QStringList words = name->split(u' ');
        m_nameLabel->setOptionalText(words.first());
        m_lastNameLabel->setOptionalText(upperCased(words.last()));
    } else {
        m_nameLabel->setOptionalText(std::nullopt);
        m_lastNameLabel->setOptionalText(std::nullopt);
    }

    if (player.national_shirt_number)
        m_shirtNoLabel->setOptionalText(QString::number(*player.national_shirt_number));
    else
        m_shirtNoLabel->setOptionalText(std::nullopt);

    const QColor background = containerColor(player.country);
    m_containerView->changeLayerStyle(
            [&](LayerStyle &style) { style.backgroundColor = background; });
}

void PlayerListCollectionViewCell::setLabelsTextColor(const QColor &color)
{
    for (Label *label : { m_nameLabel.data(), m_lastNameLabel.data(), m_shirtNoLabel.data() }) {
        // A label draws with WindowText, or with Text once it sits on a Base background such as
        // a scroll area's viewport: the colour holds wherever the card is shown.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::Text, color);
        label->setPalette(palette);
    }
}

QColor PlayerListCollectionViewCell::containerColor(const std::optional<Country> &country)
{
    const CountryColors &colors = colorsFor(country);
    setLabelsTextColor(QColor(colors.text));
    return colorFromHexString(QString::fromLatin1(colors.background), 1);
}

} // namespace lanterncrest
