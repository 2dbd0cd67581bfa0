// What decodes, written back: only present members, in coding-key order, floats in their
// shortest text. The written text shows exactly which members and envelopes are present.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "records/answers.h"
#include "records/coach.h"

namespace lanterncrest {
namespace {

template<class T>
std::string reencode(const char *json)
{
    const DecodeResult<T> result = JSONDecoder::decode<T>(json);
    EXPECT_TRUE(result.ok()) << json;
    return result.ok() ? JSONEncoder::encodeToString(result.value()) : std::string();
}

TEST(Encoding, WritesBackOnlyWhatDecodedInKeyOrder)
{
    const struct
    {
        std::string (*reencode)(const char *);
        const char *json;
        const char *expected;
    } cases[] = {
        { reencode<People>,
          R"({"assists":2,"academy":1,"age":30,"portrait":{},"matches":9,"id":"p"})",
          R"({"id":"p","matches":9,"portrait":{},"age":30,"academy":{},"assists":2})" },
        { reencode<People>,
          R"({"id":7,"en_name":null,"shirt_number":"10","weight":72.35,"height":180})",
          R"({"weight":72.35,"height":180.0})" },
        // Null and missing are absent; an envelope whose data is null or empty is present.
        { reencode<People>,
          R"({"position":{"data":null},"country":{"data":{}},"socialMedia":null,"academy":0})",
          R"({"country":{"data":{}},"position":{},"academy":{}})" },
        { reencode<People>, R"({"academy":null,"portrait":null})", "{}" },
        // Keys match exactly, whole and case-sensitive. Each near miss also follows the key that
        // precedes its look-alike, where the look-up tries that key first. An escaped key is the
        // same key; of a key given twice the first value counts.
        { reencode<People>,
          R"({"portrait":null,"Age":3,"portrait":null,"age ":3,"retired_year":null,"shirt_numbeR":4,"image":null,)"
          R"("social_media":{},"ag":3,"":3,"age\u0000":3,"shirtNumber":4,"\u0069d":"z","en_name":"a","en_name":"b"})",
          R"({"id":"z","en_name":"a"})" },
        { reencode<TeamData>,
          R"({"club":{},"image":{},"country":{},"matches_count":3,"object":"team"})",
          R"({"object":"team","matches_count":3,"country":{},"image":{},"club":{}})" },
        { reencode<TeamData>, R"({"club":{"data":null},"image":null})", R"({"club":{}})" },
        { reencode<SeasonTeams>, R"({"data":null,"meta":null})", "{}" },
        { reencode<SeasonTeams>, R"({"data":[]})", R"({"data":[]})" },
        // A coach entry is strict, the person inside it lenient.
        { reencode<PlayerCoaches>,
          R"({"data":[{"mins":"270","goals":1,"coach":null},{"coach":{"data":{"id":5,"en_name":"Nabil"}}}]})",
          R"({"data":[{"goals":1,"mins":"270"},{"coach":{"data":{"en_name":"Nabil"}}}]})" },
        // A byte order mark before the document is skipped.
        { reencode<PlayerList>, "\xEF\xBB\xBF{\"data\":[{\"id\":\"a\"}]}",
          R"({"data":[{"id":"a"}]})" },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.reencode(c.json), c.expected);
    }
}

TEST(Encoding, EveryFloatSurvivesARoundTripInItsShortestText)
{
    EXPECT_EQ(JSONEncoder::encodeToString(std::numeric_limits<float>::max()), "3.4028235e+38");
    for (std::uint32_t bits = 1; bits < 0x7F800000u;
         bits += 7919) { // all finite floats, subnormals too
        for (const float value : { std::bit_cast<float>(bits), -std::bit_cast<float>(bits) }) {
            const std::string text = JSONEncoder::encodeToString(value);
            const DecodeResult<float> back = JSONDecoder::decode<float>(text);
            ASSERT_TRUE(back.ok()) << text;
            ASSERT_EQ(back.value(), value) << text;
        }
    }
}

} // namespace
} // namespace lanterncrest
