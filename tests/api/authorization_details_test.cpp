#include "api/authorization_details.h"
#include "api/token_store.h"

#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

using Keys = AuthorizationDetails::CodingKeys;

TEST(AuthorizationDetails, AnyObjectDecodesMemberByMember)
{
    struct Row {
        const char* json;
        AuthorizationDetails expected;
    };
    const Row rows[] = {
        {"{}", {}},
        {R"({"token_type":"Bearer","expires_in":31536000,"access_token":"eyJ0.a","refresh_token":"def5"})",
         {"Bearer", 31536000, "eyJ0.a", "def5"}},
        {R"({"token_type":"Bearer","expires_in":"3600","access_token":"abc"})", {"Bearer", std::nullopt, "abc", std::nullopt}},
        {R"({"access_token":12345,"refresh_token":null,"expires_in":1.5})", {}},
        {R"({"Access_Token":"abc","access_token ":"x","message":"Unauthenticated.","data":{"a":1}})", {}},
        {R"({"expires_in":-1,"token_type":["Bearer"],"access_token":{"v":"x"}})", {std::nullopt, -1, std::nullopt, std::nullopt}},
    };
    for (const Row& row : rows) {
        const DecodeResult<AuthorizationDetails> result = JSONDecoder::decode<AuthorizationDetails>(row.json);
        ASSERT_TRUE(result.ok()) << row.json;
        EXPECT_EQ(result.value(), row.expected) << row.json;
    }
}

TEST(AuthorizationDetails, AnythingButAnObjectFails)
{
    for (const char* json : {"[]", R"(["access_token"])", R"("token")", "42", "null", "true", "", "{"}) {
        const DecodeResult<AuthorizationDetails> result = JSONDecoder::decode<AuthorizationDetails>(json);
        EXPECT_FALSE(result.ok()) << json;
    }
}

TEST(AuthorizationDetails, EncodesOnlyPresentMembersInKeyOrder)
{
    EXPECT_EQ(JSONEncoder::encodeToString(AuthorizationDetails{std::nullopt, std::nullopt, "abc", std::nullopt}),
              R"({"access_token":"abc"})");
    EXPECT_EQ(JSONEncoder::encodeToString(AuthorizationDetails{"Bearer", 60, "abc", "r"}),
              R"({"token_type":"Bearer","expires_in":60,"access_token":"abc","refresh_token":"r"})");
    EXPECT_EQ(JSONEncoder::encodeToString(AuthorizationDetails{}), "{}");
}

TEST(AuthorizationDetails, KeysMatchTheirTextsExactly)
{
    EXPECT_EQ(keyFromString<Keys>("token_type"), Keys::token_type);
    EXPECT_EQ(keyFromString<Keys>("expires_in"), Keys::expires_in);
    EXPECT_EQ(keyFromString<Keys>("access_token"), Keys::access_token);
    EXPECT_EQ(keyFromString<Keys>("refresh_token"), Keys::refresh_token);
    EXPECT_EQ(keyFromString<Keys>("ACCESS_TOKEN"), std::nullopt);
    EXPECT_EQ(keyFromString<Keys>("access_token "), std::nullopt);
    EXPECT_EQ(stringValue(Keys::expires_in), "expires_in");
    EXPECT_EQ(intValue(Keys::expires_in), std::nullopt);
}

TEST(AuthorizationDetails, AMemberOfAnotherKindLeavesNoEntryInTheStore)
{
    const auto reply = JSONDecoder::decode<AuthorizationDetails>(
        R"({"token_type":"Bearer","expires_in":"3600","access_token":"abc","refresh_token":7})");
    ASSERT_TRUE(reply.ok());
    saveAuthorizationDetails(reply.value());
    EXPECT_EQ(getAuthorizationData(), (QVariantMap{{"auth_access_token", QStringLiteral("abc")},
                                                   {"auth_token_type", QStringLiteral("Bearer")}}));
    EXPECT_EQ(getAccessToken(), "abc");
}

} // namespace
} // namespace lanterncrest
