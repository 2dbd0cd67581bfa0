#include "api/network_api.h"

#include "api/api_configuration.h"
#include "api/request_text.h"
#include "api/token_store.h"
#include "platform/http/http_url.h"

namespace lanterncrest {

NetworkAPI::NetworkAPI(Case kind, Parameters parameters, QString first, QString second)
    : m_case(kind),
      m_parameters(parameters.is_object() ? std::move(parameters) : Parameters::object()),
      m_first(std::move(first)),
      m_second(std::move(second))
{
}

NetworkAPI NetworkAPI::refreshToken(Parameters parameters)
{
    return { Case::refreshToken, std::move(parameters) };
}
NetworkAPI NetworkAPI::findPlayerById(const QString &playerId)
{
    return { Case::findPlayerById, {}, playerId };
}
NetworkAPI NetworkAPI::getPlayerAssitsList(Parameters parameters)
{
    return { Case::getPlayerAssitsList, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerCoaches(Parameters parameters)
{
    return { Case::getPlayerCoaches, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerGoals(Parameters parameters)
{
    return { Case::getPlayerGoals, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerStats(Parameters parameters)
{
    return { Case::getPlayerStats, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerTitles(Parameters parameters)
{
    return { Case::getPlayerTitles, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerTransfers(Parameters parameters)
{
    return { Case::getPlayerTransfers, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerVsPlayer(Parameters parameters)
{
    return { Case::getPlayerVsPlayer, std::move(parameters) };
}
NetworkAPI NetworkAPI::getPlayerTeamAgainst(Parameters parameters)
{
    return { Case::getPlayerTeamAgainst, std::move(parameters) };
}
NetworkAPI NetworkAPI::getSeasonTeams(const QString &seasonId)
{
    return { Case::getSeasonTeams, {}, seasonId };
}
NetworkAPI NetworkAPI::getTeamPlayers(const QString &teamId, const QString &seasonId)
{
    return { Case::getTeamPlayers, {}, teamId, seasonId };
}
NetworkAPI NetworkAPI::getPlayersListing()
{
    return { Case::getPlayersListing, {} };
}

QString NetworkAPI::path() const
{
    switch (m_case) {
    case Case::refreshToken:
        return QStringLiteral("v1/clients/web/admin/login");
    case Case::findPlayerById:
        return QStringLiteral("v1/players/") + percentEncodedPathSegment(m_first);
    case Case::getPlayerAssitsList:
        return QStringLiteral("v1/player-assists-list");
    case Case::getPlayerCoaches:
        return QStringLiteral("v1/player-coaches");
    case Case::getPlayerGoals:
        return QStringLiteral("v1/player-goals");
    case Case::getPlayerStats:
        return QStringLiteral("v1/player-stats");
    case Case::getPlayerTitles:
        return QStringLiteral("v1/player-places");
    case Case::getPlayerTransfers:
        return QStringLiteral("v1/transfers");
    case Case::getPlayerVsPlayer:
        return QStringLiteral("v1/players-head-to-head");
    case Case::getPlayerTeamAgainst:
        return QStringLiteral("v1/player-against-teams");
    case Case::getSeasonTeams:
        return QStringLiteral("v1/seasons/") + percentEncodedPathSegment(m_first)
                + QStringLiteral("/teams");
    case Case::getTeamPlayers:
        return QStringLiteral("v1/team-players-in-current-season?id=")
                + percentEncodedQueryValue(m_first) + QStringLiteral("&season_id=")
                + percentEncodedQueryValue(m_second);
    case Case::getPlayersListing:
        return QStringLiteral("v1/korvex-players");
    }
    Q_UNREACHABLE();
}

QString NetworkAPI::url() const
{
    return ApiConfiguration::baseUrl() + path();
}

HttpMethod NetworkAPI::method() const
{
    return m_case == Case::refreshToken ? HttpMethod::Post : HttpMethod::Get;
}

ParameterEncoding NetworkAPI::encoding() const
{
    return m_case == Case::refreshToken ? ParameterEncoding::Json : ParameterEncoding::Url;
}

NetworkAPI::Parameters NetworkAPI::parameters() const
{
    switch (m_case) {
    case Case::refreshToken:
        return { { "email", ApiConfiguration::serviceAccountEmail().toStdString() },
                 { "password", ApiConfiguration::serviceAccountPassword().toStdString() } };
    case Case::findPlayerById:
    case Case::getSeasonTeams:
    case Case::getTeamPlayers:
    case Case::getPlayersListing:
        return Parameters::object();
    default:
        return m_parameters;
    }
}

HttpHeaders NetworkAPI::headers() const
{
    return {
        { QStringLiteral("Content-Type"), QStringLiteral("application/json") },
        { QStringLiteral("Authorization"),
          QStringLiteral("Bearer ") + accessTokenFor(httpOrigin(url())) },
    };
}

} // namespace lanterncrest
