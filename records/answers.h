#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/coding/coding.h"
#include "records/people.h"
#include "records/presence_mark.h"
#include "records/team.h"

namespace lanterncrest {

// Only marks that a paging block had links.
using Links = PresenceMark<struct LinksTag>;

struct Pagination
{
    std::optional<std::int64_t> total;
    std::optional<std::int64_t> count;
    std::optional<std::int64_t> per_page;
    std::optional<std::int64_t> current_page;
    std::optional<std::int64_t> total_pages;
    std::optional<Links> links;

    enum class CodingKeys { total, count, per_page, current_page, total_pages, links };
    static constexpr auto codingFields()
    {
        using P = Pagination;
        return std::tuple{ Field{ "total", &P::total },
                           Field{ "count", &P::count },
                           Field{ "per_page", &P::per_page },
                           Field{ "current_page", &P::current_page },
                           Field{ "total_pages", &P::total_pages },
                           Field{ "links", &P::links } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const Pagination &) const = default;
};

// The paging block the service sends beside a list; read, never used.
struct PlayerMeta
{
    std::optional<std::vector<std::string>> include;
    std::optional<std::vector<std::string>> custom;
    std::optional<Pagination> pagination;

    enum class CodingKeys { include, custom, pagination };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "include", &PlayerMeta::include },
                           Field{ "custom", &PlayerMeta::custom },
                           Field{ "pagination", &PlayerMeta::pagination } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const PlayerMeta &) const = default;
};

// The answer listing the teams of a season. Read strictly: one bad value in any team fails it.
struct SeasonTeams
{
    std::optional<std::vector<TeamData>> data;
    std::optional<PlayerMeta> meta;

    enum class CodingKeys { data, meta };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "data", &SeasonTeams::data },
                           Field{ "meta", &SeasonTeams::meta } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const SeasonTeams &) const = default;
};

// The answer listing a team's squad. A player's bad member costs only that member; an
// element that is not an object fails the answer.
struct PlayerList
{
    std::optional<std::vector<People>> data;

    enum class CodingKeys { data };
    static constexpr auto codingFields()
    {
        return std::tuple{ Field{ "data", &PlayerList::data } };
    }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const PlayerList &) const = default;
};

} // namespace lanterncrest
