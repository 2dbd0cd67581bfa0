#include "api/hex_color.h"
#include "api/string_extensions.h"

#include <gtest/gtest.h>
#include <limits>

namespace lanterncrest {
namespace {

TEST(ColorFromHexString, ReadsThreeAndSixDigitsAndKeepsAlphaInRange)
{
    struct Row {
        const char* text;
        double alpha;
        int red, green, blue;
        double expectedAlpha;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {"#ED174F", 1.0, 237, 23, 79, 1.0},
        {"ed174f", 0.5, 237, 23, 79, 0.5},
        {"#abc", 2.0, 0xaa, 0xbb, 0xcc, 1.0},
        {"#d6d6d6", -1.0, 214, 214, 214, 0.0},
        {"#d6d6d6", nan, 214, 214, 214, 1.0},
        // Digits are read only as far as they go, then split as six digits.
        {"#ED1G4F", 1.0, 0, 0x0E, 0xD1, 1.0},
        {"#1g2", 1.0, 0, 0, 0x11, 1.0},
        // Other lengths are no colour of their own.
        {"", 1.0, 0, 0, 0, 1.0},
        {"##abc", 1.0, 0, 0, 0, 1.0},
        {"#ED174F80", 1.0, 0, 0, 0, 1.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const QColor color = colorFromHexString(QString::fromUtf8(row.text), row.alpha);
        EXPECT_TRUE(color.isValid());
        EXPECT_EQ(QList<int>({color.red(), color.green(), color.blue()}), QList<int>({row.red, row.green, row.blue}));
        EXPECT_NEAR(color.alphaF(), row.expectedAlpha, 1e-4);
    }
}

TEST(StringExtensions, TrimCountStripAndClassifyText)
{
    struct Row {
        QString text;
        QString trimmed;
        qsizetype length;
        QString withoutSpaces;
        bool numbers, letters;
    };
    const Row rows[] = {
        {"", "", 0, "", false, false},
        {" \t a b\r\nc \n", "a b\r\nc", 10, "\tab\rc", false, true},
        {QString::fromUtf8("\u00A0\u0085x\u3000"), "x", 4, QString::fromUtf8("\u00A0\u0085x\u3000"), false, true},
        {QString::fromUtf8("\u200Bx"), QString::fromUtf8("\u200Bx"), 2, QString::fromUtf8("\u200Bx"), false, true},
        {QString::fromUtf8("e\u0301\U0001F468\u200D\U0001F469"), QString::fromUtf8("e\u0301\U0001F468\u200D\U0001F469"), 2,
         QString::fromUtf8("e\u0301\U0001F468\u200D\U0001F469"), false, true},
        {"12-3.4!", "12-3.4!", 7, "12-3.4!", true, false},
        {QString::fromUtf8("\u0663\U0001D7CE"), QString::fromUtf8("\u0663\U0001D7CE"), 2,
         QString::fromUtf8("\u0663\U0001D7CE"), true, false}, // Arabic-Indic three, bold zero
        {QString::fromUtf8("\u00BD\u2160"), QString::fromUtf8("\u00BD\u2160"), 2, QString::fromUtf8("\u00BD\u2160"), false,
         false}, // a fraction and a Roman numeral are no digits
        {QString::fromUtf8("لاعب \U0001D400"), QString::fromUtf8("لاعب \U0001D400"), 6, QString::fromUtf8("لاعب\U0001D400"),
         false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        EXPECT_EQ(trimmed(row.text), row.trimmed);
        EXPECT_EQ(length(row.text), row.length);
        EXPECT_EQ(withoutSpacesAndNewLines(row.text), row.withoutSpaces);
        EXPECT_EQ(isContainNumbers(row.text), row.numbers);
        EXPECT_EQ(isContainLetter(row.text), row.letters);
    }
}

} // namespace
} // namespace lanterncrest
