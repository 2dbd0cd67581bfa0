#pragma once

#include "platform/http/http_headers.h"
#include "platform/http/http_method.h"
#include "platform/http/parameter_encoding.h"

#include <QString>
#include <nlohmann/json.hpp>

namespace lanterncrest {

// The endpoints of the service, each with what a request to it needs: URL, method,
// parameters, their encoding and headers. Identifiers are placed into the path or query
// percent-encoded, so no identifier can change the path or add parameters.
class NetworkAPI
{
public:
    enum class Case {
        refreshToken,
        findPlayerById,
        getPlayerAssitsList,
        getPlayerCoaches,
        getPlayerGoals,
        getPlayerStats,
        getPlayerTitles,
        getPlayerTransfers,
        getPlayerVsPlayer,
        getPlayerTeamAgainst,
        getSeasonTeams,
        getTeamPlayers,
        getPlayersListing,
    };
    // Always a JSON object; a case given anything else keeps an empty object.
    using Parameters = nlohmann::json;

    // The service-account login. Its parameters are always the account's e-mail and
    // password; whatever is passed here is ignored.
    static NetworkAPI refreshToken(Parameters parameters = Parameters::object());
    static NetworkAPI findPlayerById(const QString &playerId);
    static NetworkAPI getPlayerAssitsList(Parameters parameters);
    static NetworkAPI getPlayerCoaches(Parameters parameters);
    static NetworkAPI getPlayerGoals(Parameters parameters);
    static NetworkAPI getPlayerStats(Parameters parameters);
    static NetworkAPI getPlayerTitles(Parameters parameters);
    static NetworkAPI getPlayerTransfers(Parameters parameters);
    static NetworkAPI getPlayerVsPlayer(Parameters parameters);
    static NetworkAPI getPlayerTeamAgainst(Parameters parameters);
    static NetworkAPI getSeasonTeams(const QString &seasonId);
    static NetworkAPI getTeamPlayers(const QString &teamId, const QString &seasonId);
    static NetworkAPI getPlayersListing();

    Case kind() const { return m_case; }

    // The path below the base URL, e.g. "v1/seasons/4jgw0ek6ajq3m5ya/teams".
    QString path() const;
    // ApiConfiguration::baseUrl() followed by path().
    QString url() const;
    // Post for refreshToken, Get for every other case.
    HttpMethod method() const;
    // Json (a JSON object body) for refreshToken, Url (the query string) for every other case.
    ParameterEncoding encoding() const;
    Parameters parameters() const;
    // "Content-Type: application/json" and "Authorization: Bearer " followed by the stored
    // access token (read now) when the service of url() issued it; empty when none is stored
    // or another service issued it. The session sends every header value without its control
    // characters.
    HttpHeaders headers() const;

private:
    NetworkAPI(Case kind, Parameters parameters, QString first = {}, QString second = {});

    Case m_case;
    Parameters m_parameters;
    QString m_first; // playerId, seasonId, or teamId
    QString m_second; // seasonId of getTeamPlayers
};

} // namespace lanterncrest
