#include "api/hex_color.h"
#include "api/string_extensions.h"

#include <gtest/gtest.h>
#include <limits>

namespace lanterncrest {
namespace {

TEST(ColorFromHexString, ReadsThreeAndSixDigits)
{
    struct Row {
        const char* text;
        int red, green, blue;
    };
    const Row rows[] = {
        {"#d6d6d6", 214, 214, 214},
        {"#ED174F", 237, 23, 79},
        {"ED174F", 237, 23, 79},
        {"#ed174f", 237, 23, 79},
        {"#9D0620", 157, 6, 32},
        {"#8BD3F5", 139, 211, 245},
        {"#abc", 0xaa, 0xbb, 0xcc},
        {"fff", 255, 255, 255},
        {"#000000", 0, 0, 0},
        // Digits are read only as far as they go, then split as six digits.
        {"#ED1G4F", 0, 0x0E, 0xD1},
        {"#G00000", 0, 0, 0},
        {"#1g2", 0, 0, 0x11},
        // Other lengths are no colour of their own.
        {"##abc", 0, 0, 0},
        {"", 0, 0, 0},
        {"#", 0, 0, 0},
        {"#ED174F80", 0, 0, 0},
        {"#abcd", 0, 0, 0},
    };
    for (const Row& row : rows) {
        const QColor color = colorFromHexString(QString::fromUtf8(row.text), 1.0);
        EXPECT_TRUE(color.isValid()) << row.text;
        EXPECT_EQ(color.red(), row.red) << row.text;
        EXPECT_EQ(color.green(), row.green) << row.text;
        EXPECT_EQ(color.blue(), row.blue) << row.text;
        EXPECT_EQ(color.alphaF(), 1.0) << row.text;
    }
    EXPECT_EQ(colorFromHexString("#abc"), colorFromHexString("#aabbcc"));
}

TEST(ColorFromHexString, KeepsAlphaWithinRange)
{
    struct Row {
        double alpha;
        double expected;
    };
    const Row rows[] = {{0.5, 0.5}, {0.0, 0.0}, {2.0, 1.0}, {-1.0, 0.0},
                        {std::numeric_limits<double>::quiet_NaN(), 1.0}};
    for (const Row& row : rows) {
        const QColor color = colorFromHexString("#d6d6d6", row.alpha);
        EXPECT_TRUE(color.isValid()) << row.alpha;
        EXPECT_NEAR(color.alphaF(), row.expected, 1e-4) << row.alpha;
        EXPECT_EQ(color.red(), 214) << row.alpha;
    }
}

TEST(StringExtensions, TrimmedRemovesOuterWhiteSpaceOnly)
{
    const std::pair<QString, QString> rows[] = {
        {" \t\n inner  text \r\n\t ", "inner  text"},
        {QString::fromUtf8("\u00A0\u2028\u0085x\u3000"), "x"},
        {"\v\fx\f\v", "x"},
        {"x", "x"},
        {" \n\t", ""},
        {"", ""},
        {QString::fromUtf8("\u200Bx"), QString::fromUtf8("\u200Bx")}, // a zero-width space is no separator
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(trimmed(text), expected) << text.toStdString();
}

TEST(StringExtensions, LengthCountsUserPerceivedCharacters)
{
    const std::pair<QString, qsizetype> rows[] = {
        {"", 0},
        {"abc", 3},
        {QString::fromUtf8("e\u0301"), 1},
        {QString::fromUtf8("\u00E9"), 1},
        {"\r\n", 1},
        {QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467"), 1},
        {QString::fromUtf8("\U0001D400"), 1},
        {QString::fromUtf8("مرحبا"), 5},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(length(text), expected) << text.toStdString();
}

TEST(StringExtensions, WithoutSpacesAndNewLinesKeepsOtherWhiteSpace)
{
    const std::pair<QString, QString> rows[] = {
        {" a b\nc \n", "abc"},
        {"a\tb", "a\tb"},
        {"a\r\nb", "a\rb"},
        {QString::fromUtf8("a\u00A0b"), QString::fromUtf8("a\u00A0b")},
        {"", ""},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(withoutSpacesAndNewLines(text), expected) << text.toStdString();
}

TEST(StringExtensions, ContainsNumbersAndLetters)
{
    struct Row {
        QString text;
        bool numbers;
        bool letters;
    };
    const Row rows[] = {
        {"", false, false},
        {"abc", false, true},
        {"a1", true, true},
        {"12-3.4!", true, false},
        {QString::fromUtf8("\u0663"), true, false},          // Arabic-Indic three
        {QString::fromUtf8("\U0001D7CE"), true, false},      // mathematical bold zero
        {QString::fromUtf8("\u00BD\u2160"), false, false},   // a fraction and a Roman numeral are no digits
        {QString::fromUtf8("\u064E"), false, true},          // a mark counts as a letter
        {QString::fromUtf8("لاعب"), false, true},
        {QString::fromUtf8("\U0001D400"), false, true},      // outside the Basic Multilingual Plane
        {" \t", false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(isContainNumbers(row.text), row.numbers) << row.text.toStdString();
        EXPECT_EQ(isContainLetter(row.text), row.letters) << row.text.toStdString();
    }
}

} // namespace
} // namespace lanterncrest
