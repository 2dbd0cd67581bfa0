#include "api/api_configuration.h"
#include "api/network_api.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

TEST(NetworkAPI, EveryEndpointHasItsPathMethodAndParameters)
{
    const nlohmann::json given = {{"player_id", "p1"}, {"page", 2}};
    const nlohmann::json none = nlohmann::json::object();
    const nlohmann::json account = {{"email", ApiConfiguration::serviceAccountEmail().toStdString()},
                                    {"password", ApiConfiguration::serviceAccountPassword().toStdString()}};
    struct Row {
        NetworkAPI api;
        const char* path;
        nlohmann::json parameters;
    };
    const Row rows[] = {
        {NetworkAPI::findPlayerById("p7"), "v1/players/p7", none},
        {NetworkAPI::getPlayerAssitsList(given), "v1/player-assists-list", given},
        {NetworkAPI::getPlayerCoaches(given), "v1/player-coaches", given},
        {NetworkAPI::getPlayerGoals(given), "v1/player-goals", given},
        {NetworkAPI::getPlayerStats(nlohmann::json::array({1})), "v1/player-stats", none},
        {NetworkAPI::getPlayerTitles(given), "v1/player-places", given},
        {NetworkAPI::getPlayerTransfers(given), "v1/transfers", given},
        {NetworkAPI::getPlayerVsPlayer(given), "v1/players-head-to-head", given},
        {NetworkAPI::getPlayerTeamAgainst(given), "v1/player-against-teams", given},
        {NetworkAPI::getSeasonTeams("s1"), "v1/seasons/s1/teams", none},
        {NetworkAPI::getTeamPlayers("t9", "s1"), "v1/team-players-in-current-season?id=t9&season_id=s1", none},
        {NetworkAPI::getPlayersListing(), "v1/korvex-players", none},
        {NetworkAPI::refreshToken({{"email", "someone@else"}}), "v1/clients/web/admin/login", account},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.api.url(), ApiConfiguration::baseUrl() + row.path);
        const bool login = row.api.kind() == NetworkAPI::Case::refreshToken;
        EXPECT_EQ(row.api.method(), login ? HttpMethod::Post : HttpMethod::Get);
        EXPECT_EQ(row.api.encoding(), login ? ParameterEncoding::Json : ParameterEncoding::Url);
        EXPECT_EQ(row.api.parameters(), row.parameters);
    }
}

TEST(NetworkAPI, IdentifiersStayInsideTheirSegmentOrValue)
{
    struct Row {
        NetworkAPI api;
        const char* sentPath; // as the HTTP layer sends it, dot segments resolved
        const char* query;
    };
    const Row rows[] = {
        {NetworkAPI::findPlayerById("../admin"), "v1/players/..%2Fadmin", ""},
        {NetworkAPI::findPlayerById(".."), "v1/players/%252E%252E", ""},
        {NetworkAPI::findPlayerById("a?b=1#c"), "v1/players/a%3Fb%3D1%23c", ""},
        {NetworkAPI::findPlayerById("لاعب 1"), "v1/players/%D9%84%D8%A7%D8%B9%D8%A8%201", ""},
        {NetworkAPI::getSeasonTeams("../../x"), "v1/seasons/..%2F..%2Fx/teams", ""},
        {NetworkAPI::getTeamPlayers("t&season_id=other", "s#f"), "v1/team-players-in-current-season",
         "id=t%26season_id%3Dother&season_id=s%23f"},
    };
    const QString basePath = QUrl(ApiConfiguration::baseUrl()).path();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sentPath);
        const QUrl sent = QUrl(row.api.url(), QUrl::StrictMode).adjusted(QUrl::NormalizePathSegments);
        ASSERT_TRUE(sent.isValid());
        EXPECT_EQ(sent.path(QUrl::FullyEncoded), basePath + row.sentPath);
        EXPECT_EQ(sent.query(QUrl::FullyEncoded), row.query);
        EXPECT_FALSE(sent.hasFragment());
    }
}

TEST(ApiConfiguration, TheOverrideMustBeAnHttpBaseUrl)
{
    const QString compiled = ApiConfiguration::compiledBaseUrl();
    EXPECT_TRUE(compiled.startsWith("https://") && compiled.endsWith("/"));
    const std::pair<QByteArray, QString> rows[] = {
        {"", compiled},
        {"http://127.0.0.1:40123", "http://127.0.0.1:40123/"},
        {" https://staging.example.org/api/ ", "https://staging.example.org/api/"},
        {"ftp://example.org/", compiled},
        {"example.org/", compiled},
        {"https:///nohost", compiled},
        {"https://example.org/?a=1", compiled},
        {"https://exa mple.org/", compiled},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ApiConfiguration::resolveBaseUrl(text), expected) << text.toStdString();
}

} // namespace
} // namespace lanterncrest
