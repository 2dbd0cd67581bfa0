#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/coding/boxed.h"
#include "platform/coding/decoder.h"
#include "platform/coding/keyed_decoding_container.h"
#include "platform/coding/single_value_decoding_container.h"

// What can be decoded, and how:
// - std::string, std::int64_t and float, by the single-value rules;
// - std::vector<T> of any of these, from a JSON array whose every element decodes;
// - a type constructed from a Decoder, whose decoding never fails (SafeProcess, Academy);
// - a type with `static bool decode(const Decoder&, T& out)`, which decodes itself;
// - a record with `CodingKeys` and a `codingFields()` table, read member by member: strictly
//   (the first member that fails fails the record) or, with
//   `static constexpr DecodingRule decodingRule = DecodingRule::lenient`, leniently (each
//   member through decodeSafelyIfPresent; only a value that is not an object fails).
namespace lanterncrest {

enum class DecodingRule { strict, lenient };

namespace coding_detail {

template<class T>
struct IsVector : std::false_type
{
};
template<class T, class A>
struct IsVector<std::vector<T, A>> : std::true_type
{
};

template<class T>
struct SlotValue;
template<class T>
struct SlotValue<std::optional<T>>
{
    using type = T;
};
template<class T>
struct SlotValue<Boxed<T>>
{
    using type = T;
};

template<class T>
concept ConstructedByDecoder =
        !std::is_aggregate_v<T> && std::is_constructible_v<T, const Decoder &>;

template<class T>
concept SelfDecoding = requires(const Decoder &decoder, T &out)
{
    {
        T::decode(decoder, out)
        } -> std::same_as<bool>;
};

template<class T>
concept CodableRecord = requires
{
    typename T::CodingKeys;
    T::codingFields();
};

template<class T>
constexpr DecodingRule decodingRuleOf()
{
    if constexpr (requires { T::decodingRule; }) {
        return T::decodingRule;
    } else {
        return DecodingRule::strict;
    }
}

template<class T>
bool decodeRecord(const Decoder &decoder, T &out)
{
    using K = typename T::CodingKeys;
    const std::optional<KeyedDecodingContainer<K>> container = decoder.container<K>();
    if (!container) {
        return false;
    }
    static constexpr auto fields = T::codingFields();
    return [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        if constexpr (decodingRuleOf<T>() == DecodingRule::lenient) {
            (container->decodeSafelyIfPresent(out.*(std::get<I>(fields).member), static_cast<K>(I)),
             ...);
            return true;
        } else {
            return (container->decodeIfPresent(out.*(std::get<I>(fields).member), static_cast<K>(I))
                    && ...);
        }
    }
    (std::make_index_sequence<std::tuple_size_v<decltype(fields)>>{});
}

template<class T, class A>
bool decodeList(const Decoder &decoder, std::vector<T, A> &out)
{
    const simdjson::dom::element &value = decoder.value();
    if (value.type() != simdjson::dom::element_type::ARRAY) {
        return decoder.wrongKind("an array");
    }
    const simdjson::dom::array array = value.get_array().value_unsafe();
    out.clear();
    if (!decoder.takeFromBudget(array.size(), sizeof(T))) {
        return false;
    }
    out.reserve(array.size());
    std::size_t index = 0;
    for (const simdjson::dom::element element : array) {
        const CodingPathNode step{ decoder.pathNode(), {}, index++, true };
        const Decoder elementDecoder = decoder.child(element, &step);
        if constexpr (ConstructedByDecoder<T>) {
            out.emplace_back(elementDecoder);
        } else if (!decodeValue(elementDecoder, out.emplace_back())) {
            return false;
        }
    }
    return true;
}

template<class T>
bool decodeValue(const Decoder &decoder, T &out)
{
    if constexpr (
            std::is_same_v<
                    T,
                    std::string> || std::is_same_v<T, std::int64_t> || std::is_same_v<T, float>) {
        return SingleValueDecodingContainer(decoder).decode(out);
    } else if constexpr (IsVector<T>::value) {
        return decodeList(decoder, out);
    } else if constexpr (ConstructedByDecoder<T>) {
        out = T(decoder);
        return true;
    } else if constexpr (SelfDecoding<T>) {
        return T::decode(decoder, out);
    } else if constexpr (CodableRecord<T>) {
        return decodeRecord(decoder, out);
    } else {
        static_assert(sizeof(T) == 0, "this type cannot be decoded");
    }
}

template<class T>
bool decodeInPlace(const Decoder &decoder, T &out)
{
    return decodeValue(decoder, out);
}

template<class Slot>
bool decodeIntoSlot(const Decoder &decoder, Slot &slot)
{
    using T = typename SlotValue<Slot>::type;
    if constexpr (std::is_same_v<Slot, Boxed<T>>) { // only a boxed payload takes room of its own
        if (!decoder.takeFromBudget(1, sizeof(T))) {
            slot.reset();
            return false;
        }
    }
    if constexpr (std::is_same_v<T, std::string>) { // built straight from the text: the commonest
                                                    // member
        std::string_view text;
        if (SingleValueDecodingContainer(decoder).decode(text)) {
            slot.emplace(text);
            return true;
        }
        slot.reset();
        return false;
    } else if constexpr (ConstructedByDecoder<T>) {
        slot.emplace(decoder);
        return true;
    } else {
        if (decodeValue(decoder, slot.emplace())) {
            return true;
        }
        slot.reset();
        return false;
    }
}

} // namespace coding_detail
} // namespace lanterncrest
