#include "api/hex_color.h"
#include "api/string_extensions.h"

#include <gtest/gtest.h>
#include <limits>

namespace lanterncrest {
namespace {

TEST(ColorFromHexString, ReadsThreeAndSixDigitsAndKeepsAlphaInRange)
{
    struct Row
    {
        const char *text;
        double alpha;
        QList<int> rgb;
        double expectedAlpha;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        { "#ED174F", 1.0, { 237, 23, 79 }, 1.0 },
        { "ed174f", 0.5, { 237, 23, 79 }, 0.5 },
        { "#abc", 2.0, { 0xaa, 0xbb, 0xcc }, 1.0 },
        { "#d6d6d6", -1.0, { 214, 214, 214 }, 0.0 },
        { "#d6d6d6", nan, { 214, 214, 214 }, 1.0 },
        // Digits are read only as far as they go, then split as six digits.
        { "#ED1G4F", 1.0, { 0, 0x0E, 0xD1 }, 1.0 },
        // Other lengths are no colour of their own.
        { "", 1.0, { 0, 0, 0 }, 1.0 },
        { "#ED174F80", 1.0, { 0, 0, 0 }, 1.0 },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const QColor color = colorFromHexString(QString::fromUtf8(row.text), row.alpha);
        EXPECT_TRUE(color.isValid());
        EXPECT_EQ(QList<int>({ color.red(), color.green(), color.blue() }), row.rgb);
        EXPECT_NEAR(color.alphaF(), row.expectedAlpha, 1e-4);
    }
}

TEST(StringExtensions, TrimCountStripAndClassifyText)
{
    struct Row
    {
        const char *text;
        const char *trimmed; // nullptr: unchanged
        qsizetype length;
        const char *withoutSpaces; // nullptr: unchanged
        bool numbers, letters;
    };
    const Row rows[] = {
        { "", nullptr, 0, nullptr, false, false },
        { " \t a b\r\nc \n", "a b\r\nc", 10, "\tab\rc", false, true },
        { "\u00A0\u0085x\u3000", "x", 4, nullptr, false, true },
        { "\u200Bx", nullptr, 2, nullptr, false, true }, // a zero-width space is no space
        { "e\u0301\U0001F468\u200D\U0001F469", nullptr, 2, nullptr, false, true },
        { "12-3.4!", nullptr, 7, nullptr, true, false },
        { "\u0663\U0001D7CE", nullptr, 2, nullptr, true, false }, // Arabic-Indic three, bold zero
        // A fraction and a Roman numeral are no digits.
        { "\u00BD\u2160", nullptr, 2, nullptr, false, false },
        { "لاعب \U0001D400", nullptr, 6, "لاعب\U0001D400", false, true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(trimmed(text), row.trimmed ? QString::fromUtf8(row.trimmed) : text);
        EXPECT_EQ(length(text), row.length);
        EXPECT_EQ(withoutSpacesAndNewLines(text),
                  row.withoutSpaces ? QString::fromUtf8(row.withoutSpaces) : text);
        EXPECT_EQ(isContainNumbers(text), row.numbers);
        EXPECT_EQ(isContainLetter(text), row.letters);
    }
}

} // namespace
} // namespace lanterncrest
