#pragma once

#include <cstddef>
#include <string>

#include "platform/coding/decode_budget.h"

namespace lanterncrest::test {

// {"data":[R,R,...]}: `count` times the record text R, "{}" unless given.
inline std::string listAnswer(std::size_t count, const std::string &record = "{}")
{
    std::string json = R"({"data":[)";
    json.reserve(json.size() + count * (record.size() + 1) + 2);
    for (std::size_t i = 0; i < count; ++i) {
        json += i > 0 ? "," : "";
        json += record;
    }
    return json + "]}";
}

// The fewest records of type Record whose list alone takes more than the decoding budget.
template<class Record>
constexpr std::size_t recordsPastTheBudget()
{
    return maximumDecodedBytes / sizeof(Record) + 1;
}

} // namespace lanterncrest::test
