#pragma once

// Players, teams and languages for the squad screen's tests.

#include "records/people.h"

#include <QByteArray>
#include <QStringList>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/user_defaults.h"
#include "screens/teams/season_teams_view_controller_delegate.h"

namespace lanterncrest::test {

struct PlayerSpec {
    std::optional<std::string> id;
    std::optional<std::string> enName;
    std::optional<std::string> arName;
    std::optional<std::int64_t> number;
    std::optional<std::string> country;  // English name
    std::optional<std::string> thumb;
    std::optional<std::string> positionEn;
    std::optional<std::string> positionAr;
};

inline People makePlayer(const PlayerSpec& spec)
{
    People player;
    player.id = spec.id;
    player.en_name = spec.enName;
    player.ar_name = spec.arName;
    player.national_shirt_number = spec.number;
    if (spec.country) {
        CountryData data;
        data.en_name = spec.country;
        player.country = Country{data};
    }
    if (spec.thumb) {
        ImageData data;
        data.thumb = spec.thumb;
        player.image = Image{data};
    }
    if (spec.positionEn || spec.positionAr) {
        PositionData data;
        data.en_name = spec.positionEn;
        data.ar_name = spec.positionAr;
        player.position = Position{data};
    }
    return player;
}

// The service's answer for a squad: {"data": [...]} with each player as the service sends it.
inline QByteArray squadJson(const std::vector<PlayerSpec>& players)
{
    nlohmann::json data = nlohmann::json::array();
    for (const PlayerSpec& spec : players) {
        nlohmann::json player = nlohmann::json::object();
        const auto put = [](nlohmann::json& object, const char* key, const auto& value) {
            if (value)
                object[key] = *value;
        };
        put(player, "id", spec.id);
        put(player, "en_name", spec.enName);
        put(player, "ar_name", spec.arName);
        put(player, "national_shirt_number", spec.number);
        if (spec.country)
            player["country"]["data"]["en_name"] = *spec.country;
        if (spec.thumb)
            player["image"]["data"]["thumb"] = *spec.thumb;
        if (spec.positionEn || spec.positionAr) {
            player["position"]["data"] = nlohmann::json::object();
            put(player["position"]["data"], "en_name", spec.positionEn);
            put(player["position"]["data"], "ar_name", spec.positionAr);
        }
        data.push_back(player);
    }
    return QByteArray::fromStdString(nlohmann::json{{"data", data}}.dump());
}

// The host's receiver of player actions; the tests only follow where it is handed.
class HostDelegate : public SeasonTeamsViewControllerDelegate {
public:
    void viewPosts(const QString&) override {}
    void fololow(const QString&) override {}
};

// Sets the preferred languages for one test and takes them away again.
class PreferredLanguage {
public:
    explicit PreferredLanguage(const QString& language)
    {
        UserDefaults::standard().set(UserDefaults::appleLanguagesKey, QStringList{language});
    }
    ~PreferredLanguage() { UserDefaults::standard().removeObject(UserDefaults::appleLanguagesKey); }
    PreferredLanguage(const PreferredLanguage&) = delete;
    PreferredLanguage& operator=(const PreferredLanguage&) = delete;
};

} // namespace lanterncrest::test
