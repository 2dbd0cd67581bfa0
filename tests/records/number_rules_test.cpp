// The JSON decoder's default rules for texts, 64-bit integers and 32-bit floats, read strictly
// (top-level values) and leniently (as a member of a person).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "records/people.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

// Decodes `json` strictly as a T at the top level, and leniently as the person's `key`
// member: both give `expected`, or the strict read fails with `failure` and the member is absent.
template <class T>
void expectRule(const char* json, const char* key, std::optional<T> People::*member, const std::optional<T>& expected,
                Kind failure) {
  const DecodeResult<T> strict = JSONDecoder::decode<T>(json);
  const DecodeResult<People> person =
      JSONDecoder::decode<People>(std::string(R"({")") + key + R"(":)" + json + "}");
  ASSERT_TRUE(person.ok());
  EXPECT_EQ(person.value().*member, expected) << json;
  if (expected) {
    ASSERT_TRUE(strict.ok()) << strict.error().description();
    EXPECT_EQ(strict.value(), *expected);
  } else {
    ASSERT_FALSE(strict.ok()) << json;
    EXPECT_EQ(strict.error().kind(), failure) << strict.error().description();
  }
}

struct IntegerCase {
  const char* json;
  std::optional<std::int64_t> value;  // absent: decoding fails with `failure`
  Kind failure = Kind::dataCorrupted;
};

class IntegerRule : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerRule, StrictAndLenient) {
  expectRule<std::int64_t>(GetParam().json, "shirt_number", &People::shirt_number, GetParam().value, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IntegerRule,
    testing::Values(IntegerCase{"7", 7}, IntegerCase{"-7", -7}, IntegerCase{"7.0", 7}, IntegerCase{"1E2", 100},
                    IntegerCase{"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                    IntegerCase{"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                    IntegerCase{"7.5", std::nullopt}, IntegerCase{"-0.5", std::nullopt},
                    IntegerCase{"9223372036854775808", std::nullopt},
                    IntegerCase{"18446744073709551615", std::nullopt}, IntegerCase{"1e19", std::nullopt},
                    IntegerCase{"-1e19", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(OtherKinds, IntegerRule,
                         testing::Values(IntegerCase{R"("7")", std::nullopt, Kind::typeMismatch},
                                         IntegerCase{"true", std::nullopt, Kind::typeMismatch},
                                         IntegerCase{"[7]", std::nullopt, Kind::typeMismatch},
                                         IntegerCase{"{}", std::nullopt, Kind::typeMismatch}));

struct FloatCase {
  const char* json;
  std::optional<float> value;
  Kind failure = Kind::dataCorrupted;
};

class FloatRule : public testing::TestWithParam<FloatCase> {};

TEST_P(FloatRule, StrictAndLenient) {
  expectRule<float>(GetParam().json, "weight", &People::weight, GetParam().value, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, FloatRule,
    testing::Values(FloatCase{"72.35", 72.35f}, FloatCase{"7.5", 7.5f}, FloatCase{"180", 180.0f},
                    FloatCase{"-0.1", -0.1f}, FloatCase{"18446744073709551615", 18446744073709551615.0f},
                    FloatCase{"3.4028234e38", std::numeric_limits<float>::max()},
                    FloatCase{"3.4028235e38", std::numeric_limits<float>::max()}, FloatCase{"1e-400", 0.0f},
                    FloatCase{"3.40282357e38", std::nullopt},
                    FloatCase{"1e40", std::nullopt}, FloatCase{"-1e40", std::nullopt},
                    FloatCase{"3.5e38", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(OtherKinds, FloatRule,
                         testing::Values(FloatCase{R"("72.5")", std::nullopt, Kind::typeMismatch},
                                         FloatCase{"false", std::nullopt, Kind::typeMismatch},
                                         FloatCase{"{}", std::nullopt, Kind::typeMismatch}));

struct TextCase {
  const char* json;
  std::optional<std::string> value;
  Kind failure = Kind::typeMismatch;
};

class TextRule : public testing::TestWithParam<TextCase> {};

TEST_P(TextRule, StrictAndLenient) {
  expectRule<std::string>(GetParam().json, "id", &People::id, GetParam().value, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextRule,
    testing::Values(TextCase{R"("10")", "10"}, TextCase{R"("")", ""}, TextCase{R"(" a ")", " a "},
                    TextCase{R"("a\u0000b")", std::string("a\0b", 3)}, TextCase{R"("\u0645")", "\xd9\x85"},
                    TextCase{"10", std::nullopt}, TextCase{"true", std::nullopt}, TextCase{"[]", std::nullopt},
                    TextCase{"{}", std::nullopt}));

TEST(NumberRules, NullIsAMissingValueForEveryType) {
  EXPECT_EQ(JSONDecoder::decode<std::int64_t>("null").error().kind(), Kind::valueNotFound);
  EXPECT_EQ(JSONDecoder::decode<float>("null").error().kind(), Kind::valueNotFound);
  EXPECT_EQ(JSONDecoder::decode<std::string>("null").error().kind(), Kind::valueNotFound);
  EXPECT_EQ(JSONDecoder::decode<std::vector<std::string>>("null").error().kind(), Kind::valueNotFound);
}

TEST(NumberRules, FailureNamesTheNumberAndTheType) {
  EXPECT_EQ(JSONDecoder::decode<std::int64_t>("7.5").error().debugDescription(),
            "The number 7.5 does not fit in a 64-bit integer.");
  EXPECT_EQ(JSONDecoder::decode<std::int64_t>("9223372036854775808").error().debugDescription(),
            "The number 9223372036854775808 does not fit in a 64-bit integer.");
  EXPECT_EQ(JSONDecoder::decode<float>("1e40").error().debugDescription(),
            "The number 1e+40 does not fit in a 32-bit float.");
}

}  // namespace
}  // namespace lanterncrest
