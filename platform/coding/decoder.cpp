#include "platform/coding/decoder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace lanterncrest {
namespace {

using simdjson::dom::element_type;

std::string_view kindOf(const simdjson::dom::element &value)
{
    switch (value.type()) {
    case element_type::ARRAY:
        return "an array";
    case element_type::OBJECT:
        return "an object";
    case element_type::INT64:
    case element_type::UINT64:
    case element_type::DOUBLE:
        return "a number";
    case element_type::STRING:
        return "a string";
    case element_type::BOOL:
        return "a boolean";
    case element_type::NULL_VALUE:
        return "null";
    }
    return "an unknown value";
}

// The number as the document gave it; only digits, signs, '.', 'e' and "inf" can come out.
std::string numberText(const simdjson::dom::element &value)
{
    switch (value.type()) {
    case element_type::INT64:
        return std::to_string(value.get_int64().value_unsafe());
    case element_type::UINT64:
        return std::to_string(value.get_uint64().value_unsafe());
    case element_type::DOUBLE: {
        std::array<char, 32> buffer{};
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                value.get_double().value_unsafe());
        return error == std::errc() ? std::string(buffer.data(), end) : std::string("?");
    }
    default:
        return std::string(kindOf(value));
    }
}

} // namespace

std::vector<CodingPathComponent> Decoder::codingPath() const
{
    std::vector<CodingPathComponent> path;
    for (const CodingPathNode *step = m_path; step != nullptr; step = step->parent) {
        if (step->isIndex) {
            path.push_back({ {}, step->index });
        } else {
            path.push_back({ std::string(step->key), std::nullopt });
        }
    }
    std::reverse(path.begin(), path.end());
    return path;
}

void Decoder::report(DecodingError::Kind kind, std::string_view expected,
                     std::string_view key) const
{
    std::vector<CodingPathComponent> path = codingPath();
    std::string text;
    switch (kind) {
    case DecodingError::Kind::typeMismatch:
        text = "Expected to decode " + std::string(expected) + " but found "
                + std::string(kindOf(m_value)) + " instead.";
        break;
    case DecodingError::Kind::valueNotFound:
        text = "Expected " + std::string(expected) + " but found null instead.";
        break;
    case DecodingError::Kind::dataCorrupted:
        text = "The number " + numberText(m_value) + " does not fit in " + std::string(expected)
                + ".";
        break;
    case DecodingError::Kind::keyNotFound:
        path.push_back({ std::string(key), std::nullopt });
        text = "No value associated with the key \"" + std::string(key) + "\".";
        break;
    }
    *m_errors = DecodingError(kind, std::move(path), std::move(text));
}

} // namespace lanterncrest
