#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include <simdjson.h>

#include "platform/coding/coding_key.h"
#include "platform/coding/decode_budget.h"
#include "platform/coding/decoding_error.h"
#include "platform/export.h"

namespace lanterncrest {

template<CodingKey K>
class KeyedDecodingContainer;
class SingleValueDecodingContainer;

// One step of the way to the value being decoded. Steps live on the stack of the decoding
// calls, so a path costs nothing until an error has to name it, and a step taken by a read
// that has ended (a swallowed lenient read included) is gone from every later path.
struct CodingPathNode
{
    const CodingPathNode *parent = nullptr;
    std::string_view key; // a member's key text; empty for a list position
    std::size_t index = 0;
    bool isIndex = false;
};

// A position in a parsed document: the value, the path to it, and where a failure is described.
// Errors are returned as false; when the decoder collects errors, the failure is also described
// in its DecodingError. Inside a lenient read nothing collects, so a bad value costs only a
// comparison of JSON kinds: no exception, no allocation, no text. The document's budget, when
// it has one, is shared by every decoder below the root, lenient ones included.
class LANTERNCREST_EXPORT Decoder
{
public:
    Decoder(simdjson::dom::element value, const CodingPathNode *path, DecodingError *errors,
            DecodeBudget *budget = nullptr) noexcept
        : m_value(value),
          m_path(path),
          m_errors(errors),
          m_budget(budget)
    {
    }

    const simdjson::dom::element &value() const noexcept { return m_value; }
    const CodingPathNode *pathNode() const noexcept { return m_path; }
    bool collectsErrors() const noexcept { return m_errors != nullptr; }

    // The decoder of a value below this one, reached by `step`.
    Decoder child(simdjson::dom::element value, const CodingPathNode *step) const noexcept
    {
        return Decoder(value, step, m_errors, m_budget);
    }
    // The same value, read by someone who will discard any failure.
    Decoder discardingErrors() const noexcept
    {
        return Decoder(m_value, m_path, nullptr, m_budget);
    }

    // Room in the document's budget for `count` values of `size` bytes, taken before they are
    // built; false when they do not fit. The document describes that failure itself, once.
    bool takeFromBudget(std::size_t count, std::size_t size) const noexcept
    {
        return m_budget == nullptr || m_budget->take(count, size);
    }

    std::vector<CodingPathComponent> codingPath() const;

    // The value as an object keyed by K; no container (and a failure) when it is not an object.
    template<CodingKey K>
    std::optional<KeyedDecodingContainer<K>> container() const;
    SingleValueDecodingContainer singleValueContainer() const noexcept;

    // Each describes a failure of this value, when errors are collected, and returns false.
    // `expected` names what was asked for: "a string", "an object"...
    bool typeMismatch(std::string_view expected) const
    {
        if (m_errors != nullptr) {
            report(DecodingError::Kind::typeMismatch, expected, {});
        }
        return false;
    }
    bool valueNotFound(std::string_view expected) const
    {
        if (m_errors != nullptr) {
            report(DecodingError::Kind::valueNotFound, expected, {});
        }
        return false;
    }
    bool numberDoesNotFit(std::string_view expected) const
    {
        if (m_errors != nullptr) {
            report(DecodingError::Kind::dataCorrupted, expected, {});
        }
        return false;
    }
    bool keyNotFound(std::string_view key) const
    {
        if (m_errors != nullptr) {
            report(DecodingError::Kind::keyNotFound, {}, key);
        }
        return false;
    }
    // A value of another kind than `expected` fails as a type mismatch, null as a missing value.
    bool wrongKind(std::string_view expected) const
    {
        return m_value.is_null() ? valueNotFound(expected) : typeMismatch(expected);
    }

private:
    [[gnu::cold]] void report(DecodingError::Kind kind, std::string_view expected,
                              std::string_view key) const;

    simdjson::dom::element m_value;
    const CodingPathNode *m_path;
    DecodingError *m_errors;
    DecodeBudget *m_budget;
};

namespace coding_detail {

// Decodes `out` from the decoder's value; defined in decodable.h.
template<class T>
bool decodeValue(const Decoder &decoder, T &out);

} // namespace coding_detail

} // namespace lanterncrest
