#include "api/korvex_api.h"
#include "api/network_manager.h"
#include "api/player_listing_view_model.h"
#include "api/refresh_token_service.h"
#include "api/token_store.h"
#include "tests/api/api_client_fixture.h"

namespace lanterncrest::test {
namespace {

using namespace std::chrono_literals;

class PlayerListingViewModelTest : public ApiClientTest {
protected:
    std::shared_ptr<NetworkManager> client = std::make_shared<NetworkManager>(SessionConfiguration{5s, 5s});
    PlayerListingViewModel viewModel{std::make_shared<PlayerListService>(client)};

    struct Outcome {
        int successes = 0;
        std::vector<ApiError> failures;
        std::optional<SeasonTeams> teams;
        std::optional<PlayerList> players;
        int calls() const { return successes + int(failures.size()); }
    };

    Outcome getSeasonTeams(IPlayerListingViewModel& model)
    {
        Outcome outcome;
        model.getSeasonTeams(
            seasonId, [&](const SeasonTeams& teams) { ++outcome.successes, outcome.teams = teams; },
            [&](const ApiError& error) { outcome.failures.push_back(error); });
        waitUntil([&] { return outcome.calls() > 0; });
        spinFor(50ms);
        return outcome;
    }
};

TEST_F(PlayerListingViewModelTest, PassesTheDecodedRecordsOn)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(200, R"({"data":[{"id":"t9"}]})"));
    const Outcome season = getSeasonTeams(viewModel);
    EXPECT_EQ(season.successes, 1);
    EXPECT_TRUE(season.failures.empty());
    EXPECT_EQ(season.teams->data->at(0).id, "t9");

    apiService().answer(teamPlayersPath, ScriptedAnswer::json(200, R"({})"));
    Outcome squad;
    viewModel.getTeamPlayers(
        "t9", seasonId, [&](const PlayerList& players) { ++squad.successes, squad.players = players; },
        [&](const ApiError& error) { squad.failures.push_back(error); });
    ASSERT_TRUE(waitUntil([&] { return squad.calls() > 0; }));
    EXPECT_EQ(squad.successes, 1);
    EXPECT_EQ(squad.players->data, std::nullopt); // an answer without data is still a record
    EXPECT_EQ(apiService().requests().back().query, "id=t9&season_id=4jgw0ek6ajq3m5ya");
}

TEST_F(PlayerListingViewModelTest, PrintsAFailureAndReportsIt)
{
    apiService().answer(seasonPath, ScriptedAnswer::json(401, "{}"));
    apiService().answer(loginPath, ScriptedAnswer::dropped());
    const Outcome outcome = getSeasonTeams(viewModel);
    EXPECT_EQ(outcome.successes, 0);
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
        bool returned = false;
        int failures = 0;
        model->getSeasonTeams(
            seasonId, [&](const SeasonTeams&) { ADD_FAILURE() << "no record can arrive"; },
            [&](const ApiError& error) {
                EXPECT_TRUE(returned);
                EXPECT_TRUE(error.customError());
                ++failures;
            });
        returned = true;
        ASSERT_TRUE(waitUntil([&] { return failures > 0; }));
        spinFor(20ms);
        EXPECT_EQ(failures, 1);
        // An empty failure callback is allowed too.
        model->getTeamPlayers("t", seasonId, [](const PlayerList&) { ADD_FAILURE(); }, {});
    }
    spinFor(20ms);
    EXPECT_EQ(apiService().requestCount(), 0);
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(PlayerListingViewModelTest, KorvexApiHoldsOneManagerOnTheSharedClient)
{
    PlayerManager& manager = KorvexApi::playerManager();
    EXPECT_EQ(&manager, &KorvexApi::playerManager());
    ASSERT_TRUE(manager.playerListService && manager.viewModel);
    EXPECT_EQ(manager.playerListService->networkManager(), NetworkManager::shared());
    EXPECT_EQ(manager.viewModel->playerListingService, manager.playerListService);

    apiService().answer(seasonPath, ScriptedAnswer::json(200, R"({"data":[]})"));
    const Outcome outcome = getSeasonTeams(*manager.viewModel);
    EXPECT_EQ(outcome.successes, 1);
}

class RefreshTokenServiceTest : public ApiClientTest {
protected:
    std::optional<bool> refresh(const RefreshTokenService& service)
    {
        std::vector<bool> calls;
        service.refreshToken([&](bool stored) { calls.push_back(stored); });
        waitUntil([&] { return !calls.empty(); }, 5s);
        spinFor(30ms);
        EXPECT_LE(calls.size(), 1u);
        return calls.empty() ? std::nullopt : std::optional<bool>(bool(calls.front()));
    }
};

TEST_F(RefreshTokenServiceTest, StoresAnyObjectAnswerLeniently)
{
    auto client = std::make_shared<NetworkManager>(SessionConfiguration{5s, 5s});
    struct Case {
        QByteArray answer;
        std::optional<QVariantMap> stored;
    };
    const std::vector<Case> cases = {
        {R"({"access_token":"a1","token_type":"Bearer","expires_in":60,"refresh_token":"r1","extra":[1]})",
         QVariantMap{{"auth_access_token", "a1"}, {"auth_token_type", "Bearer"}, {"auth_expires_in", qlonglong(60)},
                     {"auth_refresh_token", "r1"}}},
        {R"({"access_token":5,"expires_in":"soon"})", QVariantMap{}},
        {R"({})", QVariantMap{}},
    };
    for (const Case& c : cases) {
        apiService().answer(loginPath, ScriptedAnswer::json(200, c.answer));
        EXPECT_EQ(refresh(RefreshTokenService{client}), true);
        EXPECT_EQ(getAuthorizationData(), c.stored);
    }
    EXPECT_TRUE(printed().isEmpty());
    EXPECT_EQ(refresh(RefreshTokenService{nullptr}), false);
}

TEST_F(RefreshTokenServiceTest, JsonToDataWritesPrettyJsonOrSaysWhyNot)
{
    EXPECT_EQ(jsonToData(nlohmann::json{{"a", 1}}), "{\n    \"a\": 1\n}");
    EXPECT_EQ(jsonToData(nlohmann::json{{"a", "\xFF"}}), std::nullopt);
    ASSERT_EQ(printed().size(), 1);
    EXPECT_FALSE(printed()[0].contains(QChar(0xFFFD)));
}

} // namespace
} // namespace lanterncrest::test
