#include "api/api_configuration.h"
#include "api/network_api.h"
#include "api/token_store.h"
#include "platform/foundation/user_defaults.h"

#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

using Method = HttpMethod;
using Encoding = ParameterEncoding;

QString header(const HttpHeaders& headers, const QString& name)
{
    return headers.value(name).value_or("<missing>");
}

void storeToken(std::optional<std::string> token)
{
    saveAuthorizationDetails({std::nullopt, std::nullopt, std::move(token), std::nullopt});
}

TEST(NetworkAPI, EveryEndpointHasItsPathMethodEncodingAndParameters)
{
    const nlohmann::json given = {{"player_id", "p1"}, {"page", 2}};
    const nlohmann::json none = nlohmann::json::object();
    struct Row {
        NetworkAPI api;
        NetworkAPI::Case kind;
        const char* path;
        Method method;
        Encoding encoding;
        nlohmann::json parameters;
    };
    const Row rows[] = {
        {NetworkAPI::findPlayerById("p7"), NetworkAPI::Case::findPlayerById, "v1/players/p7", Method::Get, Encoding::Url, none},
        {NetworkAPI::getPlayerAssitsList(given), NetworkAPI::Case::getPlayerAssitsList, "v1/player-assists-list", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerCoaches(given), NetworkAPI::Case::getPlayerCoaches, "v1/player-coaches", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerGoals(none), NetworkAPI::Case::getPlayerGoals, "v1/player-goals", Method::Get, Encoding::Url, none},
        {NetworkAPI::getPlayerStats(given), NetworkAPI::Case::getPlayerStats, "v1/player-stats", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerTitles(given), NetworkAPI::Case::getPlayerTitles, "v1/player-places", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerTransfers(given), NetworkAPI::Case::getPlayerTransfers, "v1/transfers", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerVsPlayer(given), NetworkAPI::Case::getPlayerVsPlayer, "v1/players-head-to-head", Method::Get, Encoding::Url, given},
        {NetworkAPI::getPlayerTeamAgainst(given), NetworkAPI::Case::getPlayerTeamAgainst, "v1/player-against-teams", Method::Get, Encoding::Url, given},
        {NetworkAPI::getSeasonTeams("4jgw0ek6ajq3m5ya"), NetworkAPI::Case::getSeasonTeams, "v1/seasons/4jgw0ek6ajq3m5ya/teams", Method::Get, Encoding::Url, none},
        {NetworkAPI::getTeamPlayers("t9", "4jgw0ek6ajq3m5ya"), NetworkAPI::Case::getTeamPlayers, "v1/team-players-in-current-season?id=t9&season_id=4jgw0ek6ajq3m5ya", Method::Get, Encoding::Url, none},
        {NetworkAPI::getTeamPlayers("", "s"), NetworkAPI::Case::getTeamPlayers, "v1/team-players-in-current-season?id=&season_id=s", Method::Get, Encoding::Url, none},
        {NetworkAPI::getPlayersListing(), NetworkAPI::Case::getPlayersListing, "v1/korvex-players", Method::Get, Encoding::Url, none},
        {NetworkAPI::refreshToken(), NetworkAPI::Case::refreshToken, "v1/clients/web/admin/login", Method::Post, Encoding::Json,
         {{"email", ApiConfiguration::serviceAccountEmail().toStdString()}, {"password", ApiConfiguration::serviceAccountPassword().toStdString()}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.api.kind(), row.kind);
        EXPECT_EQ(row.api.path(), row.path);
        EXPECT_EQ(row.api.url(), ApiConfiguration::baseUrl() + row.path);
        EXPECT_EQ(row.api.method(), row.method);
        EXPECT_EQ(row.api.encoding(), row.encoding);
        EXPECT_EQ(row.api.parameters(), row.parameters);
    }
}

TEST(NetworkAPI, LoginSendsOnlyTheServiceAccount)
{
    const nlohmann::json parameters = NetworkAPI::refreshToken({{"email", "someone@else"}, {"extra", 1}}).parameters();
    ASSERT_EQ(parameters.size(), 2u);
    EXPECT_EQ(parameters.at("email"), ApiConfiguration::serviceAccountEmail().toStdString());
    EXPECT_EQ(parameters.at("password").get<std::string>().size(), 16u);
}

TEST(NetworkAPI, ParametersOtherThanAnObjectAreEmpty)
{
    EXPECT_EQ(NetworkAPI::getPlayerStats(nlohmann::json::array({1, 2})).parameters(), nlohmann::json::object());
    EXPECT_EQ(NetworkAPI::getPlayerStats(nullptr).parameters(), nlohmann::json::object());
}

TEST(NetworkAPI, IdentifiersStayInsideTheirSegmentOrValue)
{
    struct Row {
        NetworkAPI api;
        const char* path;     // as built
        const char* sentPath; // as the HTTP layer sends it, dot segments resolved
        const char* query;
    };
    const Row rows[] = {
        {NetworkAPI::findPlayerById("../admin"), "v1/players/..%2Fadmin", "/v1/players/..%2Fadmin", ""},
        {NetworkAPI::findPlayerById(".."), "v1/players/%252E%252E", "/v1/players/%252E%252E", ""},
        {NetworkAPI::findPlayerById("."), "v1/players/%252E", "/v1/players/%252E", ""},
        {NetworkAPI::findPlayerById("a?b=1#c"), "v1/players/a%3Fb%3D1%23c", "/v1/players/a%3Fb%3D1%23c", ""},
        {NetworkAPI::findPlayerById("لاعب 1"), "v1/players/%D9%84%D8%A7%D8%B9%D8%A8%201", "/v1/players/%D9%84%D8%A7%D8%B9%D8%A8%201", ""},
        {NetworkAPI::getSeasonTeams("../../x"), "v1/seasons/..%2F..%2Fx/teams", "/v1/seasons/..%2F..%2Fx/teams", ""},
        {NetworkAPI::getTeamPlayers("t&season_id=other", "s#f"),
         "v1/team-players-in-current-season?id=t%26season_id%3Dother&season_id=s%23f",
         "/v1/team-players-in-current-season", "id=t%26season_id%3Dother&season_id=s%23f"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.api.path(), row.path);
        const QUrl sent = QUrl(row.api.url(), QUrl::StrictMode).adjusted(QUrl::NormalizePathSegments);
        ASSERT_TRUE(sent.isValid());
        const QString basePath = QUrl(ApiConfiguration::baseUrl()).path();
        EXPECT_EQ(sent.path(QUrl::FullyEncoded), basePath + QString::fromUtf8(row.sentPath).mid(1));
        EXPECT_EQ(sent.query(QUrl::FullyEncoded), row.query);
        EXPECT_FALSE(sent.hasFragment());
    }
    const QUrlQuery query(QUrl(NetworkAPI::getTeamPlayers("t&season_id=other", "s").url()));
    EXPECT_EQ(query.allQueryItemValues("season_id"), QStringList{"s"});
}

TEST(NetworkAPI, HeadersCarryTheStoredTokenAtTheMomentTheyAreBuilt)
{
    UserDefaults::standard().removeObject(authorizationDataKey);
    const NetworkAPI api = NetworkAPI::getSeasonTeams("4jgw0ek6ajq3m5ya");
    const HttpHeaders before = api.headers();
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(header(before, "Content-Type"), "application/json");
    EXPECT_EQ(header(before, "Authorization"), "Bearer ");
    EXPECT_EQ(header(NetworkAPI::refreshToken().headers(), "Authorization"), "Bearer ");

    storeToken("eyJ0eXAi.abc");
    EXPECT_EQ(header(api.headers(), "Authorization"), "Bearer eyJ0eXAi.abc");

    // A token that would end the header line loses its control characters on the wire only.
    storeToken("ab\r\nX-Injected: 1\x7f\t");
    EXPECT_EQ(header(api.headers(), "Authorization"), "Bearer abX-Injected: 1");
    EXPECT_EQ(getAccessToken(), QStringLiteral("ab\r\nX-Injected: 1\x7f\t"));

    storeToken(std::nullopt);
    EXPECT_EQ(header(api.headers(), "Authorization"), "Bearer ");
}

TEST(ApiConfiguration, TheOverrideMustBeAnHttpBaseUrl)
{
    const QString compiled = ApiConfiguration::compiledBaseUrl();
    EXPECT_EQ(compiled.size(), 26);
    EXPECT_TRUE(compiled.startsWith("https://"));
    EXPECT_TRUE(compiled.endsWith("/"));
    EXPECT_EQ(ApiConfiguration::serviceAccountPassword().size(), 16);

    const std::pair<QByteArray, QString> rows[] = {
        {"", compiled},
        {"   ", compiled},
        {"http://127.0.0.1:40123", "http://127.0.0.1:40123/"},
        {"http://127.0.0.1:40123/", "http://127.0.0.1:40123/"},
        {" https://staging.example.org/api/ ", "https://staging.example.org/api/"},
        {"ftp://example.org/", compiled},
        {"example.org/", compiled},
        {"https:///nohost", compiled},
        {"https://example.org/?a=1", compiled},
        {"https://example.org/#top", compiled},
        {"https://exa mple.org/", compiled},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ApiConfiguration::resolveBaseUrl(text), expected) << text.toStdString();
}

} // namespace
} // namespace lanterncrest
