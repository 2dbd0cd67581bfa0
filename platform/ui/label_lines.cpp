#include "platform/ui/label_lines.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace lanterncrest {

namespace {

constexpr QChar ellipsis(0x2026);

// The narrowest advance a character of `font` is taken to have: the narrowest of characters
// that are narrow in the common scripts, never under one pixel.
double narrowestAdvance(const QFontMetricsF &metrics)
{
    static const QString narrowCharacters = QStringLiteral(" !'.,:;|ijlIf\u0627\u0640");
    double narrowest = metrics.averageCharWidth();
    for (const QChar character : narrowCharacters) {
        const double advance = metrics.horizontalAdvance(character);
        if (advance > 0)
            narrowest = std::min(narrowest, advance);
    }
    return std::max(1.0, narrowest);
}

// The beginning of `text` that can reach the lines: as many characters as the narrowest
// character fits into them, twice over for surrogate pairs and combining marks.
QString visiblePrefix(const QString &text, const QFontMetricsF &metrics, double width, int maxLines)
{
    const double perLine = std::ceil(std::max(0.0, width) / narrowestAdvance(metrics)) + 1;
    const qsizetype limit = std::min(qsizetype(2 * perLine * maxLines) + 2, maximumShownCharacters);
    QString prefix = text.size() > limit ? text.left(limit) : text;
    if (prefix.size() < text.size() && prefix.back().isHighSurrogate())
        prefix.chop(1);
    prefix.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    prefix.replace(u'\n', QChar::LineSeparator);
    prefix.replace(u'\r', QChar::LineSeparator);
    return prefix;
}

// Whether a line break at `at` falls between two letters that join (as Arabic letters do).
bool breaksJoinedLetters(const QString &text, qsizetype at)
{
    return at > 0 && at < text.size() && text[at - 1].joiningType() != QChar::Joining_None
            && text[at].joiningType() != QChar::Joining_None;
}

QString withoutTrailingBreaks(QString line)
{
    while (!line.isEmpty() && (line.back().isSpace() || line.back() == QChar::LineSeparator))
        line.chop(1);
    return line;
}

// The rest of the text on one line, cut at its tail. `leftOut` forces the "…" even when the
// rest happens to fit, because more text follows that was never laid out.
QString elidedTail(QString rest, const QFontMetricsF &metrics, double width, bool leftOut)
{
    rest.replace(QChar::LineSeparator, u' ');
    QString line = metrics.elidedText(rest, Qt::ElideRight, width);
    if (leftOut && !line.endsWith(ellipsis)) {
        line = metrics.elidedText(rest, Qt::ElideRight,
                                  width - metrics.horizontalAdvance(ellipsis));
        if (!line.endsWith(ellipsis))
            line = withoutTrailingBreaks(line) + ellipsis;
    }
    return line;
}

} // namespace

LabelLines fitLabelLines(const QString &text, const QFont &font, double width, int maxLines)
{
    LabelLines result;
    if (text.isEmpty() || maxLines < 1)
        return result;
    const QFontMetricsF metrics(font);
    const QString shown = visiblePrefix(text, metrics, width, maxLines);
    const bool leftOut = shown.size() < text.size();
    result.direction = shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;

    QTextLayout layout(shown, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(result.direction);
    layout.setTextOption(option);
    layout.beginLayout();
    // A word broken between joined letters keeps the letter forms it was measured with (Arabic
    // letters change shape at a word's ends): joiners stand for the neighbours on the other line.
    const auto joiner = [&](qsizetype at) {
        return breaksJoinedLetters(shown, at) ? QString(QChar(0x200D)) : QString();
    };
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(0.0, width));
        const int start = line.textStart();
        const int end = start + line.textLength();
        if (result.lines.size() + 1 == maxLines && (end < shown.size() || leftOut)) {
            result.lines.append(
                    elidedTail(joiner(start) + shown.mid(start), metrics, width, leftOut));
            break;
        }
        result.lines.append(joiner(start)
                            + withoutTrailingBreaks(shown.mid(start, line.textLength()))
                            + joiner(end));
        if (result.lines.size() == maxLines)
            break;
    }
    layout.endLayout();
    return result;
}

} // namespace lanterncrest
