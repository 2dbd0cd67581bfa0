#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "platform/coding/encodable.h"
#include "platform/export.h"

namespace lanterncrest {

// Encodes a value as JSON: members in coding-key order, absent members left out, floats in
// their shortest round-trip text.
class LANTERNCREST_EXPORT JSONEncoder
{
public:
    template<class T>
    static nlohmann::ordered_json encode(const T &value)
    {
        nlohmann::ordered_json json;
        Encoder encoder(json);
        coding_detail::encodeValue(encoder, value);
        return json;
    }

    template<class T>
    static std::string encodeToString(const T &value)
    {
        return dump(encode(value));
    }

    // Compact text of a JSON value. Never throws: a text that is not valid UTF-8 (which no
    // decoded value can hold) is written with replacement characters.
    static std::string dump(const nlohmann::ordered_json &json);
};

} // namespace lanterncrest
