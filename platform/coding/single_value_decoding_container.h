#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/coding/decoder.h"

namespace lanterncrest {

// One value read as a whole, by the strict rules of the JSON decoder: nothing is converted
// between strings, numbers and booleans; a 64-bit integer comes only from a number with an
// exact integral value in range; a 32-bit float from any number within the float's range.
// It reads through its decoder, which must outlive it.
class SingleValueDecodingContainer
{
public:
    explicit SingleValueDecodingContainer(const Decoder &decoder) noexcept : m_decoder(decoder) { }

    // True when the value is null.
    bool decodeNil() const noexcept { return m_decoder.value().is_null(); }

    // The text as it stands in the parsed document, valid as long as the document is.
    bool decode(std::string_view &out) const
    {
        const auto &value = m_decoder.value();
        if (value.type() != simdjson::dom::element_type::STRING) {
            return m_decoder.wrongKind("a string");
        }
        out = value.get_string().value_unsafe();
        return true;
    }

    bool decode(std::string &out) const
    {
        std::string_view text;
        if (!decode(text)) {
            return false;
        }
        out.assign(text);
        return true;
    }

    bool decode(std::int64_t &out) const
    {
        constexpr double twoTo63 = 9223372036854775808.0;
        const auto &value = m_decoder.value();
        switch (value.type()) {
        case simdjson::dom::element_type::INT64:
            out = value.get_int64().value_unsafe();
            return true;
        case simdjson::dom::element_type::UINT64: // above the signed range, never wrapped
            return m_decoder.numberDoesNotFit("a 64-bit integer");
        case simdjson::dom::element_type::DOUBLE: { // 7.0 and 1e2 are integers, 7.5 is not
            const double number = value.get_double().value_unsafe();
            if (number >= -twoTo63 && number < twoTo63 && std::trunc(number) == number) {
                out = static_cast<std::int64_t>(number);
                return true;
            }
            return m_decoder.numberDoesNotFit("a 64-bit integer");
        }
        default:
            return m_decoder.wrongKind("a 64-bit integer");
        }
    }

    bool decode(float &out) const
    {
        const auto &value = m_decoder.value();
        double number = 0;
        switch (value.type()) {
        case simdjson::dom::element_type::INT64:
            number = static_cast<double>(value.get_int64().value_unsafe());
            break;
        case simdjson::dom::element_type::UINT64:
            number = static_cast<double>(value.get_uint64().value_unsafe());
            break;
        case simdjson::dom::element_type::DOUBLE:
            number = value.get_double().value_unsafe();
            break;
        default:
            return m_decoder.wrongKind("a 32-bit float");
        }
        // In range when it rounds to a finite float: below FLT_MAX plus half its spacing, so the
        // shortest text of FLT_MAX (3.4028235e38) reads back, and 1e40 never becomes infinity.
        constexpr double firstBeyondRange = 0x1.ffffffp+127;
        if (!(std::fabs(number) < firstBeyondRange)) {
            return m_decoder.numberDoesNotFit("a 32-bit float");
        }
        out = static_cast<float>(number);
        return true;
    }

    // Records, lists and any other decodable type.
    template<class T>
    bool decode(T &out) const
    {
        return coding_detail::decodeValue(m_decoder, out);
    }

private:
    const Decoder &m_decoder;
};

inline SingleValueDecodingContainer Decoder::singleValueContainer() const noexcept
{
    return SingleValueDecodingContainer(*this);
}

} // namespace lanterncrest
