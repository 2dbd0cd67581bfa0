#pragma once

#include <tuple>

#include "platform/coding/coding.h"

namespace lanterncrest {

// A record with no members that only says its key held something: decoding reads nothing
// and accepts any value, encoding writes {}. A null or missing key leaves the holder's member
// absent, as for any member.
template<class Tag>
struct PresenceMark
{
    PresenceMark() = default;
    explicit PresenceMark(const Decoder &) noexcept { }

    enum class CodingKeys {};
    static constexpr auto codingFields() { return std::tuple<>{}; }
    friend constexpr auto codingKeyTexts(CodingKeys) { return fieldTexts(codingFields()); }

    bool operator==(const PresenceMark &) const = default;
};

} // namespace lanterncrest
