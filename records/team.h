#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "platform/coding/coding.h"
#include "records/envelopes.h"

namespace lanterncrest {

struct SponsorData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> link;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> created_at;
    std::optional<std::string> updated_at;
    std::optional<Image> image;

    enum class CodingKeys { object, id, link, ar_name, en_name, created_at, updated_at, image };
    static constexpr auto codingFields()
    {
        using S = SponsorData;
        return std::tuple{ Field{ "object", &S::object },
                           Field{ "id", &S::id },
                           Field{ "link", &S::link },
                           Field{ "ar_name", &S::ar_name },
                           Field{ "en_name", &S::en_name },
                           Field{ "created_at", &S::created_at },
                           Field{ "updated_at", &S::updated_at },
                           Field{ "image", &S::image } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const SponsorData &) const = default;
};

using Sponsor = Envelope<SponsorData, struct SponsorTag>;

struct ClubData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> ar_old_name;
    std::optional<std::string> en_old_name;
    std::optional<std::string> ar_address;
    std::optional<std::string> en_address;
    std::optional<std::string> phone;
    std::optional<std::string> email;
    std::optional<std::string> full_foundation_date;
    std::optional<std::int64_t> foundation_date;
    std::optional<std::string> ar_info;
    std::optional<std::string> en_info;
    std::optional<std::string> age; // text, unlike a person's age
    std::optional<Image> image;
    std::optional<Country> country;
    std::optional<SocialMedia> socialMedia;
    std::optional<Sponsor> sponsor;

    enum class CodingKeys {
        object,
        id,
        ar_name,
        en_name,
        ar_old_name,
        en_old_name,
        ar_address,
        en_address,
        phone,
        email,
        full_foundation_date,
        foundation_date,
        ar_info,
        en_info,
        age,
        image,
        country,
        socialMedia,
        sponsor
    };
    static constexpr auto codingFields()
    {
        using C = ClubData;
        return std::tuple{ Field{ "object", &C::object },
                           Field{ "id", &C::id },
                           Field{ "ar_name", &C::ar_name },
                           Field{ "en_name", &C::en_name },
                           Field{ "ar_old_name", &C::ar_old_name },
                           Field{ "en_old_name", &C::en_old_name },
                           Field{ "ar_address", &C::ar_address },
                           Field{ "en_address", &C::en_address },
                           Field{ "phone", &C::phone },
                           Field{ "email", &C::email },
                           Field{ "full_foundation_date", &C::full_foundation_date },
                           Field{ "foundation_date", &C::foundation_date },
                           Field{ "ar_info", &C::ar_info },
                           Field{ "en_info", &C::en_info },
                           Field{ "age", &C::age },
                           Field{ "image", &C::image },
                           Field{ "country", &C::country },
                           Field{ "socialMedia", &C::socialMedia },
                           Field{ "sponsor", &C::sponsor } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const ClubData &) const = default;
};

using Club = Envelope<ClubData, struct ClubTag>;

// One team of a season, or a person's current or national team.
struct TeamData
{
    std::optional<std::string> object;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> ar_nickname;
    std::optional<std::string> en_nickname;
    std::optional<std::string> sports;
    std::optional<std::string> team_type;
    std::optional<std::string> years;
    std::optional<std::int64_t> matches_count;
    std::optional<Country> country;
    std::optional<Image> image;
    std::optional<Club> club;

    enum class CodingKeys {
        object,
        id,
        ar_name,
        en_name,
        ar_nickname,
        en_nickname,
        sports,
        team_type,
        years,
        matches_count,
        country,
        image,
        club
    };
    static constexpr auto codingFields()
    {
        using T = TeamData;
        return std::tuple{ Field{ "object", &T::object },
                           Field{ "id", &T::id },
                           Field{ "ar_name", &T::ar_name },
                           Field{ "en_name", &T::en_name },
                           Field{ "ar_nickname", &T::ar_nickname },
                           Field{ "en_nickname", &T::en_nickname },
                           Field{ "sports", &T::sports },
                           Field{ "team_type", &T::team_type },
                           Field{ "years", &T::years },
                           Field{ "matches_count", &T::matches_count },
                           Field{ "country", &T::country },
                           Field{ "image", &T::image },
                           Field{ "club", &T::club } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const TeamData &) const = default;
};

// Both carry a TeamData and differ only in name.
using CurrentTeam = Envelope<TeamData, struct CurrentTeamTag>;
using NationalTeam = Envelope<TeamData, struct NationalTeamTag>;

} // namespace lanterncrest
