// The key enumerations: texts in order, exact look-up, no integer form.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "records/answers.h"
#include "records/coach.h"

namespace lanterncrest {
namespace {

TEST(CodingKeys, PeopleKeysInReadingOrder) {
  const std::string_view texts[] = {
      "object", "locale", "id", "ar_name", "en_name", "ar_nickname", "en_nickname", "ar_info", "en_info",
      "birth_date", "is_international", "is_retired", "retired_year", "shirt_number", "national_shirt_number",
      "market_value", "death_date", "weight", "height", "ar_job_after_retired", "en_job_after_retired",
      "active_mobile_app", "academy_year", "matches", "current_status", "country", "image", "socialMedia",
      "position", "currentTeam", "nationalTeam", "portrait", "age", "academy", "assists"};
  ASSERT_EQ(codingKeyCount<People::CodingKeys>, std::size(texts));
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    const auto key = static_cast<People::CodingKeys>(i);
    EXPECT_EQ(stringValue(key), texts[i]);
    EXPECT_EQ(keyFromString<People::CodingKeys>(texts[i]), key);
    EXPECT_EQ(intValue(key), std::nullopt);
  }
  EXPECT_EQ(stringValue(People::CodingKeys::age), "age");
  EXPECT_EQ(static_cast<int>(People::CodingKeys::age), 32);  // the 33rd key
  EXPECT_EQ(stringValue(People::CodingKeys::national_shirt_number), "national_shirt_number");
}

TEST(CodingKeys, LookUpIsExact) {
  for (const char* text : {"Age", "AGE", "social_media", "SocialMedia", "shirtNumber", "age ", " age", "",
                           "ag", "agee", "a\0ge"}) {
    EXPECT_EQ(keyFromString<People::CodingKeys>(text), std::nullopt) << text;
  }
  EXPECT_EQ(keyFromString<People::CodingKeys>("socialMedia"), People::CodingKeys::socialMedia);
  EXPECT_EQ(keyFromString<People::CodingKeys>(std::string_view("age\0", 4)), std::nullopt);
  EXPECT_EQ(keyFromInt<People::CodingKeys>(0), std::nullopt);
  EXPECT_EQ(codingKeyDescription(People::CodingKeys::socialMedia), R"(CodingKeys(stringValue: "socialMedia", intValue: nil))");
}

TEST(CodingKeys, EveryRecordFindsEachOfItsKeys) {
  const auto check = []<class K>(K) {
    for (std::size_t i = 0; i < codingKeyCount<K>; ++i) {
      const auto key = static_cast<K>(i);
      EXPECT_EQ(keyFromString<K>(stringValue(key)), key) << stringValue(key);
    }
  };
  check(TeamData::CodingKeys{});
  check(ClubData::CodingKeys{});
  check(SponsorData::CodingKeys{});
  check(CountryData::CodingKeys{});
  check(SocailMediaData::CodingKeys{});
  check(ImageData::CodingKeys{});
  check(Pagination::CodingKeys{});
  check(Coach::CodingKeys{});
  EXPECT_EQ(stringValue(ClubData::CodingKeys::sponsor), "sponsor");
  EXPECT_EQ(stringValue(SocailMediaData::CodingKeys::updated_at), "updated_at");
  EXPECT_EQ(stringValue(TeamData::CodingKeys::club), "club");
  EXPECT_EQ(stringValue(CountryData::CodingKeys::continent), "continent");
  EXPECT_EQ(codingKeyCount<Academy::CodingKeys>, 0u);
}

}  // namespace
}  // namespace lanterncrest
