// People and SafeProcess: a bad member costs only itself; only a non-object fails a person.
// What a person keeps of null, missing and misnamed members is checked in encoding_test.cpp.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/answers.h"
#include "records/people.h"
#include "records/safe_process.h"

namespace lanterncrest {
namespace {

using Kind = DecodingError::Kind;

People decodePerson(const std::string &json)
{
    DecodeResult<People> result = JSONDecoder::decode<People>(json);
    EXPECT_TRUE(result.ok()) << json << ": " << (result.ok() ? "" : result.error().description());
    return result.ok() ? std::move(result).value() : People{};
}

TEST(LenientDecoding, AnInnerFaultLosesTheWholeEnvelopeButNotItsSiblings)
{
    const std::string siblings =
            R"({"id":"p1","weight":72.5,"academy":{},"position":{"data":{"en_name":"Goalkeeper"}},)"
            R"("nationalTeam":{"data":{"id":"t2","country":{"data":{"en_name":"Oman"}}}})";
    const People withoutIt = decodePerson(siblings + "}");
    EXPECT_EQ(withoutIt.nationalTeam->data->country->data->en_name, "Oman");
    for (const char *fault :
         { R"("country":{"data":{"en_name":7}})", R"("country":{"data":{"image":{"data":"x"}}})",
           R"("country":{"data":{"image":{"data":{"thumb":3}}}})", R"("country":[])",
           R"("currentTeam":{"data":[]})", R"("currentTeam":{"data":{"matches_count":"3"}})",
           R"("currentTeam":{"data":{"club":{"data":{"sponsor":{"data":{"link":5}}}}}})" }) {
        EXPECT_EQ(decodePerson(siblings + "," + fault + "}"), withoutIt) << fault;
    }
}

TEST(LenientDecoding, OnlyAPersonThatIsNotAnObjectFails)
{
    for (const auto &[json, kind] : { std::pair{ "null", Kind::valueNotFound },
                                      { "[]", Kind::typeMismatch },
                                      { R"("p")", Kind::typeMismatch },
                                      { "7", Kind::typeMismatch } }) {
        const DecodeResult<People> result = JSONDecoder::decode<People>(json);
        ASSERT_FALSE(result.ok()) << json;
        EXPECT_EQ(result.error().kind(), kind) << json;
    }
    EXPECT_EQ(decodePerson("{}"), People{});
}

TEST(LenientDecoding, ASwallowedErrorLeavesNoTraceInALaterErrorPath)
{
    // Player 0 has bad members deep inside; player 2 is null and fails the answer.
    const DecodeResult<PlayerList> result = JSONDecoder::decode<PlayerList>(
            R"({"data":[{"id":1,"currentTeam":{"data":{"club":{"data":{"id":2}}}}},{},null]})");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind(), Kind::valueNotFound);
    EXPECT_EQ(result.error().codingPath(),
              (std::vector<CodingPathComponent>{ { "data", std::nullopt },
                                                 { "", std::size_t{ 2 } } }));
}

TEST(SafeProcessTest, ABadListElementCostsOnlyItself)
{
    const auto list =
            JSONDecoder::decode<std::vector<SafeProcess<std::int64_t>>>(R"([1,"2",null,4.5,5])");
    ASSERT_TRUE(list.ok());
    std::vector<std::optional<std::int64_t>> values;
    for (const auto &element : list.value()) {
        values.push_back(element.value());
    }
    EXPECT_EQ(values,
              (std::vector<std::optional<std::int64_t>>{ 1, std::nullopt, std::nullopt,
                                                         std::nullopt, 5 }));
}

} // namespace
} // namespace lanterncrest
