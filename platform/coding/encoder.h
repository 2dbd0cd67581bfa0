#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/coding/coding_key.h"
#include "platform/export.h"

namespace lanterncrest {

class Encoder;
template<CodingKey K>
class KeyedEncodingContainer;
class SingleValueEncodingContainer;

namespace coding_detail {
// Writes `value` into the encoder's target; defined in encodable.h.
template<class T>
void encodeValue(Encoder &encoder, const T &value);
} // namespace coding_detail

// A place in the JSON being written. Writing cannot fail: every value the records hold has a
// JSON form, and texts decoded from a document are valid UTF-8.
class LANTERNCREST_EXPORT Encoder
{
public:
    explicit Encoder(nlohmann::ordered_json &target) noexcept : m_target(&target) { }

    // The target as an object keyed by K; an object with nothing written stays {}.
    template<CodingKey K>
    KeyedEncodingContainer<K> container();
    SingleValueEncodingContainer singleValueContainer() noexcept;

    nlohmann::ordered_json &target() noexcept { return *m_target; }

private:
    nlohmann::ordered_json *m_target;
};

class LANTERNCREST_EXPORT SingleValueEncodingContainer
{
public:
    explicit SingleValueEncodingContainer(nlohmann::ordered_json &target) noexcept
        : m_target(&target)
    {
    }

    void encodeNil() { *m_target = nullptr; }
    void encode(const std::string &value) { *m_target = value; }
    void encode(std::int64_t value) { *m_target = value; }
    // Written so that its text is the float's shortest round-trip form: 72.35,
    // not 72.3499984741211.
    void encode(float value);

    template<class T>
    void encode(const T &value)
    {
        Encoder encoder(*m_target);
        coding_detail::encodeValue(encoder, value);
    }

private:
    nlohmann::ordered_json *m_target;
};

// Members are written in the order they are asked for; an absent one writes nothing.
template<CodingKey K>
class KeyedEncodingContainer
{
public:
    explicit KeyedEncodingContainer(nlohmann::ordered_json &object) noexcept : m_object(&object) { }

    template<class T>
    void encode(const T &value, K key)
    {
        Encoder member((*m_object)[std::string(stringValue(key))]);
        coding_detail::encodeValue(member, value);
    }

    // Writes the value under the key when there is one; neither the key nor null otherwise.
    template<class Slot>
    void encodeIfPresent(const Slot &value, K key)
    {
        if (value) {
            encode(*value, key);
        }
    }

private:
    nlohmann::ordered_json *m_object;
};

template<CodingKey K>
KeyedEncodingContainer<K> Encoder::container()
{
    if (!m_target->is_object()) {
        *m_target = nlohmann::ordered_json::object();
    }
    return KeyedEncodingContainer<K>(*m_target);
}

inline SingleValueEncodingContainer Encoder::singleValueContainer() noexcept
{
    return SingleValueEncodingContainer(*m_target);
}

} // namespace lanterncrest
