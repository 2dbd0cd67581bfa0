#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/coding/coding.h"
#include "platform/export.h"
#include "records/answers.h"
#include "records/people.h"

namespace lanterncrest {

// A coach as a person with the service's paging block. Read strictly; the leniency of the
// person starts inside "data".
struct CoachData
{
    std::optional<People> data;
    std::optional<PlayerMeta> meta;

    enum class CodingKeys { data, meta };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "data", &CoachData::data }, Field{ "meta", &CoachData::meta } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const CoachData &) const = default;
};

// One coach entry with the coach's figures; `mins` is text.
struct Coach
{
    std::optional<CoachData> coach;
    std::optional<std::int64_t> matches;
    std::optional<std::int64_t> goals;
    std::optional<std::string> mins;

    enum class CodingKeys { coach, matches, goals, mins };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "coach", &Coach::coach }, Field{ "matches", &Coach::matches },
                           Field{ "goals", &Coach::goals }, Field{ "mins", &Coach::mins } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const Coach &) const = default;
};

// The coaches answer. Read strictly: one bad entry fails it. A host can decode and encode it.
struct LANTERNCREST_EXPORT PlayerCoaches
{
    std::optional<std::vector<Coach>> data;

    enum class CodingKeys { data };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "data", &PlayerCoaches::data } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    static bool decode(const Decoder &decoder, PlayerCoaches &out);
    void encode(Encoder &encoder) const;

    bool operator==(const PlayerCoaches &) const = default;
};

} // namespace lanterncrest
