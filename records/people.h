#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "platform/coding/coding.h"
#include "platform/export.h"
#include "records/envelopes.h"
#include "records/presence_mark.h"
#include "records/team.h"

namespace lanterncrest {

// Only marks that a person has an academy.
using Academy = PresenceMark<struct AcademyTag>;

// One person, player or coach, as the service sends it. It is read leniently: a member that
// is missing, null or unreadable is absent and costs nothing else; only a value that is not an
// object fails. A host can decode and encode it.
struct LANTERNCREST_EXPORT People
{
    std::optional<std::string> object;
    std::optional<std::string> locale;
    std::optional<std::string> id;
    std::optional<std::string> ar_name;
    std::optional<std::string> en_name;
    std::optional<std::string> ar_nickname;
    std::optional<std::string> en_nickname;
    std::optional<std::string> ar_info;
    std::optional<std::string> en_info;
    std::optional<std::string> birth_date;
    std::optional<std::int64_t> is_international;
    std::optional<std::int64_t> is_retired;
    std::optional<std::string> retired_year;
    std::optional<std::int64_t> shirt_number;
    std::optional<std::int64_t> national_shirt_number; // the number the screens show
    std::optional<std::string> market_value;
    std::optional<std::string> death_date;
    std::optional<float> weight;
    std::optional<float> height;
    std::optional<std::string> ar_job_after_retired;
    std::optional<std::string> en_job_after_retired;
    std::optional<std::int64_t> active_mobile_app;
    std::optional<std::string> academy_year;
    std::optional<std::int64_t> matches;
    std::optional<std::int64_t> age;
    std::optional<std::string> current_status;
    std::optional<Country> country;
    std::optional<Image> image;
    std::optional<SocialMedia> socialMedia;
    std::optional<Position> position;
    std::optional<CurrentTeam> currentTeam;
    std::optional<NationalTeam> nationalTeam;
    std::optional<Portrait> portrait;
    std::optional<Academy> academy;
    std::optional<std::int64_t> assists;

    // The keys in reading and writing order; `age` comes after `portrait`.
    enum class CodingKeys {
        object,
        locale,
        id,
        ar_name,
        en_name,
        ar_nickname,
        en_nickname,
        ar_info,
        en_info,
        birth_date,
        is_international,
        is_retired,
        retired_year,
        shirt_number,
        national_shirt_number,
        market_value,
        death_date,
        weight,
        height,
        ar_job_after_retired,
        en_job_after_retired,
        active_mobile_app,
        academy_year,
        matches,
        current_status,
        country,
        image,
        socialMedia,
        position,
        currentTeam,
        nationalTeam,
        portrait,
        age,
        academy,
        assists
    };
    static constexpr auto codingFields()
    {
        using P = People;
        return std::tuple{ Field{ "object", &P::object },
                           Field{ "locale", &P::locale },
                           Field{ "id", &P::id },
                           Field{ "ar_name", &P::ar_name },
                           Field{ "en_name", &P::en_name },
                           Field{ "ar_nickname", &P::ar_nickname },
                           Field{ "en_nickname", &P::en_nickname },
                           Field{ "ar_info", &P::ar_info },
                           Field{ "en_info", &P::en_info },
                           Field{ "birth_date", &P::birth_date },
                           Field{ "is_international", &P::is_international },
                           Field{ "is_retired", &P::is_retired },
                           Field{ "retired_year", &P::retired_year },
                           Field{ "shirt_number", &P::shirt_number },
                           Field{ "national_shirt_number", &P::national_shirt_number },
                           Field{ "market_value", &P::market_value },
                           Field{ "death_date", &P::death_date },
                           Field{ "weight", &P::weight },
                           Field{ "height", &P::height },
                           Field{ "ar_job_after_retired", &P::ar_job_after_retired },
                           Field{ "en_job_after_retired", &P::en_job_after_retired },
                           Field{ "active_mobile_app", &P::active_mobile_app },
                           Field{ "academy_year", &P::academy_year },
                           Field{ "matches", &P::matches },
                           Field{ "current_status", &P::current_status },
                           Field{ "country", &P::country },
                           Field{ "image", &P::image },
                           Field{ "socialMedia", &P::socialMedia },
                           Field{ "position", &P::position },
                           Field{ "currentTeam", &P::currentTeam },
                           Field{ "nationalTeam", &P::nationalTeam },
                           Field{ "portrait", &P::portrait },
                           Field{ "age", &P::age },
                           Field{ "academy", &P::academy },
                           Field{ "assists", &P::assists } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }
    static constexpr DecodingRule decodingRule = DecodingRule::lenient;

    static bool decode(const Decoder &decoder, People &out);
    void encode(Encoder &encoder) const;

    bool operator==(const People &) const = default;
};

} // namespace lanterncrest
