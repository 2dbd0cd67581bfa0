// Re-encoding: only present members, in coding-key order, floats in their shortest text.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "records/answers.h"
#include "records/coach.h"

namespace lanterncrest {
namespace {

template <class T>
std::string reencode(const char* json) {
  const DecodeResult<T> result = JSONDecoder::decode<T>(json);
  EXPECT_TRUE(result.ok()) << json << ": " << (result.ok() ? "" : result.error().description());
  return result.ok() ? JSONEncoder::encodeToString(result.value()) : std::string();
}

struct Reencoding {
  const char* name;
  std::string (*reencode)(const char*);
  const char* json;
  const char* expected;
};

class ReencodingTest : public testing::TestWithParam<Reencoding> {};

TEST_P(ReencodingTest, WritesWhatDecodedInKeyOrder) {
  EXPECT_EQ(GetParam().reencode(GetParam().json), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ReencodingTest,
    testing::Values(
        Reencoding{"EmptyPerson", reencode<People>, "{}", "{}"},
        Reencoding{"AgeAfterPortraitAssistsLast", reencode<People>,
                   R"({"assists":2,"academy":1,"age":30,"portrait":{},"current_status":"fit","matches":9,"id":"p"})",
                   R"({"id":"p","matches":9,"current_status":"fit","portrait":{},"age":30,"academy":{},"assists":2})"},
        Reencoding{"ZeroAndEmptyTextAreWritten", reencode<People>, R"({"en_name":"","shirt_number":0})",
                   R"({"en_name":"","shirt_number":0})"},
        Reencoding{"BadNullAndUnknownLeftOut", reencode<People>,
                   R"({"id":7,"en_name":null,"logo":"x","shirt_number":"10","weight":72.35,"height":180})",
                   R"({"weight":72.35,"height":180.0})"},
        Reencoding{"EnvelopeWithEmptyData", reencode<People>, R"({"position":{"data":null,"x":1}})",
                   R"({"position":{}})"},
        Reencoding{"TeamOnlyId", reencode<TeamData>, R"({"years":null,"id":"t"})", R"({"id":"t"})"},
        Reencoding{"TeamMemberOrder", reencode<TeamData>,
                   R"({"club":{},"image":{},"country":{},"matches_count":3,"years":"1990","object":"team"})",
                   R"({"object":"team","years":"1990","matches_count":3,"country":{},"image":{},"club":{}})"},
        Reencoding{"ClubImageBeforeCountry", reencode<ClubData>, R"({"sponsor":{},"country":{},"image":{}})",
                   R"({"image":{},"country":{},"sponsor":{}})"},
        Reencoding{"PaginationOnlyCount", reencode<Pagination>, R"({"count":4})", R"({"count":4})"},
        Reencoding{"LinksAsEmptyObject", reencode<Pagination>, R"({"links":[1,2]})", R"({"links":{}})"},
        Reencoding{"CoachesEmptyObject", reencode<PlayerCoaches>, "{}", "{}"},
        Reencoding{"CoachesEmptyList", reencode<PlayerCoaches>, R"({"data":[]})", R"({"data":[]})"},
        Reencoding{"CoachesOneEmptyEntry", reencode<PlayerCoaches>, R"({"data":[{}],"meta":{}})",
                   R"({"data":[{}]})"},
        Reencoding{"CoachWithoutCoach", reencode<PlayerCoaches>,
                   R"({"data":[{"mins":"270","goals":1,"matches":3,"coach":null}]})",
                   R"({"data":[{"matches":3,"goals":1,"mins":"270"}]})"},
        Reencoding{"CoachDataOrder", reencode<CoachData>, R"({"meta":{},"data":{}})", R"({"data":{},"meta":{}})"},
        Reencoding{"SeasonTeamsOrder", reencode<SeasonTeams>, R"({"meta":{"custom":[]},"data":[{}]})",
                   R"({"data":[{}],"meta":{"custom":[]}})"},
        Reencoding{"SocialMediaKeepsUnderscores", reencode<SocailMediaData>,
                   R"({"ar_name":"x","web_site":"w","wiki_fr":"f","en_name":"e","wiki_en":"n"})",
                   R"({"wiki_en":"n","en_name":"e","wiki_fr":"f","web_site":"w"})"}),
    [](const testing::TestParamInfo<Reencoding>& info) { return std::string(info.param.name); });

TEST(Encoding, FloatsUseTheirShortestRoundTripText) {
  const struct {
    const char* json;
    const char* text;
  } cases[] = {{"72.35", "72.35"}, {"0.1", "0.1"},       {"180", "180.0"},
               {"1e-45", "1e-45"}, {"-2.5", "-2.5"},     {"3.4028234e38", "3.4028235e+38"}};
  for (const auto& c : cases) {
    const DecodeResult<float> value = JSONDecoder::decode<float>(c.json);
    ASSERT_TRUE(value.ok()) << c.json;
    const std::string text = JSONEncoder::encodeToString(value.value());
    EXPECT_EQ(JSONDecoder::decode<float>(text).value(), value.value()) << c.json;
    EXPECT_EQ(text, c.text);
  }
}

TEST(Encoding, EveryFloatSurvivesARoundTrip) {
  // A spread of bit patterns over all finite floats, subnormals included.
  for (std::uint64_t bits = 1; bits < 0x7F800000u; bits += 7919) {
    for (const float value : {std::bit_cast<float>(static_cast<std::uint32_t>(bits)),
                              -std::bit_cast<float>(static_cast<std::uint32_t>(bits))}) {
      const std::string text = JSONEncoder::encodeToString(value);
      const DecodeResult<float> back = JSONDecoder::decode<float>(text);
      ASSERT_TRUE(back.ok()) << text;
      ASSERT_EQ(back.value(), value) << text;
    }
  }
}

TEST(Encoding, ADecodedAnswerDecodesAgainToAnEqualRecord) {
  const char* json =
      R"({"data":[{"id":"t","matches_count":-4,"club":{"data":{"foundation_date":1920,)"
      R"("sponsor":{"data":{"image":{"data":{"thumb":"s.png"}}}},"socialMedia":{"data":{"wiki":"w"}}}},)"
      R"("country":{"data":{"continent":{"data":{"icon":"i"}},"image":{"data":{"path":"p"}}}}}],)"
      R"("meta":{"include":["a"],"pagination":{"total":1,"links":{}}}})";
  const DecodeResult<SeasonTeams> first = JSONDecoder::decode<SeasonTeams>(json);
  ASSERT_TRUE(first.ok());
  const DecodeResult<SeasonTeams> second = JSONDecoder::decode<SeasonTeams>(JSONEncoder::encodeToString(first.value()));
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.value(), first.value());
}

TEST(Encoding, TextKeepsEveryByte) {
  const DecodeResult<People> person = JSONDecoder::decode<People>(R"({"en_name":"a\u0000\"\\\n\u0645"})");
  ASSERT_TRUE(person.ok());
  EXPECT_EQ(JSONEncoder::encodeToString(person.value()), R"({"en_name":"a\u0000\"\\\n)" "\xd9\x85" R"("})");
}

}  // namespace
}  // namespace lanterncrest
