#include "tests/sample_service/sample_client.h"

#include "platform/coding/json_decoder.h"
#include "records/answers.h"

#include <functional>

namespace lanterncrest::test {
namespace {

std::string_view bytes(const Exchange& reply)
{
    return {reply.body.constData(), static_cast<std::size_t>(reply.body.size())};
}

// The framework's own records read every answer: the season strictly (one wrong kind fails
// it all), the squads leniently, so there each member the screens use is checked present.
TEST_F(SampleServiceTest, AnswersDecodeIntoTheFrameworksRecords)
{
    const QByteArray token = login();
    ASSERT_FALSE(token.isEmpty());
    const auto season = JSONDecoder::decode<SeasonTeams>(bytes(get(seasonPath(kSeason), token)));
    ASSERT_TRUE(season.ok()) << season.error().description();
    ASSERT_TRUE(season.value().data.has_value());
    ASSERT_GE(season.value().data->size(), 12u);

    using Check = std::pair<const char*, std::function<bool(const People&)>>;
    const std::vector<Check> shown = {
        {"id", [](const People& p) { return p.id.has_value(); }},
        {"ar_name", [](const People& p) { return p.ar_name.has_value(); }},
        {"en_name", [](const People& p) { return p.en_name.has_value(); }},
        {"national_shirt_number", [](const People& p) { return p.national_shirt_number.has_value(); }},
        {"weight and height", [](const People& p) { return p.weight && p.height; }},
        {"photo thumb", [](const People& p) { return p.image && p.image->data && p.image->data->thumb; }},
        {"photo path", [](const People& p) { return p.image && p.image->data && p.image->data->path; }},
        {"country name",
         [](const People& p) { return p.country && p.country->data && p.country->data->en_name; }},
        {"country image",
         [](const People& p) {
             return p.country && p.country->data && p.country->data->image && p.country->data->image->data
                 && p.country->data->image->data->thumb;
         }},
        {"position names",
         [](const People& p) {
             return p.position && p.position->data && p.position->data->en_name && p.position->data->ar_name;
         }},
        {"current team", [](const People& p) { return p.currentTeam && p.currentTeam->data; }},
        {"national team", [](const People& p) { return p.nationalTeam && p.nationalTeam->data; }},
    };

    for (const TeamData& team : *season.value().data) {
        ASSERT_TRUE(team.id && team.en_name && team.ar_name);
        EXPECT_TRUE(team.image && team.image->data && team.image->data->thumb) << *team.en_name;
        const auto squad = JSONDecoder::decode<PlayerList>(
            bytes(get(squadPath(QString::fromStdString(*team.id), kSeason), token)));
        ASSERT_TRUE(squad.ok()) << *team.en_name << ": " << squad.error().description();
        ASSERT_TRUE(squad.value().data.has_value());
        EXPECT_GE(squad.value().data->size(), 20u);
        for (const People& player : *squad.value().data) {
            for (const auto& [what, present] : shown)
                EXPECT_TRUE(present(player)) << *team.en_name << " / " << player.en_name.value_or("?") << ": " << what;
        }
    }
}

} // namespace
} // namespace lanterncrest::test
