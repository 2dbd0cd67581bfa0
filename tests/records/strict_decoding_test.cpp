// Strict records: a wrong-kind value anywhere fails the record and every record around it,
// and the error names the first faulty member in member order, innermost first.
#include <gtest/gtest.h>

#include <string>

#include "records/answers.h"
#include "records/coach.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

struct Failure {
  const char* name;
  const char* json;
  Kind kind;
  const char* path;
};

template <class T>
void expectFailure(const Failure& c) {
  const DecodeResult<T> result = JSONDecoder::decode<T>(c.json);
  ASSERT_FALSE(result.ok()) << c.json;
  EXPECT_EQ(result.error().kind(), c.kind) << result.error().description();
  EXPECT_EQ(result.error().codingPathText(), c.path) << result.error().description();
}

std::string caseName(const testing::TestParamInfo<Failure>& info) { return info.param.name; }

class SeasonTeamsFailure : public testing::TestWithParam<Failure> {};
TEST_P(SeasonTeamsFailure, FailsTheWholeAnswer) { expectFailure<SeasonTeams>(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Answers, SeasonTeamsFailure,
    testing::Values(
        Failure{"NotAnObject", "[]", Kind::typeMismatch, ""},
        Failure{"DataNotAList", R"({"data":{}})", Kind::typeMismatch, "data"},
        Failure{"NullTeam", R"({"data":[{},null]})", Kind::valueNotFound, "data[1]"},
        Failure{"CountAsText", R"({"data":[{"id":"a"},{"matches_count":"3"}]})", Kind::typeMismatch,
                "data[1].matches_count"},
        Failure{"CountFractional", R"({"data":[{"matches_count":2.5}]})", Kind::dataCorrupted, "data[0].matches_count"},
        Failure{"IdBeforeYears", R"({"data":[{"years":1990,"id":7}]})", Kind::typeMismatch, "data[0].id"},
        Failure{"ClubAsText", R"({"data":[{"club":"x"}]})", Kind::typeMismatch, "data[0].club"},
        Failure{"FoundationDateAsText", R"({"data":[{"club":{"data":{"foundation_date":"1900"}}}]})",
                Kind::typeMismatch, "data[0].club.data.foundation_date"},
        Failure{"SponsorImageThumb",
                R"({"data":[{"club":{"data":{"sponsor":{"data":{"image":{"data":{"thumb":1}}}}}}}]})",
                Kind::typeMismatch, "data[0].club.data.sponsor.data.image.data.thumb"},
        Failure{"ImageBeforeCountryInClub", R"({"data":[{"club":{"data":{"country":1,"image":2}}}]})",
                Kind::typeMismatch, "data[0].club.data.image"},
        Failure{"CountryBeforeImageInTeam", R"({"data":[{"image":2,"country":1}]})", Kind::typeMismatch,
                "data[0].country"},
        Failure{"ContinentIcon", R"({"data":[{"country":{"data":{"continent":{"data":{"icon":[]}}}}}]})",
                Kind::typeMismatch, "data[0].country.data.continent.data.icon"},
        Failure{"TeamBeforeMeta", R"({"meta":3,"data":[{"id":4}]})", Kind::typeMismatch, "data[0].id"},
        Failure{"MetaNotObject", R"({"data":[],"meta":[]})", Kind::typeMismatch, "meta"},
        Failure{"TotalAsText", R"({"meta":{"pagination":{"total":"9"}}})", Kind::typeMismatch,
                "meta.pagination.total"},
        Failure{"IncludeHoldsNumber", R"({"meta":{"include":["a",1]}})", Kind::typeMismatch, "meta.include[1]"},
        Failure{"IncludeHoldsNull", R"({"meta":{"include":[null]}})", Kind::valueNotFound, "meta.include[0]"}),
    caseName);

class PlayerCoachesFailure : public testing::TestWithParam<Failure> {};
TEST_P(PlayerCoachesFailure, FailsTheWholeAnswer) { expectFailure<PlayerCoaches>(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Answers, PlayerCoachesFailure,
    testing::Values(
        Failure{"DataSingleObject", R"({"data":{"mins":"1"}})", Kind::typeMismatch, "data"},
        Failure{"ThirdEntryNull", R"({"data":[{},{},null]})", Kind::valueNotFound, "data[2]"},
        Failure{"MinsAsNumber", R"({"data":[{"mins":"9"},{"mins":270}]})", Kind::typeMismatch, "data[1].mins"},
        Failure{"MatchesAsText", R"({"data":[{"matches":"3"}]})", Kind::typeMismatch, "data[0].matches"},
        Failure{"GoalsFractional", R"({"data":[{"goals":2.5}]})", Kind::dataCorrupted, "data[0].goals"},
        Failure{"CoachNotObject", R"({"data":[{"coach":[]}]})", Kind::typeMismatch, "data[0].coach"},
        Failure{"PersonNotObject", R"({"data":[{"coach":{"data":"x","meta":3}}]})", Kind::typeMismatch,
                "data[0].coach.data"},
        Failure{"MetaAfterPerson", R"({"data":[{"coach":{"data":{"id":1},"meta":{"pagination":7}}}]})",
                Kind::typeMismatch, "data[0].coach.meta.pagination"}),
    caseName);

TEST(StrictDecoding, EmptyAndNullKeepTheirMeaning) {
  const DecodeResult<SeasonTeams> teams = JSONDecoder::decode<SeasonTeams>(R"({"data":[],"meta":{}})");
  ASSERT_TRUE(teams.ok());
  ASSERT_TRUE(teams.value().data.has_value());  // an empty list stays present
  EXPECT_TRUE(teams.value().data->empty());
  EXPECT_EQ(teams.value().meta, PlayerMeta{});

  const DecodeResult<SeasonTeams> nulls = JSONDecoder::decode<SeasonTeams>(R"({"data":null,"meta":null})");
  ASSERT_TRUE(nulls.ok());
  EXPECT_EQ(nulls.value(), SeasonTeams{});

  const DecodeResult<TeamData> team =
      JSONDecoder::decode<TeamData>(R"({"club":{"data":null},"country":{},"image":null,"matches_count":null})");
  ASSERT_TRUE(team.ok());
  ASSERT_TRUE(team.value().club.has_value());
  EXPECT_FALSE(team.value().club->data.has_value());
  ASSERT_TRUE(team.value().country.has_value());
  EXPECT_FALSE(team.value().image.has_value());
  EXPECT_FALSE(team.value().matches_count.has_value());
}

TEST(StrictDecoding, LinksMarkPresenceOfAnyValueButNull) {
  for (const char* value : {"[]", R"("x")", "3", "{}"}) {
    const auto result = JSONDecoder::decode<Pagination>(std::string(R"({"links":)") + value + "}");
    ASSERT_TRUE(result.ok()) << value;
    EXPECT_TRUE(result.value().links.has_value()) << value;
  }
  EXPECT_FALSE(JSONDecoder::decode<Pagination>(R"({"links":null})").value().links.has_value());
}

TEST(StrictDecoding, CoachEntriesDecodeWithALenientPersonInside) {
  const DecodeResult<PlayerCoaches> result = JSONDecoder::decode<PlayerCoaches>(
      R"({"meta":{},"data":[{"coach":null,"matches":3,"goals":1,"mins":"270"},)"
      R"({"coach":{"data":{"id":5,"en_name":"Nabil"},"meta":{"include":["x"]}}}]})");
  ASSERT_TRUE(result.ok()) << result.error().description();
  const std::vector<Coach>& coaches = *result.value().data;
  ASSERT_EQ(coaches.size(), 2u);
  EXPECT_FALSE(coaches[0].coach.has_value());
  EXPECT_EQ(coaches[0].mins, "270");
  EXPECT_EQ(coaches[0].matches, 3);
  const CoachData& coach = *coaches[1].coach;
  EXPECT_FALSE(coach.data->id.has_value());
  EXPECT_EQ(coach.data->en_name, "Nabil");
  EXPECT_EQ(coach.meta->include, std::vector<std::string>{"x"});

  const DecodeResult<CoachData> emptyPerson = JSONDecoder::decode<CoachData>(R"({"data":{},"Data":3,"META":4})");
  ASSERT_TRUE(emptyPerson.ok());
  EXPECT_EQ(emptyPerson.value().data, People{});
  EXPECT_FALSE(emptyPerson.value().meta.has_value());
}

TEST(JSONDecoderTest, BadBytesAreDataCorruptedAtTheRoot) {
  for (const char* bytes : {"", "{", R"({"data":[],})", "{} x", "\xEF\xBB", R"({"id":"\xC3"})", "1e400",
                            R"({"a":-9223372036854775809})", "\xEF\xBB\xBF\xEF\xBB\xBF{}"}) {
    const DecodeResult<PlayerList> result = JSONDecoder::decode<PlayerList>(bytes);
    ASSERT_FALSE(result.ok()) << bytes;
    EXPECT_EQ(result.error().kind(), Kind::dataCorrupted) << bytes;
    EXPECT_TRUE(result.error().codingPath().empty());
    EXPECT_TRUE(result.error().description().starts_with("dataCorrupted at the root: The given data was not valid JSON"));
  }
}

TEST(JSONDecoderTest, AByteOrderMarkBeforeTheDocumentIsSkipped) {
  const DecodeResult<PlayerList> result = JSONDecoder::decode<PlayerList>("\xEF\xBB\xBF{\"data\":[{\"id\":\"a\"}]}");
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.value().data->at(0).id, "a");
}

TEST(JSONDecoderTest, DescriptionNamesKindPathAndWhatWasFound) {
  const DecodeResult<SeasonTeams> result = JSONDecoder::decode<SeasonTeams>(R"({"data":[{"id":true}]})");
  EXPECT_EQ(result.error().description(),
            "typeMismatch at data[0].id: Expected to decode a string but found a boolean instead.");
}

}  // namespace
}  // namespace lanterncrest
