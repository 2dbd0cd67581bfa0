#include "api/authorization_details.h"
#include "api/token_store.h"

#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

TEST(AuthorizationDetails, AnyObjectDecodesMemberByMemberAndNothingElseDoes)
{
    struct Row {
        const char* json;
        std::optional<AuthorizationDetails> expected;
    };
    const Row rows[] = {
        {"{}", AuthorizationDetails{}},
        {R"({"token_type":"Bearer","expires_in":31536000,"access_token":"eyJ0.a","refresh_token":"def5"})",
         AuthorizationDetails{"Bearer", 31536000, "eyJ0.a", "def5"}},
        {R"({"token_type":"Bearer","expires_in":"3600","access_token":"abc","refresh_token":7})",
         AuthorizationDetails{"Bearer", std::nullopt, "abc", std::nullopt}},
        {R"({"Access_Token":"abc","access_token ":"x","expires_in":1.5,"data":{"a":1}})", AuthorizationDetails{}},
        {"[]", std::nullopt},
        {R"("token")", std::nullopt},
        {"null", std::nullopt},
        {"{", std::nullopt},
    };
    for (const Row& row : rows) {
        const DecodeResult<AuthorizationDetails> result = JSONDecoder::decode<AuthorizationDetails>(row.json);
        EXPECT_EQ(result.ok() ? std::optional(result.value()) : std::nullopt, row.expected) << row.json;
    }
}

} // namespace
} // namespace lanterncrest
