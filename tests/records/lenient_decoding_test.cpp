// People and SafeProcess: a bad member costs only itself; only a non-object fails a person.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "records/answers.h"
#include "records/people.h"
#include "records/safe_process.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

People decodePerson(const std::string& json) {
  DecodeResult<People> result = JSONDecoder::decode<People>(json);
  EXPECT_TRUE(result.ok()) << json << ": " << result.error().description();
  return result.ok() ? std::move(result).value() : People{};
}

// Under a member that expects a record, each of these costs the whole member.
struct EnvelopeFault {
  const char* name;
  const char* member;  // a key of People
  const char* json;
};

class EnvelopeLostOnInnerFault : public testing::TestWithParam<EnvelopeFault> {};

TEST_P(EnvelopeLostOnInnerFault, OnlyThatMemberIsAbsent) {
  const EnvelopeFault& fault = GetParam();
  const std::string siblings =
      R"("id":"p1","en_name":"Salem","national_shirt_number":7,"weight":72.5,"academy":{},)"
      R"("image":{"data":{"thumb":"t.png"}},"position":{"data":{"en_name":"Goalkeeper"}},)"
      R"("nationalTeam":{"data":{"id":"t2","country":{"data":{"en_name":"Oman"}}}})";
  const People person = decodePerson("{" + siblings + R"(,")" + fault.member + R"(":)" + fault.json + "}");
  const People withoutIt = decodePerson("{" + siblings + "}");
  EXPECT_EQ(person, withoutIt);
  EXPECT_EQ(withoutIt.nationalTeam->data->country->data->en_name, "Oman");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, EnvelopeLostOnInnerFault,
    testing::Values(EnvelopeFault{"PayloadTextAsNumber", "country", R"({"data":{"en_name":7}})"},
                    EnvelopeFault{"IdAsNumber", "country", R"({"data":{"id":1}})"},
                    EnvelopeFault{"DeepImageNotObject", "country", R"({"data":{"image":{"data":"x"}}})"},
                    EnvelopeFault{"DeepThumbAsNumber", "country", R"({"data":{"image":{"data":{"thumb":3}}}})"},
                    EnvelopeFault{"EnvelopeAsArray", "country", "[]"},
                    EnvelopeFault{"EnvelopeAsText", "country", R"("Oman")"},
                    EnvelopeFault{"DataAsArray", "currentTeam", R"({"data":[]})"},
                    EnvelopeFault{"TeamCountAsText", "currentTeam", R"({"data":{"matches_count":"3"}})"},
                    EnvelopeFault{"SponsorDeepInClub", "currentTeam",
                                  R"({"data":{"club":{"data":{"sponsor":{"data":{"link":5}}}}}})"},
                    EnvelopeFault{"FoundationDateAsText", "currentTeam",
                                  R"({"data":{"club":{"data":{"foundation_date":"1900"}}}})"}),
    [](const testing::TestParamInfo<EnvelopeFault>& info) { return std::string(info.param.name); });

TEST(LenientDecoding, NullAndMissingAreAbsentButAnEmptyEnvelopeIsPresent) {
  const People person = decodePerson(
      R"({"position":{"data":null},"image":{},"country":{"data":{}},"socialMedia":null,"academy":null})");
  ASSERT_TRUE(person.position.has_value());
  EXPECT_FALSE(person.position->data.has_value());
  ASSERT_TRUE(person.image.has_value());
  EXPECT_FALSE(person.image->data.has_value());
  ASSERT_TRUE(person.country.has_value());
  ASSERT_TRUE(person.country->data.has_value());
  EXPECT_EQ(*person.country->data, CountryData{});
  EXPECT_FALSE(person.socialMedia.has_value());
  EXPECT_FALSE(person.academy.has_value());
  EXPECT_FALSE(person.portrait.has_value());
}

TEST(LenientDecoding, AcademyIsPresentForAnyValueButNull) {
  for (const char* value : {"0", R"("x")", "[]", "{}", R"({"a":1})", "false"}) {
    EXPECT_TRUE(decodePerson(std::string(R"({"academy":)") + value + "}").academy.has_value()) << value;
  }
  EXPECT_FALSE(decodePerson(R"({"academy":null})").academy.has_value());
}

TEST(LenientDecoding, KeysMatchExactly) {
  const People person = decodePerson(
      R"({"Age":3,"social_media":{"data":{}},"shirtNumber":4,"id ":"x","ID":"y","\u0069d":"z","en_name":"a","en_name":"b"})");
  EXPECT_FALSE(person.age.has_value());
  EXPECT_FALSE(person.socialMedia.has_value());
  EXPECT_FALSE(person.shirt_number.has_value());
  EXPECT_EQ(person.id, "z");       // an escaped key is the same key
  EXPECT_EQ(person.en_name, "a");  // of a key given twice, the first value counts
}

TEST(LenientDecoding, APersonThatIsNotAnObjectFails) {
  const struct {
    const char* json;
    Kind kind;
  } cases[] = {{"null", Kind::valueNotFound}, {"[]", Kind::typeMismatch}, {R"("p")", Kind::typeMismatch},
               {"7", Kind::typeMismatch},     {"true", Kind::typeMismatch}};
  for (const auto& c : cases) {
    const DecodeResult<People> result = JSONDecoder::decode<People>(c.json);
    ASSERT_FALSE(result.ok()) << c.json;
    EXPECT_EQ(result.error().kind(), c.kind) << c.json;
  }
  EXPECT_EQ(decodePerson("{}"), People{});
}

TEST(LenientDecoding, ASwallowedErrorLeavesNoTraceInALaterErrorPath) {
  // Player 0 has bad members deep inside; player 2 is null and fails the answer.
  const DecodeResult<PlayerList> result = JSONDecoder::decode<PlayerList>(
      R"({"data":[{"id":1,"currentTeam":{"data":{"club":{"data":{"id":2}}}}},{},null]})");
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().kind(), Kind::valueNotFound);
  EXPECT_EQ(result.error().codingPathText(), "data[2]");
  EXPECT_EQ(result.error().codingPath(),
            (std::vector<CodingPathComponent>{{"data", std::nullopt}, {"", std::size_t{2}}}));
}

TEST(LenientDecoding, PlayersWithBadMembersKeepTheirPlaceInTheSquad) {
  const DecodeResult<PlayerList> result =
      JSONDecoder::decode<PlayerList>(R"({"data":[{"id":"a","shirt_number":"10"},{"id":7,"shirt_number":10}]})");
  ASSERT_TRUE(result.ok());
  const std::vector<People>& players = *result.value().data;
  ASSERT_EQ(players.size(), 2u);
  EXPECT_EQ(players[0].id, "a");
  EXPECT_FALSE(players[0].shirt_number.has_value());
  EXPECT_FALSE(players[1].id.has_value());
  EXPECT_EQ(players[1].shirt_number, 10);
}

// A host's own lenient record, written by hand on the containers.
struct Login {
  std::optional<std::string> token;
  std::optional<std::int64_t> expires;
  enum class CodingKeys { token, expires };
  friend constexpr auto codingKeyTexts(CodingKeys) { return std::array<std::string_view, 2>{"token", "expires"}; }

  static bool decode(const Decoder& decoder, Login& out) {
    const auto container = decoder.container<CodingKeys>();
    if (!container) {
      return false;
    }
    out.token = container->decodeSafelyIfPresent(CodingKeys::token);
    out.expires = container->decodeSafelyIfPresent<std::int64_t>(CodingKeys::expires);
    // Reading a key twice gives the same result, and a failed read leaves the container usable.
    EXPECT_EQ(container->decodeSafelyIfPresent<std::int64_t>(CodingKeys::expires), out.expires);
    EXPECT_EQ(container->decodeSafelyIfPresent<std::vector<std::string>>(CodingKeys::token), std::nullopt);
    return true;
  }
};

TEST(LenientDecoding, BothFormsOfTheLenientReadOnAHandWrittenRecord) {
  const struct {
    const char* json;
    std::optional<std::string> token;
    std::optional<std::int64_t> expires;
  } cases[] = {{R"({"token":"t","expires":3600})", "t", 3600},
               {R"({"token":7,"expires":"3600"})", std::nullopt, std::nullopt},
               {R"({"token":null})", std::nullopt, std::nullopt},
               {"{}", std::nullopt, std::nullopt}};
  for (const auto& c : cases) {
    const DecodeResult<Login> result = JSONDecoder::decode<Login>(c.json);
    ASSERT_TRUE(result.ok()) << c.json;
    EXPECT_EQ(result.value().token, c.token) << c.json;
    EXPECT_EQ(result.value().expires, c.expires) << c.json;
  }
  EXPECT_EQ(JSONDecoder::decode<Login>("[]").error().kind(), Kind::typeMismatch);
}

TEST(SafeProcessTest, NeverFailsAndHoldsOnlyWhatDecodes) {
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<std::string>>(R"("x")").value().value(), "x");
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<std::string>>("null").value().value(), std::nullopt);
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<std::int64_t>>(R"("7")").value().value(), std::nullopt);
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<std::int64_t>>("7.5").value().value(), std::nullopt);
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<Country>>("null").value().value(), std::nullopt);
  EXPECT_EQ(JSONDecoder::decode<SafeProcess<Country>>(R"({"data":{"id":1}})").value().value(), std::nullopt);
  EXPECT_TRUE(JSONDecoder::decode<SafeProcess<Academy>>("3").value().value().has_value());

  // In a list, a bad element costs only itself.
  const auto list = JSONDecoder::decode<std::vector<SafeProcess<std::int64_t>>>(R"([1,"2",null,4.5,5])");
  ASSERT_TRUE(list.ok());
  std::vector<std::optional<std::int64_t>> values;
  for (const auto& element : list.value()) {
    values.push_back(element.value());
  }
  EXPECT_EQ(values, (std::vector<std::optional<std::int64_t>>{1, std::nullopt, std::nullopt, std::nullopt, 5}));
}

}  // namespace
}  // namespace lanterncrest
