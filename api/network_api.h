#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <nlohmann/json.hpp>
#include <utility>

namespace lanterncrest {

// The endpoints of the service, each with what a request to it needs: URL, method,
// parameters, their encoding and headers. Identifiers are placed into the path or query
// percent-encoded, so no identifier can change the path or add parameters.
class NetworkAPI {
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
    enum class Method { get, post };
    // url: the parameters become the query string (none for an empty object);
    // json: they become the request body as a JSON object.
    enum class Encoding { url, json };
    // Always a JSON object; a case given anything else keeps an empty object.
    using Parameters = nlohmann::json;
    // Header names and values in the order they are set.
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    // The service-account login. Its parameters are always the account's e-mail and
    // password; whatever is passed here is ignored.
    static NetworkAPI refreshToken(Parameters parameters = Parameters::object());
    static NetworkAPI findPlayerById(const QString& playerId);
    static NetworkAPI getPlayerAssitsList(Parameters parameters);
    static NetworkAPI getPlayerCoaches(Parameters parameters);
    static NetworkAPI getPlayerGoals(Parameters parameters);
    static NetworkAPI getPlayerStats(Parameters parameters);
    static NetworkAPI getPlayerTitles(Parameters parameters);
    static NetworkAPI getPlayerTransfers(Parameters parameters);
    static NetworkAPI getPlayerVsPlayer(Parameters parameters);
    static NetworkAPI getPlayerTeamAgainst(Parameters parameters);
    static NetworkAPI getSeasonTeams(const QString& seasonId);
    static NetworkAPI getTeamPlayers(const QString& teamId, const QString& seasonId);
    static NetworkAPI getPlayersListing();

    Case kind() const { return case_; }

    // The path below the base URL, e.g. "v1/seasons/4jgw0ek6ajq3m5ya/teams".
    QString path() const;
    // ApiConfiguration::baseUrl() followed by path().
    QString url() const;
    // POST for refreshToken, GET for every other case.
    Method method() const;
    // json for refreshToken, url for every other case.
    Encoding encoding() const;
    Parameters parameters() const;
    // "Content-Type: application/json" and "Authorization: Bearer " followed by the stored
    // access token (read now; control characters removed; empty when none is stored).
    Headers headers() const;

private:
    NetworkAPI(Case kind, Parameters parameters, QString first = {}, QString second = {});

    Case case_;
    Parameters parameters_;
    QString first_;  // playerId, seasonId, or teamId
    QString second_; // seasonId of getTeamPlayers
};

} // namespace lanterncrest
