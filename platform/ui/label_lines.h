#pragma once

#include <QFont>
#include <QStringList>

namespace lanterncrest {

// The lines a label shows, top to bottom, and the direction its text reads in (that of the
// text's first strong character, so that Arabic ends on the left).
struct LabelLines
{
    QStringList lines;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

// No label shows more characters of a text than this, however large it is: what a screen does
// to a text before showing it (upper-casing a name, say) need only touch this much of it.
inline constexpr qsizetype maximumShownCharacters = 4096;

// Breaks `text` into at most `maxLines` lines of `width` the way a phone's label does: at word
// boundaries, and between characters inside a word wider than the line. When text is left
// over, the last line is cut at its tail and ends with "…". Only the beginning of `text` that
// could possibly be seen is laid out, so the cost follows `width` × `maxLines`, never the
// text's length. A line break in the text starts a new line.
LabelLines fitLabelLines(const QString &text, const QFont &font, double width, int maxLines);

} // namespace lanterncrest
