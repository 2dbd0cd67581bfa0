#include "api/api_response.h"
#include "api/custom_error.h"

#include <gtest/gtest.h>
#include <string>

namespace lanterncrest {
namespace {

const QString loginFailure = QStringLiteral("Error occured while processing request, Please try again");

TEST(CustomError, RendersItsWholeValue)
{
    struct Row {
        CustomError error;
        QString rendering;
    };
    const Row rows[] = {
        {{QStringLiteral("Error"), 0, loginFailure},
         R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again"))"},
        {{std::nullopt, 0, QStringLiteral("Gone")}, R"(CustomError(title: nil, code: 0, _description: "Gone"))"},
        {{QString(), -42, QString()}, R"(CustomError(title: Optional(""), code: -42, _description: ""))"},
        // Always one line, whatever the texts hold.
        {{QStringLiteral("a\"b"), 7, QStringLiteral("x\ny\\z\t\r\x01")},
         R"(CustomError(title: Optional("a\"b"), code: 7, _description: "x\ny\\z\t\r\u{1}"))"},
        {{QStringLiteral("خطأ"), 9223372036854775807LL, QStringLiteral("حاول")},
         R"(CustomError(title: Optional("خطأ"), code: 9223372036854775807, _description: "حاول"))"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.error.rendering(), row.rendering);
}

TEST(CustomError, DescribesItselfThroughTheErrorInterface)
{
    const CustomError error(QStringLiteral("Error"), 3, loginFailure);
    const IErrorProtocol& asInterface = error;
    EXPECT_EQ(asInterface.errorDescription(), loginFailure);
    EXPECT_EQ(asInterface.failureReason(), loginFailure);
    EXPECT_EQ(asInterface.localizedDescription(), loginFailure);
    EXPECT_EQ(loginFailure.size(), 56);
    EXPECT_EQ(asInterface.errorTitle(), QStringLiteral("Error"));
    EXPECT_EQ(asInterface.errorCode(), 3);
}

TEST(ApiError, EveryKindPrintsAndDescribesItself)
{
    const CustomError custom(QStringLiteral("Error"), 0, loginFailure);
    const ApiError fromCustom = custom;
    EXPECT_EQ(fromCustom.kind(), ApiError::Kind::custom);
    EXPECT_EQ(fromCustom.localizedDescription(), loginFailure);
    EXPECT_EQ(fromCustom.rendering(), custom.rendering());
    EXPECT_EQ(fromCustom.httpError(), nullptr);
    ASSERT_NE(fromCustom.customError(), nullptr);
    EXPECT_EQ(*fromCustom.customError(), custom);

    const HttpError httpError = HttpError::make(HttpError::Kind::EmptyResponse);
    const ApiError http = httpError;
    EXPECT_EQ(http.kind(), ApiError::Kind::http);
    EXPECT_FALSE(http.localizedDescription().isEmpty());
    EXPECT_EQ(http.localizedDescription(), httpError.localizedDescription());
    EXPECT_EQ(http.rendering(), httpError.localizedDescription());
    ASSERT_NE(http.httpError(), nullptr);
    EXPECT_EQ(*http.httpError(), httpError);
    EXPECT_EQ(http.customError(), nullptr);

    const ApiError decoding = ApiError::decoding("data[3].id: expected a string");
    EXPECT_EQ(decoding.kind(), ApiError::Kind::decoding);
    EXPECT_EQ(decoding.localizedDescription(), "data[3].id: expected a string");
    EXPECT_EQ(decoding.rendering(), "data[3].id: expected a string");
    EXPECT_EQ(decoding.customError(), nullptr);
    EXPECT_EQ(decoding.httpError(), nullptr);
}

TEST(ApiResponse, HoldsEitherAValueOrAnError)
{
    auto success = ApiResponse<std::string>::success("teams");
    ASSERT_TRUE(success.isSuccess());
    ASSERT_NE(success.value(), nullptr);
    EXPECT_EQ(*success.value(), "teams");
    EXPECT_EQ(success.error(), nullptr);

    const auto failure = ApiResponse<std::string>::failure(ApiError::decoding("bad"));
    EXPECT_FALSE(failure.isSuccess());
    EXPECT_EQ(failure.value(), nullptr);
    ASSERT_NE(failure.error(), nullptr);
    EXPECT_EQ(failure.error()->localizedDescription(), "bad");
}

} // namespace
} // namespace lanterncrest
