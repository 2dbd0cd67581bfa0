// Built against the shared library only, as a host application would be.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/coach.h"
#include "records/people.h"
#include "records/safe_process.h"

namespace {

using lanterncrest::DecodeResult;
using lanterncrest::JSONDecoder;
using lanterncrest::JSONEncoder;

TEST(HostCoding, DecodesAndEncodesAPerson) {
  const DecodeResult<lanterncrest::People> person =
      JSONDecoder::decode<lanterncrest::People>(R"({"id":"p","shirt_number":"10","weight":72.35,"x":1})");
  ASSERT_TRUE(person.ok());
  EXPECT_EQ(JSONEncoder::encodeToString(person.value()), R"({"id":"p","weight":72.35})");
  EXPECT_FALSE(JSONDecoder::decode<lanterncrest::People>("[]").ok());
}

TEST(HostCoding, DecodesAndEncodesCoaches) {
  const DecodeResult<lanterncrest::PlayerCoaches> coaches =
      JSONDecoder::decode<lanterncrest::PlayerCoaches>(R"({"data":[{"mins":"90","coach":{"data":{"id":1}}}]})");
  ASSERT_TRUE(coaches.ok());
  EXPECT_EQ(JSONEncoder::encodeToString(coaches.value()), R"({"data":[{"coach":{"data":{}},"mins":"90"}]})");
  const auto failed = JSONDecoder::decode<lanterncrest::PlayerCoaches>(R"({"data":[{"mins":90}]})");
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.error().description(),
            "typeMismatch at data[0].mins: Expected to decode a string but found a number instead.");
}

// A host's own record, read leniently with the exported containers.
struct Badge {
  std::optional<std::string> label;
  std::optional<std::int64_t> level;
  enum class CodingKeys { label, level };
  friend constexpr auto codingKeyTexts(CodingKeys) { return std::array<std::string_view, 2>{"label", "level"}; }

  static bool decode(const lanterncrest::Decoder& decoder, Badge& out) {
    const auto container = decoder.container<CodingKeys>();
    if (!container) {
      return false;
    }
    out.label = container->decodeSafelyIfPresent(CodingKeys::label);
    out.level = container->decodeSafelyIfPresent<std::int64_t>(CodingKeys::level);
    return true;
  }
};

TEST(HostCoding, ReadsItsOwnRecordLeniently) {
  const auto badge = JSONDecoder::decode<Badge>(R"({"label":"gold","level":"3"})");
  ASSERT_TRUE(badge.ok());
  EXPECT_EQ(badge.value().label, "gold");
  EXPECT_EQ(badge.value().level, std::nullopt);
  EXPECT_EQ(JSONDecoder::decode<lanterncrest::SafeProcess<Badge>>("7").value().value().has_value(), false);
  EXPECT_EQ(JSONDecoder::decode<Badge>("[]").error().kind(), lanterncrest::DecodingError::Kind::typeMismatch);
}

}  // namespace
