#include "api/network_manager.h"
#include "api/player_list_service.h"
#include "api/player_listing_view_model.h"
#include "api/refresh_token_service.h"
#include "tests/api/api_client_fixture.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

class PlayerListingViewModelTest : public ApiClientTest {
protected:
    struct Outcome {
        std::vector<SeasonTeams> teams;
        std::vector<ApiError> failures;
        int calls() const { return int(teams.size() + failures.size()); }
    };

    // Asks for the season's teams; every success and failure the model reports, once it has returned.
    static Outcome getSeasonTeams(IPlayerListingViewModel& model)
    {
        Outcome outcome;
        bool returned = false;
        model.getSeasonTeams(
            seasonId, [&](const SeasonTeams& teams) { outcome.teams.push_back(teams); },
            [&](const ApiError& error) {
                EXPECT_TRUE(returned) << "reported inside the call";
                outcome.failures.push_back(error);
            });
        returned = true;
        waitUntil([&] { return outcome.calls() > 0; });
        spinFor(50ms);
        return outcome;
    }

    PlayerListingViewModel viewModel{
        std::make_shared<PlayerListService>(std::make_shared<NetworkManager>(SessionConfiguration{5s, 5s}))};
};

TEST_F(PlayerListingViewModelTest, PassesTheDecodedRecordOn)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(200, R"({"data":[{"id":"t9"}]})"));
    const Outcome outcome = getSeasonTeams(viewModel);
    ASSERT_EQ(outcome.teams.size(), 1u);
    EXPECT_TRUE(outcome.failures.empty());
    EXPECT_EQ(outcome.teams[0].data->at(0).id, "t9");
}

TEST_F(PlayerListingViewModelTest, PrintsAFailureAndReportsItOnce)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
    apiService().answer(loginPath, ScriptedAnswer::dropped());
    const Outcome outcome = getSeasonTeams(viewModel);
    EXPECT_TRUE(outcome.teams.empty());
    ASSERT_EQ(outcome.failures.size(), 1u);
    ASSERT_TRUE(outcome.failures[0].customError());
    const QString rendering =
        R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again"))";
    EXPECT_EQ(outcome.failures[0].rendering(), rendering);
    EXPECT_EQ(printed().last(), rendering);
}

TEST_F(PlayerListingViewModelTest, WithoutAClientSendsNothingAndReportsAFailureLater)
{
    PlayerListingViewModel noService{nullptr};
    PlayerListingViewModel noClient{std::make_shared<PlayerListService>(nullptr)};
    for (PlayerListingViewModel* model : {&noService, &noClient}) {
        const Outcome outcome = getSeasonTeams(*model);
        ASSERT_EQ(outcome.failures.size(), 1u);
        EXPECT_TRUE(outcome.teams.empty());
        EXPECT_TRUE(outcome.failures[0].customError());
        model->getTeamPlayers("t", seasonId, [](const PlayerList&) { ADD_FAILURE(); }, {}); // no failure callback
    }
    spinFor(20ms);
    EXPECT_EQ(apiService().requestCount(), 0);
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(PlayerListingViewModelTest, LoginWithoutAClientReportsNoStoredToken)
{
    bool stored = true;
    RefreshTokenService{nullptr}.refreshToken([&](bool result) { stored = result; });
    EXPECT_TRUE(waitUntil([&] { return !stored; }));
}

TEST_F(PlayerListingViewModelTest, JsonToDataWritesPrettyJsonOrSaysWhyNot)
{
    EXPECT_EQ(jsonToData(nlohmann::json{{"a", 1}}), "{\n    \"a\": 1\n}");
    EXPECT_EQ(jsonToData(nlohmann::json{{"a", "\xFF"}}), std::nullopt);
    ASSERT_EQ(printed().size(), 1);
    EXPECT_FALSE(printed()[0].contains(QChar(0xFFFD)));
}

} // namespace
} // namespace lanterncrest::test
