#pragma once

// Players, teams and languages for the squad screen's tests.

#include "records/people.h"

#include <QStringList>
#include <optional>
#include <string>

#include "platform/foundation/user_defaults.h"

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
