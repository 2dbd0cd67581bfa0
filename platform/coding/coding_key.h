#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace lanterncrest {

// A record's coding keys: an enumeration whose cases, in order, are its members' JSON keys.
// The texts come from a hidden friend `codingKeyTexts(CodingKeys)` declared beside the enum,
// so the key table lives with the record it belongs to.
template<class K>
concept CodingKey = std::is_enum_v<K> && requires(K key)
{
    { codingKeyTexts(key) };
};

template<CodingKey K>
inline constexpr auto codingKeyTable = codingKeyTexts(K{});

template<CodingKey K>
inline constexpr std::size_t codingKeyCount = codingKeyTable<K>.size();

// The key's text: what is looked up in, and written to, a JSON object.
template<CodingKey K>
constexpr std::string_view stringValue(K key)
{
    return codingKeyTable<K>[static_cast<std::size_t>(key)];
}

// Keys of this kind have no integer form.
template<CodingKey K>
constexpr std::optional<int> intValue(K)
{
    return std::nullopt;
}

template<CodingKey K>
constexpr std::optional<K> keyFromInt(int)
{
    return std::nullopt;
}

// How a key shows itself in a message: CodingKeys(stringValue: "age", intValue: nil).
template<CodingKey K>
std::string codingKeyDescription(K key)
{
    return "CodingKeys(stringValue: \"" + std::string(stringValue(key)) + "\", intValue: nil)";
}

namespace coding_detail {

// A cheap hash of a key text: keys of one record differ in length or in their first,
// middle or last letter almost always, and the table probes on for the rest.
constexpr std::uint32_t keyHash(std::string_view text)
{
    std::uint32_t h = static_cast<std::uint32_t>(text.size());
    if (!text.empty()) {
        h = h * 31 + static_cast<unsigned char>(text.front());
        h = h * 31 + static_cast<unsigned char>(text[text.size() / 2]);
        h = h * 31 + static_cast<unsigned char>(text.back());
    }
    return h * 0x9E3779B1u;
}

// Key texts are a few bytes long: comparing them in line, a word at a time with a last
// overlapping word, beats both a call to memcmp and a loop over bytes.
constexpr bool sameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    const std::size_t n = a.size();
    if (std::is_constant_evaluated() || n < 8) {
        for (std::size_t i = 0; i < n; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }
    const auto word = [](const char *p) {
        std::uint64_t w;
        std::memcpy(&w, p, sizeof w);
        return w;
    };
    for (std::size_t i = 0; i + 8 < n; i += 8) {
        if (word(a.data() + i) != word(b.data() + i)) {
            return false;
        }
    }
    return word(a.data() + n - 8) == word(b.data() + n - 8);
}

// An open-addressing table from key text to key position, built at compile time from the
// fixed table of texts; a slot holds the position plus one, zero marks an empty slot.
template<std::size_t N>
struct KeyIndex
{
    static constexpr std::size_t size = std::bit_ceil(N * 4 + 4);
    static_assert(N < 255, "a record has fewer than 255 keys");
    std::array<std::uint8_t, size> table{};

    constexpr explicit KeyIndex(const std::array<std::string_view, N> &texts)
    {
        for (std::size_t i = 0; i < N; ++i) {
            std::size_t slot = keyHash(texts[i]) & (size - 1);
            while (table[slot] != 0) {
                slot = (slot + 1) & (size - 1);
            }
            table[slot] = static_cast<std::uint8_t>(i + 1);
        }
    }

    // The position of the first key whose text equals `text`, or N when there is none.
    constexpr std::size_t find(std::string_view text,
                               const std::array<std::string_view, N> &texts) const
    {
        std::size_t slot = keyHash(text) & (size - 1);
        while (table[slot] != 0) {
            const std::size_t position = table[slot] - 1u;
            if (sameText(texts[position], text)) {
                return position;
            }
            slot = (slot + 1) & (size - 1);
        }
        return N;
    }
};

template<CodingKey K>
inline constexpr KeyIndex<codingKeyCount<K>> keyIndex{ codingKeyTable<K> };

} // namespace coding_detail

// The key whose text equals `text` exactly (whole text, case-sensitive), or no key.
template<CodingKey K>
constexpr std::optional<K> keyFromString(std::string_view text)
{
    const std::size_t position = coding_detail::keyIndex<K>.find(text, codingKeyTable<K>);
    if (position == codingKeyCount<K>) {
        return std::nullopt;
    }
    return static_cast<K>(position);
}

// One member of a record: its JSON key and the member it is read into and written from.
template<class Member>
struct Field
{
    std::string_view key;
    Member member;
};
template<class Member>
Field(std::string_view, Member) -> Field<Member>; // for compilers without aggregate deduction

// The key texts of a record's field table, in order: what a record's `codingKeyTexts` returns.
template<class... Fields>
constexpr auto fieldTexts(const std::tuple<Fields...> &fields)
{
    return std::apply(
            [](const auto &...field) {
                return std::array<std::string_view, sizeof...(Fields)>{ field.key... };
            },
            fields);
}

} // namespace lanterncrest
