#pragma once

#include "examples/host/sample_service/sample_season.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace lanterncrest {

// The JSON bodies of the sample service, rendered once for one base URL ("http://127.0.0.1:PORT/")
// because every image address in them is absolute. Immutable once built: any thread may read.
class SampleAnswers
{
public:
    SampleAnswers(const SampleSeason &season, std::string baseUrl);

    // The answer to "v1/seasons/<season>/teams" for the sample season.
    const std::string &seasonTeams() const { return m_seasonTeams; }
    // The answer to the squad request of one team, or null for a team the season lacks.
    const std::string *teamPlayers(const std::string &teamId) const;

private:
    std::string m_seasonTeams;
    std::unordered_map<std::string, std::string> m_teamPlayers;
};

// The login reply: token type, lifetime in seconds and the two tokens.
std::string loginReplyBody(const std::string &accessToken, const std::string &refreshToken);

// {"message": ...} for refusals.
std::string errorBody(std::string_view message);

// Where the service serves the pictures of one thing: kind is "team", "player" or "country".
std::string imagePath(std::string_view kind, const std::string &id, bool thumb);

} // namespace lanterncrest
