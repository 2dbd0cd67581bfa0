#include "examples/host/sample_service/sample_answers.h"

#include "examples/host/sample_service/seeded_sequence.h"

#include <nlohmann/json.hpp>

namespace lanterncrest {

using Json = nlohmann::ordered_json;

std::string imagePath(std::string_view kind, const std::string &id, bool thumb)
{
    std::string path = "images/";
    path += kind;
    path += '/';
    path += id;
    path += thumb ? "_thumb.png" : ".png";
    return path;
}

namespace {

constexpr const char *kStamp = "2024-07-01 09:00:00";

// Country names may carry the service's trailing blank; prose about them should not.
std::string trimmed(const std::string &text)
{
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string slug(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z')
            out += static_cast<char>(c - 'A' + 'a');
        else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            out += c;
        else if (!out.empty() && out.back() != '-')
            out += '-';
    }
    while (!out.empty() && out.back() == '-')
        out.pop_back();
    return out;
}

class Builder
{
public:
    Builder(const SampleSeason &season, std::string baseUrl)
        : m_season(season),
          m_base(std::move(baseUrl))
    {
    }

    Json image(std::string_view kind, const std::string &id, const std::string &enCaption,
               const std::string &arCaption) const
    {
        return Json{
            { "data",
              { { "object", "Image" },
                { "id", sampleIdentifier(std::string("image-") + std::string(kind), indexOf(id)) },
                { "ar_caption", arCaption },
                { "en_caption", enCaption },
                { "path", m_base + imagePath(kind, id, false) },
                { "thumb", m_base + imagePath(kind, id, true) } } }
        };
    }

    Json country(int index) const
    {
        const SampleCountry &c = m_season.countries[static_cast<std::size_t>(index)];
        const SampleContinent &continent =
                m_season.continents[static_cast<std::size_t>(c.continent)];
        return Json{ { "data",
                       { { "object", "Country" },
                         { "id", c.id },
                         { "ar_name", c.arName },
                         { "en_name", c.enName },
                         { "ar_nickname", c.arNickname },
                         { "en_nickname", c.enNickname },
                         { "image", image("country", c.id, trimmed(c.enName), c.arName) },
                         { "continent",
                           { { "data",
                               { { "object", "Continent" },
                                 { "id", continent.id },
                                 { "ar_name", continent.arName },
                                 { "en_name", continent.enName },
                                 { "icon", continent.icon } } } } } } } };
    }

    Json socialMedia(const std::string &id, const std::string &enName) const
    {
        const std::string handle = slug(enName);
        return Json{ { "data",
                       { { "object", "SocialMedia" },
                         { "id", sampleIdentifier("social", indexOf(id)) },
                         { "facebook", "https://social.example/facebook/" + handle },
                         { "twitter", "https://social.example/twitter/" + handle },
                         { "wiki", nullptr },
                         { "wiki_en", "https://wiki.example/en/" + handle },
                         { "en_name", enName },
                         { "wiki_fr", nullptr },
                         { "web_site", "https://" + handle + ".example" },
                         { "instagram", "https://social.example/instagram/" + handle },
                         { "youtube", nullptr },
                         { "created_at", kStamp },
                         { "updated_at", kStamp } } } };
    }

    Json club(const SampleTeam &team) const
    {
        const int founded = std::stoi(team.years);
        return Json{ { "data",
                       { { "object", "Club" },
                         { "id", sampleIdentifier("club", indexOf(team.id)) },
                         { "ar_name", "نادي " + team.arName },
                         { "en_name", team.enName + " Club" },
                         { "ar_old_name", nullptr },
                         { "en_old_name", nullptr },
                         { "ar_address", "شارع الملعب، الدوحة" },
                         { "en_address", "Stadium Street, Doha" },
                         { "phone", "+974 4400 " + std::to_string(1000 + founded % 1000) },
                         { "email", "info@" + slug(team.enName) + ".example" },
                         { "full_foundation_date", team.years + "-09-01" },
                         { "foundation_date", founded },
                         { "ar_info", "نادٍ لكرة القدم تأسس عام " + team.years },
                         { "en_info", "A football club founded in " + team.years },
                         { "age", std::to_string(2024 - founded) },
                         { "image", image("team", team.id, team.enName, team.arName) },
                         { "country", country(team.country) },
                         { "socialMedia", socialMedia(team.id, team.enName) } } } };
    }

    Json team(const SampleTeam &t, bool withClub) const
    {
        Json json{ { "object", "Team" },
                   { "id", t.id },
                   { "ar_name", t.arName },
                   { "en_name", t.enName },
                   { "ar_nickname", t.arNickname },
                   { "en_nickname", t.enNickname },
                   { "sports", "football" },
                   { "team_type", "club" },
                   { "years", t.years },
                   { "matches_count", t.matchesCount },
                   { "country", country(t.country) },
                   { "image", image("team", t.id, t.enName, t.arName) } };
        if (withClub)
            json["club"] = club(t);
        return json;
    }

    Json nationalTeam(int countryIndex) const
    {
        const SampleCountry &c = m_season.countries[static_cast<std::size_t>(countryIndex)];
        const std::string name = trimmed(c.enName);
        return Json{ { "object", "Team" },
                     { "id", sampleIdentifier("national-team", countryIndex) },
                     { "ar_name", "منتخب " + c.arName },
                     { "en_name", name + " National Team" },
                     { "ar_nickname", c.arNickname },
                     { "en_nickname", c.enNickname },
                     { "sports", "football" },
                     { "team_type", "national" },
                     { "image", image("country", c.id, name, c.arName) } };
    }

    Json player(const SamplePlayer &p, const SampleTeam &t) const
    {
        const SamplePosition &position = m_season.positions[static_cast<std::size_t>(p.position)];
        const SampleCountry &c = m_season.countries[static_cast<std::size_t>(p.country)];
        const bool academy = p.age <= 21;
        Json json{ { "object", "Player" },
                   { "locale", "en" },
                   { "id", p.id },
                   { "ar_name", p.arName },
                   { "en_name", p.enName },
                   { "ar_nickname", nullptr },
                   { "en_nickname", nullptr },
                   { "ar_info", position.arName + " من " + c.arName },
                   { "en_info", position.enName + " from " + trimmed(c.enName) },
                   { "birth_date", p.birthDate },
                   { "is_international", p.isInternational },
                   { "is_retired", 0 },
                   { "retired_year", nullptr },
                   { "shirt_number", p.shirtNumber },
                   { "national_shirt_number", p.nationalShirtNumber },
                   { "market_value", p.marketValue },
                   { "death_date", nullptr },
                   { "weight", static_cast<double>(p.weight) },
                   { "height", static_cast<double>(p.height) },
                   { "ar_job_after_retired", nullptr },
                   { "en_job_after_retired", nullptr },
                   { "active_mobile_app", p.matches % 3 == 0 ? 1 : 0 },
                   { "academy_year",
                     academy ? Json(std::to_string(2024 - p.age + 12)) : Json(nullptr) },
                   { "matches", p.matches },
                   { "age", p.age },
                   { "current_status", "active" },
                   { "country", country(p.country) },
                   { "image", image("player", p.id, p.enName, p.arName) },
                   { "socialMedia", socialMedia(p.id, p.enName) },
                   { "position",
                     { { "data",
                         { { "object", "Position" },
                           { "id", position.id },
                           { "ar_name", position.arName },
                           { "en_name", position.enName } } } } },
                   { "currentTeam", { { "data", team(t, false) } } },
                   { "nationalTeam", { { "data", nationalTeam(p.country) } } },
                   { "portrait", image("player", p.id, p.enName, p.arName) },
                   { "assists", p.assists } };
        if (academy)
            json["academy"] = Json::object();
        return json;
    }

    static Json meta(std::size_t total)
    {
        return Json{ { "include", Json::array({ "country", "image" }) },
                     { "custom", Json::array() },
                     { "pagination",
                       { { "total", total },
                         { "count", total },
                         { "per_page", 50 },
                         { "current_page", 1 },
                         { "total_pages", 1 },
                         { "links", Json::object() } } } };
    }

private:
    // A stable small number per identifier, so nested records get their own stable ids.
    static int indexOf(const std::string &id)
    {
        std::uint32_t value = 0;
        for (unsigned char c : id)
            value = (value * 31u + c) & 0x3FFFFFFFu;
        return static_cast<int>(value);
    }

    const SampleSeason &m_season;
    std::string m_base;
};

std::string dump(const Json &json)
{
    return json.dump(-1, ' ', false, Json::error_handler_t::strict);
}

} // namespace

SampleAnswers::SampleAnswers(const SampleSeason &season, std::string baseUrl)
{
    const Builder builder(season, std::move(baseUrl));
    Json teams = Json::array();
    for (const SampleTeam &team : season.teams) {
        teams.push_back(builder.team(team, true));
        Json players = Json::array();
        for (const SamplePlayer &player : team.players)
            players.push_back(builder.player(player, team));
        const std::size_t count = players.size();
        m_teamPlayers.emplace(
                team.id,
                dump(Json{ { "data", std::move(players) }, { "meta", Builder::meta(count) } }));
    }
    const std::size_t count = teams.size();
    m_seasonTeams = dump(Json{ { "data", std::move(teams) }, { "meta", Builder::meta(count) } });
}

const std::string *SampleAnswers::teamPlayers(const std::string &teamId) const
{
    const auto found = m_teamPlayers.find(teamId);
    return found == m_teamPlayers.end() ? nullptr : &found->second;
}

std::string loginReplyBody(const std::string &accessToken, const std::string &refreshToken)
{
    return dump(Json{ { "token_type", "Bearer" },
                      { "expires_in", 86400 },
                      { "access_token", accessToken },
                      { "refresh_token", refreshToken } });
}

std::string errorBody(std::string_view message)
{
    return dump(Json{ { "message", std::string(message) } });
}

} // namespace lanterncrest
