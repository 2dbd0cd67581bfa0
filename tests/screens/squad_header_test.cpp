#include "screens/teams/position_header_view.h"
#include "tests/screens/squad_fixtures.h"

#include <gtest/gtest.h>
#include <memory>

#include "platform/ui/nib.h"

namespace lanterncrest::test {
namespace {

TEST(SquadHeader, ShowsThePositionInTheCurrentLanguageInCapitalsOrNothing)
{
    std::unique_ptr<PositionHeaderView> header{
        Nib(QStringLiteral("PositionHeaderView")).instantiate<PositionHeaderView>()};
    const PositionData keeper{.ar_name = "حارس مرمى", .en_name = "Goalkeeper"};
    const PositionData englishOnly{.en_name = "Left-back"};
    const struct {
        const char* language;
        std::optional<PositionData> position;
        std::optional<QString> shown;
    } cases[] = {
        {"en-GB", keeper, "GOALKEEPER"},
        {"fr", keeper, "GOALKEEPER"},
        {"en", PositionData{.en_name = "straße"}, "STRASSE"},
        {"ar-SA", keeper, QString::fromUtf8("حارس مرمى")},
        {"ar", englishOnly, std::nullopt},
        {"en", PositionData{}, std::nullopt},
        {"en", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        PreferredLanguage language(c.language);
        header->configure(keeper);  // a header reused from another section
        header->configure(c.position);
        EXPECT_EQ(header->positionName()->optionalText(), c.shown)
            << c.language << " " << (c.position ? c.position->en_name.value_or("(no name)") : "(no position)");
    }
}

} // namespace
} // namespace lanterncrest::test
