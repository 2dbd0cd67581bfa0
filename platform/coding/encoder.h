#pragma once

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/coding/coding_key.h"
#include "platform/export.h"

namespace lanterncrest {

class Encoder;
template <CodingKey K>
class KeyedEncodingContainer;
class SingleValueEncodingContainer;

namespace coding_detail {
// Writes `value` into the encoder's target; defined in encodable.h.
template <class T>
void encodeValue(Encoder& encoder, const T& value);
}  // namespace coding_detail

// A place in the JSON being written. Writing cannot fail: every value the records hold has a
// JSON form, and texts decoded from a document are valid UTF-8.
class LANTERNCREST_EXPORT Encoder {
 public:
  explicit Encoder(nlohmann::ordered_json& target) noexcept : target_(&target) {}

  // The target as an object keyed by K; an object with nothing written stays {}.
  template <CodingKey K>
  KeyedEncodingContainer<K> container();
  SingleValueEncodingContainer singleValueContainer() noexcept;

  nlohmann::ordered_json& target() noexcept { return *target_; }

 private:
  nlohmann::ordered_json* target_;
};

class LANTERNCREST_EXPORT SingleValueEncodingContainer {
 public:
  explicit SingleValueEncodingContainer(nlohmann::ordered_json& target) noexcept : target_(&target) {}

  void encodeNil() { *target_ = nullptr; }
  void encode(const std::string& value) { *target_ = value; }
  void encode(std::int64_t value) { *target_ = value; }
  // Written so that its text is the float's shortest round-trip form: 72.35, not 72.3499984741211.
  void encode(float value);

  template <class T>
  void encode(const T& value) {
    Encoder encoder(*target_);
    coding_detail::encodeValue(encoder, value);
  }

 private:
  nlohmann::ordered_json* target_;
};

// Members are written in the order they are asked for; an absent one writes nothing.
template <CodingKey K>
class KeyedEncodingContainer {
 public:
  explicit KeyedEncodingContainer(nlohmann::ordered_json& object) noexcept : object_(&object) {}

  template <class T>
  void encode(const T& value, K key) {
    Encoder member((*object_)[std::string(stringValue(key))]);
    coding_detail::encodeValue(member, value);
  }

  // Writes the value under the key when there is one; neither the key nor null otherwise.
  template <class Slot>
  void encodeIfPresent(const Slot& value, K key) {
    if (value) {
      encode(*value, key);
    }
  }

 private:
  nlohmann::ordered_json* object_;
};

template <CodingKey K>
KeyedEncodingContainer<K> Encoder::container() {
  if (!target_->is_object()) {
    *target_ = nlohmann::ordered_json::object();
  }
  return KeyedEncodingContainer<K>(*target_);
}

inline SingleValueEncodingContainer Encoder::singleValueContainer() noexcept {
  return SingleValueEncodingContainer(*target_);
}

}  // namespace lanterncrest
