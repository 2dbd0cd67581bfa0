#include "api/network_manager.h"
#include "api/player_list_service.h"
#include "api/player_listing_view_model.h"
#include "tests/api/api_client_fixture.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

class PlayerListingViewModelTest : public ApiClientTest
{
protected:
    struct Outcome
    {
        std::vector<SeasonTeams> teams;
        std::vector<ApiError> failures;
    };

    // Every success and failure the model reports for the season's teams, never inside the call.
    static Outcome getSeasonTeams(IPlayerListingViewModel &model)
    {
        Outcome outcome;
        bool returned = false;
        model.getSeasonTeams(
                seasonId, [&](const SeasonTeams &teams) { outcome.teams.push_back(teams); },
                [&](const ApiError &error) {
                    EXPECT_TRUE(returned) << "reported inside the call";
                    outcome.failures.push_back(error);
                });
        returned = true;
        waitUntil([&] { return outcome.teams.size() + outcome.failures.size() > 0; });
        spinFor(50ms);
        return outcome;
    }

    PlayerListingViewModel viewModel{ std::make_shared<PlayerListService>(
            std::make_shared<NetworkManager>(SessionConfiguration{ 5s, 5s })) };
};

TEST_F(PlayerListingViewModelTest, PassesTheRecordOnOrReportsEachFailureOnceEvenWithoutAClient)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(200, R"({"data":[{"id":"t9"}]})"));
    Outcome outcome = getSeasonTeams(viewModel);
    ASSERT_EQ(outcome.teams.size(), 1u);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_EQ(outcome.teams[0].data->at(0).id, "t9");

    restart();
    apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
    apiService().answer(loginPath, ScriptedAnswer::dropped());
    outcome = getSeasonTeams(viewModel);
    EXPECT_TRUE(outcome.teams.empty());
    ASSERT_EQ(outcome.failures.size(), 1u);
    ASSERT_TRUE(outcome.failures[0].customError());
    EXPECT_EQ(printed().last(), outcome.failures[0].rendering());

    // Without a client nothing is sent, and a failure is still reported later.
    restart();
    PlayerListingViewModel noService{ nullptr };
    PlayerListingViewModel noClient{ std::make_shared<PlayerListService>(nullptr) };
    for (PlayerListingViewModel *model : { &noService, &noClient }) {
        outcome = getSeasonTeams(*model);
        ASSERT_EQ(outcome.failures.size(), 1u);
        EXPECT_TRUE(outcome.teams.empty() && outcome.failures[0].customError());
        model->getTeamPlayers("t", seasonId, [](const PlayerList &) { ADD_FAILURE(); },
                              {}); // no failure callback
    }
    spinFor(20ms);
    EXPECT_EQ(apiService().requestCount(), 0);
    EXPECT_TRUE(printed().isEmpty());
}

} // namespace
} // namespace lanterncrest::test
