#include "api/string_extensions.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace lanterncrest {

namespace {
bool isWhitespaceOrNewline(QChar c)
{
    switch (c.unicode()) {
    case 0x0009:
    case 0x000A:
    case 0x000B:
    case 0x000C:
    case 0x000D:
    case 0x0085:
        return true;
    default:
        return c.category() == QChar::Separator_Space || c.category() == QChar::Separator_Line
                || c.category() == QChar::Separator_Paragraph;
    }
}

template<typename Predicate>
bool anyCodePoint(const QString &text, Predicate predicate)
{
    const QList<uint> codePoints = text.toUcs4();
    return std::any_of(codePoints.cbegin(), codePoints.cend(), predicate);
}
} // namespace

QString trimmed(const QString &text)
{
    // Every separator and line break is in the Basic Multilingual Plane, so UTF-16 units do.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isWhitespaceOrNewline(text.at(begin)))
        ++begin;
    while (end > begin && isWhitespaceOrNewline(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

qsizetype length(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

QString withoutSpacesAndNewLines(const QString &text)
{
    QString result = text;
    result.remove(u' ');
    result.remove(u'\n');
    return result;
}

bool isContainNumbers(const QString &text)
{
    return anyCodePoint(text,
                        [](uint c) { return QChar::category(c) == QChar::Number_DecimalDigit; });
}

bool isContainLetter(const QString &text)
{
    return anyCodePoint(text, [](uint c) { return QChar::isLetter(c) || QChar::isMark(c); });
}

} // namespace lanterncrest
