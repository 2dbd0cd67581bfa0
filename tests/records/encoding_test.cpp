// Re-encoding: only present members, in coding-key order, floats in their shortest text.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "records/answers.h"
#include "records/coach.h"

namespace lanterncrest {
namespace {

template <class T>
std::string reencode(const char* json) {
  const DecodeResult<T> result = JSONDecoder::decode<T>(json);
  EXPECT_TRUE(result.ok()) << json;
  return result.ok() ? JSONEncoder::encodeToString(result.value()) : std::string();
}

TEST(Encoding, WritesPresentMembersInKeyOrder) {
  const struct {
    std::string (*reencode)(const char*);
    const char* json;
    const char* expected;
  } cases[] = {
      {reencode<People>, "{}", "{}"},
      {reencode<People>, R"({"assists":2,"academy":1,"age":30,"portrait":{},"matches":9,"id":"p"})",
       R"({"id":"p","matches":9,"portrait":{},"age":30,"academy":{},"assists":2})"},
      {reencode<People>, R"({"id":7,"en_name":null,"shirt_number":"10","weight":72.35,"height":180})",
       R"({"weight":72.35,"height":180.0})"},
      {reencode<TeamData>, R"({"club":{},"image":{},"country":{},"matches_count":3,"object":"team"})",
       R"({"object":"team","matches_count":3,"country":{},"image":{},"club":{}})"},
      {reencode<PlayerCoaches>, R"({"data":[{"mins":"270","goals":1,"coach":null}]})",
       R"({"data":[{"goals":1,"mins":"270"}]})"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.reencode(c.json), c.expected);
  }
}

TEST(Encoding, EveryFloatSurvivesARoundTripInItsShortestText) {
  EXPECT_EQ(JSONEncoder::encodeToString(72.35f), "72.35");
  EXPECT_EQ(JSONEncoder::encodeToString(std::numeric_limits<float>::max()), "3.4028235e+38");
  for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 7919) {  // all finite floats, subnormals too
    for (const float value : {std::bit_cast<float>(bits), -std::bit_cast<float>(bits)}) {
      const std::string text = JSONEncoder::encodeToString(value);
      const DecodeResult<float> back = JSONDecoder::decode<float>(text);
      ASSERT_TRUE(back.ok()) << text;
      ASSERT_EQ(back.value(), value) << text;
    }
  }
}

}  // namespace
}  // namespace lanterncrest
