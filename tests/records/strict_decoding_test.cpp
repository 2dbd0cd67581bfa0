// Strict records: a wrong-kind value anywhere fails the whole answer, and the error names the
// first faulty member in member order with its coding path.
#include <gtest/gtest.h>

#include <string>

#include "records/answers.h"
#include "records/coach.h"
#include "tests/support/empty_records.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

template<class T>
std::optional<DecodingError> failureOf(const char *json)
{
    DecodeResult<T> result = JSONDecoder::decode<T>(json);
    return result.ok() ? std::nullopt : std::optional(result.error());
}

TEST(StrictDecoding, FirstFaultInMemberOrderFailsTheAnswer)
{
    constexpr auto teams = failureOf<SeasonTeams>;
    constexpr auto coaches = failureOf<PlayerCoaches>;
    const struct
    {
        std::optional<DecodingError> (*decode)(const char *);
        const char *json;
        Kind kind;
        const char *path;
    } cases[] = {
        { teams, "[]", Kind::typeMismatch, "" },
        { teams, R"({"data":[{},null]})", Kind::valueNotFound, "data[1]" },
        { teams, R"({"data":[{"id":"a"},{"matches_count":"3"}]})", Kind::typeMismatch,
          "data[1].matches_count" },
        { teams, R"({"data":[{"matches_count":2.5}]})", Kind::dataCorrupted,
          "data[0].matches_count" },
        { teams, R"({"data":[{"years":1990,"id":7}]})", Kind::typeMismatch, "data[0].id" },
        { teams, R"({"data":[{"club":{"data":{"country":1,"image":2}}}]})", Kind::typeMismatch,
          "data[0].club.data.image" },
        { teams, R"({"data":[{"image":2,"country":1}]})", Kind::typeMismatch, "data[0].country" },
        { teams,
          R"({"data":[{"club":{"data":{"sponsor":{"data":{"image":{"data":{"thumb":1}}}}}}}]})",
          Kind::typeMismatch, "data[0].club.data.sponsor.data.image.data.thumb" },
        { teams, R"({"meta":3,"data":[{"id":4}]})", Kind::typeMismatch, "data[0].id" },
        { teams, R"({"meta":{"include":["a",null]}})", Kind::valueNotFound, "meta.include[1]" },
        { coaches, R"({"data":[{"mins":"9"},{"mins":270}]})", Kind::typeMismatch, "data[1].mins" },
        { coaches, R"({"data":[{"coach":{"data":{"id":1},"meta":{"pagination":7}}}]})",
          Kind::typeMismatch, "data[0].coach.meta.pagination" },
    };
    for (const auto &c : cases) {
        const std::optional<DecodingError> error = c.decode(c.json);
        ASSERT_TRUE(error) << c.json;
        EXPECT_EQ(error->kind(), c.kind) << error->description();
        EXPECT_EQ(error->codingPathText(), c.path) << error->description();
    }
    EXPECT_EQ(
            teams(R"({"data":[{"id":true}]})")->description(),
            "typeMismatch at data[0].id: Expected to decode a string but found a boolean instead.");
}

TEST(JSONDecoderTest, InvalidJSONIsDataCorruptedAtTheRoot)
{
    for (const char *bytes : { "", "{", R"({"data":[],})", "{} x", "\xEF\xBB", R"({"id":"\xC3"})",
                               "1e400", "\xEF\xBB\xBF\xEF\xBB\xBF{}" }) {
        const DecodeResult<PlayerList> result = JSONDecoder::decode<PlayerList>(bytes);
        ASSERT_FALSE(result.ok()) << bytes;
        EXPECT_EQ(result.error().kind(), Kind::dataCorrupted) << bytes;
        EXPECT_TRUE(result.error().description().starts_with(
                "dataCorrupted at the root: The given data was not valid JSON"));
    }
}

// An answer whose records would take more than the budget fails as a whole, also when what
// overflows it sits inside a player's lenient member, where other failures are swallowed.
TEST(JSONDecoderTest, RecordsPastTheDecodingBudgetFailTheWholeDocument)
{
    using test::listAnswer, test::recordsPastTheBudget;
    const std::size_t squadFillingTheBudget = recordsPastTheBudget<People>() - 1;
    const struct
    {
        const char *name;
        std::string json;
        std::optional<DecodingError> (*decode)(const char *);
    } cases[] = {
        { "empty players", listAnswer(recordsPastTheBudget<People>()), failureOf<PlayerList> },
        { "empty teams", listAnswer(recordsPastTheBudget<TeamData>()), failureOf<SeasonTeams> },
        { "players with positions past it",
          listAnswer(squadFillingTheBudget, R"({"position":{"data":{}}})"), failureOf<PlayerList> },
    };
    for (const auto &c : cases) {
        const std::optional<DecodingError> error = c.decode(c.json.c_str());
        ASSERT_TRUE(error) << c.name;
        EXPECT_EQ(error->kind(), Kind::dataCorrupted) << c.name;
        EXPECT_TRUE(error->description().starts_with("dataCorrupted at the root: The given data "
                                                     "would take more than"))
                << c.name << ": " << error->description();
    }
}

} // namespace
} // namespace lanterncrest
