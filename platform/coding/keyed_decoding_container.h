#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/coding/coding_key.h"
#include "platform/coding/decoder.h"

namespace lanterncrest {

namespace coding_detail {
// Decodes a new value into `slot` (a std::optional or a Boxed); an empty slot after a failure.
template <class Slot>
bool decodeIntoSlot(const Decoder& decoder, Slot& slot);
template <class T>
bool decodeInPlace(const Decoder& decoder, T& out);
}  // namespace coding_detail

template <CodingKey K>
class LenientRead;

// An object read by the keys K. The object's members are looked up once, when the container
// is made, so each read is an array access; keys the record does not know are ignored, and of
// a key given twice the first value counts.
template <CodingKey K>
class KeyedDecodingContainer {
 public:
  static constexpr std::size_t keyCount = codingKeyCount<K>;
  static_assert(keyCount <= 64, "presence is kept in one 64-bit mask");

  KeyedDecodingContainer(const Decoder& decoder, simdjson::dom::object object) noexcept : decoder_(decoder) {
    // The service writes a record's keys in one fixed order, mostly ours: the key after the
    // last one found is tried first, and the table only when that guess fails.
    std::size_t next = 0;
    for (const simdjson::dom::key_value_pair field : object) {
      std::size_t position = next;
      if (position >= keyCount || !coding_detail::sameText(codingKeyTable<K>[position], field.key)) {
        position = coding_detail::keyIndex<K>.find(field.key, codingKeyTable<K>);
      }
      next = position + 1;
      if (position < keyCount && !has(position)) {
        values_[position] = field.value;
        present_ |= std::uint64_t{1} << position;
      }
    }
  }

  // True when the object has the key, whatever its value (null included).
  bool contains(K key) const noexcept { return has(position(key)); }

  // A missing key or null leaves `out` absent and succeeds; any other value must decode as
  // the slot's type, or the read fails.
  template <class Slot>
  bool decodeIfPresent(Slot& out, K key) const {
    out.reset();
    if (absentOrNull(key)) {
      return true;
    }
    const CodingPathNode step{decoder_.pathNode(), stringValue(key)};
    return coding_detail::decodeIntoSlot(decoder_.child(values_[position(key)], &step), out);
  }

  // The key is required: a missing key fails as keyNotFound, null as valueNotFound.
  template <class T>
  bool decode(T& out, K key) const {
    if (!contains(key)) {
      return decoder_.keyNotFound(stringValue(key));
    }
    const CodingPathNode step{decoder_.pathNode(), stringValue(key)};
    return coding_detail::decodeInPlace(decoder_.child(values_[position(key)], &step), out);
  }

  // The lenient read: the value under the key when it decodes as T; absent when the key is
  // missing, null or holds anything that does not decode (any failure inside a nested record
  // included). It never fails, and the discarded failure is never described.
  template <class Slot>
  void decodeSafelyIfPresent(Slot& out, K key) const {
    out.reset();
    if (absentOrNull(key)) {
      return;
    }
    const CodingPathNode step{decoder_.pathNode(), stringValue(key)};
    const Decoder silent(values_[position(key)], &step, nullptr);
    coding_detail::decodeIntoSlot(silent, out);
  }

  // The lenient read with the type named: `decodeSafelyIfPresent<std::string>(key)`.
  template <class T>
  std::optional<T> decodeSafelyIfPresent(K key) const {
    std::optional<T> value;
    decodeSafelyIfPresent(value, key);
    return value;
  }

  // The lenient read with the type taken from what the result is assigned to:
  // `member = container.decodeSafelyIfPresent(key);` where member is a std::optional<T>.
  LenientRead<K> decodeSafelyIfPresent(K key) const noexcept { return LenientRead<K>(*this, key); }

  const Decoder& decoder() const noexcept { return decoder_; }

 private:
  static constexpr std::size_t position(K key) noexcept { return static_cast<std::size_t>(key); }
  bool has(std::size_t position) const noexcept { return (present_ >> position) & 1u; }
  bool absentOrNull(K key) const noexcept { return !has(position(key)) || values_[position(key)].is_null(); }

  Decoder decoder_;
  std::array<simdjson::dom::element, keyCount> values_{};
  std::uint64_t present_ = 0;
};

// The result of a lenient read whose type is the one it is converted to.
template <CodingKey K>
class LenientRead {
 public:
  LenientRead(const KeyedDecodingContainer<K>& container, K key) noexcept : container_(container), key_(key) {}

  template <class T>
  operator std::optional<T>() const {
    return container_.template decodeSafelyIfPresent<T>(key_);
  }

 private:
  const KeyedDecodingContainer<K>& container_;
  K key_;
};

template <CodingKey K>
std::optional<KeyedDecodingContainer<K>> Decoder::container() const {
  if (value_.type() != simdjson::dom::element_type::OBJECT) {
    wrongKind("an object");
    return std::nullopt;
  }
  return std::optional<KeyedDecodingContainer<K>>(std::in_place, *this, value_.get_object().value_unsafe());
}

}  // namespace lanterncrest
