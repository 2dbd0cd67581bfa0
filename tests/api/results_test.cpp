#include "api/custom_error.h"

#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

TEST(CustomError, RendersItsWholeValueOnOneLine)
{
    struct Row {
        CustomError error;
        QString rendering;
    };
    const Row rows[] = {
        {{QStringLiteral("Error"), 0, QStringLiteral("Error occured while processing request, Please try again")},
         R"(CustomError(title: Optional("Error"), code: 0, _description: "Error occured while processing request, Please try again"))"},
        {{std::nullopt, -42, QStringLiteral("Gone")}, R"(CustomError(title: nil, code: -42, _description: "Gone"))"},
        {{QStringLiteral("a\"b"), 7, QStringLiteral("x\ny\\z\t\r\x01")},
         R"(CustomError(title: Optional("a\"b"), code: 7, _description: "x\ny\\z\t\r\u{1}"))"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.error.rendering(), row.rendering);
        EXPECT_EQ(row.error.localizedDescription(), row.error.errorDescription());
    }
}

} // namespace
} // namespace lanterncrest
