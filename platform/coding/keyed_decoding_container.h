#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/coding/coding_key.h"
#include "platform/coding/decoder.h"

namespace lanterncrest {

namespace coding_detail {
// Decodes a new value into `slot` (a std::optional or a Boxed); an empty slot after a failure.
template<class Slot>
bool decodeIntoSlot(const Decoder &decoder, Slot &slot);
template<class T>
bool decodeInPlace(const Decoder &decoder, T &out);
} // namespace coding_detail

template<CodingKey K>
class LenientRead;

// An object read by the keys K. The object's members are looked up once, when the container
// is made, so each read is an array access; keys the record does not know are ignored, and of
// a key given twice the first value counts.
template<CodingKey K>
class KeyedDecodingContainer
{
public:
    static constexpr std::size_t keyCount = codingKeyCount<K>;
    static_assert(keyCount <= 64, "presence is kept in one 64-bit mask");

    KeyedDecodingContainer(const Decoder &decoder, simdjson::dom::object object) noexcept
        : m_decoder(decoder)
    {
        // The service writes a record's keys in one fixed order, mostly ours: the key after the
        // last one found is tried first, and the table only when that guess fails.
        std::size_t next = 0;
        for (const simdjson::dom::key_value_pair field : object) {
            std::size_t position = next;
            if (position >= keyCount
                || !coding_detail::sameText(codingKeyTable<K>[position], field.key)) {
                position = coding_detail::keyIndex<K>.find(field.key, codingKeyTable<K>);
            }
            next = position + 1;
            if (position < keyCount && !has(position)) {
                m_values[position] = field.value;
                m_present |= std::uint64_t{ 1 } << position;
            }
        }
    }

    // True when the object has the key, whatever its value (null included).
    bool contains(K key) const noexcept { return has(position(key)); }

    // A missing key or null leaves `out` absent and succeeds; any other value must decode as
    // the slot's type, or the read fails.
    template<class Slot>
    bool decodeIfPresent(Slot &out, K key) const
    {
        out.reset();
        if (absentOrNull(key)) {
            return true;
        }
        const CodingPathNode step{ m_decoder.pathNode(), stringValue(key) };
        return coding_detail::decodeIntoSlot(m_decoder.child(m_values[position(key)], &step), out);
    }

    // The key is required: a missing key fails as keyNotFound, null as valueNotFound.
    template<class T>
    bool decode(T &out, K key) const
    {
        if (!contains(key)) {
            return m_decoder.keyNotFound(stringValue(key));
        }
        const CodingPathNode step{ m_decoder.pathNode(), stringValue(key) };
        return coding_detail::decodeInPlace(m_decoder.child(m_values[position(key)], &step), out);
    }

    // The lenient read: the value under the key when it decodes as T; absent when the key is
    // missing, null or holds anything that does not decode (any failure inside a nested record
    // included). It never fails, and the discarded failure is never described.
    template<class Slot>
    void decodeSafelyIfPresent(Slot &out, K key) const
    {
        out.reset();
        if (absentOrNull(key)) {
            return;
        }
        const CodingPathNode step{ m_decoder.pathNode(), stringValue(key) };
        coding_detail::decodeIntoSlot(
                m_decoder.child(m_values[position(key)], &step).discardingErrors(), out);
    }

    // The lenient read with the type named: `decodeSafelyIfPresent<std::string>(key)`.
    template<class T>
    std::optional<T> decodeSafelyIfPresent(K key) const
    {
        std::optional<T> value;
        decodeSafelyIfPresent(value, key);
        return value;
    }

    // The lenient read with the type taken from what the result is assigned to:
    // `member = container.decodeSafelyIfPresent(key);` where member is a std::optional<T>.
    LenientRead<K> decodeSafelyIfPresent(K key) const noexcept
    {
        return LenientRead<K>(*this, key);
    }

    const Decoder &decoder() const noexcept { return m_decoder; }

private:
    static constexpr std::size_t position(K key) noexcept { return static_cast<std::size_t>(key); }
    bool has(std::size_t position) const noexcept { return (m_present >> position) & 1u; }
    bool absentOrNull(K key) const noexcept
    {
        return !has(position(key)) || m_values[position(key)].is_null();
    }

    Decoder m_decoder;
    std::array<simdjson::dom::element, keyCount> m_values{};
    std::uint64_t m_present = 0;
};

// The result of a lenient read whose type is the one it is converted to.
template<CodingKey K>
class LenientRead
{
public:
    LenientRead(const KeyedDecodingContainer<K> &container, K key) noexcept
        : m_container(container),
          m_key(key)
    {
    }

    template<class T>
    operator std::optional<T>() const
    {
        return m_container.template decodeSafelyIfPresent<T>(m_key);
    }

private:
    const KeyedDecodingContainer<K> &m_container;
    K m_key;
};

template<CodingKey K>
std::optional<KeyedDecodingContainer<K>> Decoder::container() const
{
    if (m_value.type() != simdjson::dom::element_type::OBJECT) {
        wrongKind("an object");
        return std::nullopt;
    }
    return std::optional<KeyedDecodingContainer<K>>(std::in_place, *this,
                                                    m_value.get_object().value_unsafe());
}

} // namespace lanterncrest
