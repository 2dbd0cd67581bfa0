#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "platform/coding/decodable.h"
#include "platform/coding/encoder.h"

// What can be encoded mirrors what can be decoded: std::string, std::int64_t, float,
// std::vector<T>, a type with `void encode(Encoder&) const`, and a record with `CodingKeys`
// and `codingFields()`, written as an object with one write-if-present per member, in key order.
namespace lanterncrest::coding_detail {

template<class T>
concept SelfEncoding = requires(const T &value, Encoder &encoder)
{
    value.encode(encoder);
};

template<class T>
void encodeRecord(Encoder &encoder, const T &value)
{
    using K = typename T::CodingKeys;
    KeyedEncodingContainer<K> container = encoder.container<K>();
    static constexpr auto fields = T::codingFields();
    [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        (container.encodeIfPresent(value.*(std::get<I>(fields).member), static_cast<K>(I)), ...);
    }
    (std::make_index_sequence<std::tuple_size_v<decltype(fields)>>{});
}

template<class T>
void encodeValue(Encoder &encoder, const T &value)
{
    if constexpr (
            std::is_same_v<
                    T,
                    std::string> || std::is_same_v<T, std::int64_t> || std::is_same_v<T, float>) {
        encoder.singleValueContainer().encode(value);
    } else if constexpr (IsVector<T>::value) {
        nlohmann::ordered_json &array = encoder.target();
        array = nlohmann::ordered_json::array();
        for (const auto &element : value) {
            array.push_back(nullptr);
            Encoder elementEncoder(array.back());
            encodeValue(elementEncoder, element);
        }
    } else if constexpr (SelfEncoding<T>) {
        value.encode(encoder);
    } else if constexpr (CodableRecord<T>) {
        encodeRecord(encoder, value);
    } else {
        static_assert(sizeof(T) == 0, "this type cannot be encoded");
    }
}

} // namespace lanterncrest::coding_detail
