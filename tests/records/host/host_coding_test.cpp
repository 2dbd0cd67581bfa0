// Built against the shared library only, as a host application would be.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "records/coach.h"
#include "records/people.h"
#include "records/safe_process.h"

namespace lc = lanterncrest;

// A host's own record, read leniently with the exported containers.
struct Badge
{
    std::optional<std::string> label;
    std::optional<std::int64_t> level;
    enum class CodingKeys { label, level };
    friend constexpr auto codingKeyTexts(CodingKeys)
    {
        return std::array<std::string_view, 2>{ "label", "level" };
    }
    static bool decode(const lc::Decoder &decoder, Badge &out)
    {
        const auto container = decoder.container<CodingKeys>();
        if (container) {
            out.label = container->decodeSafelyIfPresent(CodingKeys::label);
            out.level = container->decodeSafelyIfPresent<std::int64_t>(CodingKeys::level);
        }
        return container.has_value();
    }
};

TEST(HostCoding, UsesTheExportedRecordsAndContainers)
{
    const auto person =
            lc::JSONDecoder::decode<lc::People>(R"({"id":"p","shirt_number":"10","weight":72.35})");
    ASSERT_TRUE(person.ok());
    EXPECT_EQ(lc::JSONEncoder::encodeToString(person.value()), R"({"id":"p","weight":72.35})");
    const auto coaches = lc::JSONDecoder::decode<lc::PlayerCoaches>(R"({"data":[{"mins":90}]})");
    ASSERT_FALSE(coaches.ok());
    EXPECT_EQ(coaches.error().codingPathText(), "data[0].mins");
    const auto badge = lc::JSONDecoder::decode<Badge>(R"({"label":"gold","level":"3"})");
    ASSERT_TRUE(badge.ok());
    EXPECT_EQ(badge.value().label, "gold");
    EXPECT_EQ(badge.value().level, std::nullopt);
    EXPECT_FALSE(lc::JSONDecoder::decode<lc::SafeProcess<Badge>>("7").value().value().has_value());
    EXPECT_EQ(lc::JSONDecoder::decode<Badge>("[]").error().kind(),
              lc::DecodingError::Kind::typeMismatch);
}
