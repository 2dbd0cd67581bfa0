// Texts, 64-bit integers and 32-bit floats: no conversion between kinds, no silent rounding,
// read strictly (top-level values) and leniently (as a member of a person) by the same rule.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "records/people.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

// Strictly `json` gives `expected` or fails with `failure`; as the person's `key` it gives
// `expected` or is absent while the person still decodes.
template<class T>
void expectRule(const char *json, const char *key, std::optional<T> People::*member,
                const std::optional<T> &expected, Kind failure)
{
    const DecodeResult<T> strict = JSONDecoder::decode<T>(json);
    const DecodeResult<People> person =
            JSONDecoder::decode<People>(std::string(R"({")") + key + R"(":)" + json + "}");
    ASSERT_TRUE(person.ok()) << json;
    EXPECT_EQ(person.value().*member, expected) << json;
    if (expected) {
        ASSERT_TRUE(strict.ok()) << json << ": " << strict.error().description();
        EXPECT_EQ(strict.value(), *expected) << json;
    } else {
        ASSERT_FALSE(strict.ok()) << json;
        EXPECT_EQ(strict.error().kind(), failure) << json << ": " << strict.error().description();
    }
}

constexpr Kind corrupted = Kind::dataCorrupted;
constexpr Kind mismatch = Kind::typeMismatch;
constexpr Kind missing = Kind::valueNotFound;

TEST(NumberRules, Integers)
{
    const struct
    {
        const char *json;
        std::optional<std::int64_t> value;
        Kind failure = corrupted;
    } cases[] = { { "7", 7 },
                  { "-7", -7 },
                  { "7.0", 7 },
                  { "1E2", 100 },
                  { "9223372036854775807", std::numeric_limits<std::int64_t>::max() },
                  { "-9223372036854775808", std::numeric_limits<std::int64_t>::min() },
                  { "7.5", {} },
                  { "9223372036854775808", {} },
                  { "18446744073709551615", {} },
                  { "-1e19", {} },
                  { R"("7")", {}, mismatch },
                  { "true", {}, mismatch },
                  { "[7]", {}, mismatch },
                  { "null", {}, missing } };
    for (const auto &c : cases) {
        expectRule<std::int64_t>(c.json, "shirt_number", &People::shirt_number, c.value, c.failure);
    }
}

TEST(NumberRules, Floats)
{
    const struct
    {
        const char *json;
        std::optional<float> value;
        Kind failure = corrupted;
    } cases[] = { { "72.5", 72.5f },
                  { "72.35", 72.35f },
                  { "180", 180.0f },
                  { "3.4028235e38", std::numeric_limits<float>::max() },
                  { "1e-400", 0.0f },
                  { "1e40", {} },
                  { "-1e40", {} },
                  { "3.40282357e38", {} },
                  { R"("72.5")", {}, mismatch },
                  { "false", {}, mismatch },
                  { "null", {}, missing } };
    for (const auto &c : cases) {
        expectRule<float>(c.json, "weight", &People::weight, c.value, c.failure);
    }
}

TEST(NumberRules, Texts)
{
    const struct
    {
        const char *json;
        std::optional<std::string> value;
        Kind failure = mismatch;
    } cases[] = { { R"("10")", "10" },
                  { R"("a\u0000b")", std::string("a\0b", 3) },
                  { R"("\u0645")", "\xd9\x85" },
                  { "10", {} },
                  { "true", {} },
                  { "{}", {} },
                  { "null", {}, missing } };
    for (const auto &c : cases) {
        expectRule<std::string>(c.json, "id", &People::id, c.value, c.failure);
    }
}

TEST(NumberRules, FailuresNameTheNumber)
{
    EXPECT_EQ(JSONDecoder::decode<std::int64_t>("9223372036854775808").error().debugDescription(),
              "The number 9223372036854775808 does not fit in a 64-bit integer.");
    EXPECT_EQ(JSONDecoder::decode<float>("1e40").error().debugDescription(),
              "The number 1e+40 does not fit in a 32-bit float.");
}

} // namespace
} // namespace lanterncrest
