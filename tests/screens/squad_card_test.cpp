#include "screens/teams/player_list_collection_view_cell.h"
#include "tests/screens/squad_fixtures.h"

#include <QPalette>
#include <gtest/gtest.h>
#include <memory>

#include "api/hex_color.h"
#include "platform/ui/host_images.h"
#include "platform/ui/nib.h"

namespace lanterncrest::test {
namespace {

class SquadCard : public ::testing::Test {
protected:
    std::unique_ptr<PlayerListCollectionViewCell> cell{
        Nib(QStringLiteral("PlayerListCollectionViewCell")).instantiate<PlayerListCollectionViewCell>()};

    static QColor textColor(const Label* label) { return label->palette().color(label->foregroundRole()); }
    QColor background() const { return cell->containerView()->layerStyle().backgroundColor.value_or(QColor()); }
};

TEST_F(SquadCard, ShowsTheFirstWordAsStoredAndTheLastInCapitals)
{
    const struct {
        const char* language;
        std::optional<std::string> en, ar;
        std::optional<QString> first, last;
    } cases[] = {
        {"en-US", "Lionel Andrés Messi", "ليونيل ميسي", "Lionel", "MESSI"},
        {"en", "pelé", std::nullopt, "pelé", "PELÉ"},
        {"en", "Kaka ", std::nullopt, "Kaka", ""},
        {"en", " Kaka", std::nullopt, "", "KAKA"},
        {"en", "Son  Heung-min", std::nullopt, "Son", "HEUNG-MIN"},
        {"en", "Ali\tDaei", std::nullopt, "Ali\tDaei", "ALI\tDAEI"},
        {"en", "Thomas Müßig", std::nullopt, "Thomas", "MÜSSIG"},
        {"en", "", std::nullopt, "", ""},
        {"en", std::nullopt, "علي", std::nullopt, std::nullopt},
        {"fr-FR", "Kylian Mbappé", "كيليان مبابي", "Kylian", "MBAPPÉ"},
        {"ar-QA", "Akram Afif", "أكرم عفيف", QString::fromUtf8("أكرم"), QString::fromUtf8("عفيف")},
        {"ar", "Akram Afif", std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        PreferredLanguage language(c.language);
        // A card that showed someone else first: every name is replaced.
        cell->configure(makePlayer({.enName = "Previous Player", .arName = "لاعب سابق"}));
        cell->configure(makePlayer({.enName = c.en, .arName = c.ar, .thumb = "http://127.0.0.1:9/p.png"}));
        const std::string label = std::string(c.language) + " / " + c.en.value_or("(none)");
        EXPECT_EQ(cell->nameLabel()->optionalText(), c.first) << label;
        EXPECT_EQ(cell->lastNameLabel()->optionalText(), c.last) << label;
    }
}

TEST_F(SquadCard, ShowsTheNationalShirtNumberOrNone)
{
    const struct {
        std::optional<std::int64_t> number;
        std::optional<QString> shown;
    } cases[] = {{10, "10"}, {7, "7"}, {0, "0"}, {-3, "-3"}, {123456, "123456"}, {std::nullopt, std::nullopt}};
    for (const auto& c : cases) {
        cell->configure(makePlayer({.enName = "A B", .number = 99}));
        People player = makePlayer({.enName = "A B", .number = c.number});
        player.shirt_number = 5;  // never the one shown
        cell->configure(player);
        EXPECT_EQ(cell->shirtNoLabel()->optionalText(), c.shown) << c.number.value_or(-999);
    }
}

TEST_F(SquadCard, PicksTheColoursByTheCountrysExactEnglishName)
{
    const QColor qatar = colorFromHexString("#9D0620");
    const QColor argentina = colorFromHexString("#8BD3F5");
    const QColor standard = colorFromHexString("#ED174F");
    const struct {
        std::optional<std::string> country;
        QColor text;
        QColor background;
    } cases[] = {
        {"Qatar", Qt::white, qatar},
        {"Argentina ", Qt::black, argentina},
        {"Argentina", Qt::white, standard},
        {"qatar", Qt::white, standard},
        {"Qatar ", Qt::white, standard},
        {"Brazil", Qt::white, standard},
        {"Brazil ", Qt::white, standard},
        {"Cameron", Qt::white, standard},
        {"Cameroon", Qt::white, standard},
        {"", Qt::white, standard},
        {std::nullopt, Qt::white, standard},
    };
    for (const auto& c : cases) {
        cell->configure(makePlayer({.enName = "A B", .country = "Argentina "}));  // black on blue first
        cell->configure(makePlayer({.enName = "A B", .number = 9, .country = c.country}));
        const std::string label = c.country.value_or("(no country)");
        EXPECT_EQ(background(), c.background) << label;
        for (const Label* text : {cell->nameLabel(), cell->lastNameLabel(), cell->shirtNoLabel()})
            EXPECT_EQ(textColor(text), c.text) << label << " " << text->objectName().toStdString();
    }
    EXPECT_EQ(qatar, QColor(157, 6, 32));
    EXPECT_EQ(argentina, QColor(139, 211, 245));
    EXPECT_EQ(standard, QColor(237, 23, 79));
}

TEST_F(SquadCard, CountryWithoutDataOrNameGetsTheStandardColours)
{
    People player = makePlayer({.enName = "A B"});
    player.country = Country{};
    const QColor standard = colorFromHexString("#ED174F");
    EXPECT_EQ(cell->containerColor(player.country), standard);
    player.country = Country{CountryData{}};
    EXPECT_EQ(cell->containerColor(player.country), standard);
    EXPECT_EQ(textColor(cell->nameLabel()), QColor(Qt::white));
}

TEST_F(SquadCard, APlayerWithoutPhotoOrNumberShowsOnlyHisOwnCard)
{
    const QPixmap placeholder = HostImages::named(QStringLiteral("imageHorizontalPlaceHolderSmall"));
    ASSERT_FALSE(placeholder.isNull()) << "the test bundle provides the host's placeholder";

    cell->configure(makePlayer({.enName = "Akram Afif", .number = 11, .country = "Qatar", .thumb = "http://127.0.0.1:9/a.png"}));
    cell->playerPhoto()->setImage(QPixmap(4, 4));  // as if Afif's photo had arrived
    cell->configure(makePlayer({.enName = "Lionel Messi", .country = "Argentina "}));

    EXPECT_EQ(cell->nameLabel()->optionalText(), "Lionel");
    EXPECT_EQ(cell->lastNameLabel()->optionalText(), "MESSI");
    EXPECT_EQ(cell->shirtNoLabel()->optionalText(), std::nullopt);
    EXPECT_EQ(background(), colorFromHexString("#8BD3F5"));
    EXPECT_EQ(cell->playerPhoto()->image().toImage(), placeholder.toImage());
}

TEST_F(SquadCard, TheCardShadowAndTheRoundPhotoComeWithTheNib)
{
    const LayerStyle& card = cell->containerView()->layerStyle();
    EXPECT_EQ(card.shadowColor, colorFromHexString("#d6d6d6"));
    EXPECT_FLOAT_EQ(card.shadowOpacity, 1.0f);
    EXPECT_EQ(card.shadowOffset, QSizeF(0, 2));
    EXPECT_DOUBLE_EQ(card.shadowRadius, 3.0);
    EXPECT_FALSE(card.masksToBounds);

    const LayerStyle& photo = cell->playerPhoto()->layerStyle();
    EXPECT_TRUE(photo.masksToBounds);
    EXPECT_DOUBLE_EQ(photo.cornerRadius, 50.0);

    cell->configure(makePlayer({.enName = "A B", .country = "Qatar"}));
    EXPECT_EQ(cell->containerView()->layerStyle().shadowRadius, 3.0) << "a fill keeps the shadow";
}

} // namespace
} // namespace lanterncrest::test
