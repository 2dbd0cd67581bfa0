#pragma once

// Players for the profile screen's tests: the members its header shows, each optional.

#include <optional>
#include <string>

#include "records/people.h"

namespace lanterncrest::test {

struct ProfileSpec {
    std::optional<std::string> id;
    std::optional<std::string> enName;
    std::optional<std::string> arName;
    std::optional<std::int64_t> number;
    std::optional<std::string> positionEn;
    std::optional<std::string> positionAr;
    std::optional<std::string> photo;        // image.data.path
    std::optional<std::string> countryImage; // country.data.image.data.thumb
};

inline People makeProfile(const ProfileSpec& spec)
{
    People player;
    player.id = spec.id;
    player.en_name = spec.enName;
    player.ar_name = spec.arName;
    player.national_shirt_number = spec.number;
    if (spec.positionEn || spec.positionAr) {
        PositionData position;
        position.en_name = spec.positionEn;
        position.ar_name = spec.positionAr;
        player.position = Position{position};
    }
    if (spec.photo) {
        ImageData photo;
        photo.path = spec.photo;
        player.image = Image{photo};
    }
    if (spec.countryImage) {
        ImageData flag;
        flag.thumb = spec.countryImage;
        CountryData country;
        country.image = Image{flag};
        player.country = Country{country};
    }
    return player;
}

} // namespace lanterncrest::test
