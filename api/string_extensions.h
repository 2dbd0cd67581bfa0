#pragma once

#include "platform/export.h"

#include <QString>

namespace lanterncrest {

// Text helpers offered to the host application.

// `text` without leading and trailing white space and line breaks (Unicode separators,
// tab, U+000A to U+000D, U+0085); inner characters stay.
LANTERNCREST_EXPORT QString trimmed(const QString &text);

// The number of user-perceived characters (grapheme clusters): "e" + U+0301 counts one.
LANTERNCREST_EXPORT qsizetype length(const QString &text);

// `text` without blanks (U+0020) and line feeds (U+000A); tabs and other spaces stay.
LANTERNCREST_EXPORT QString withoutSpacesAndNewLines(const QString &text);

// Whether any character is a decimal digit of any script (Unicode category Nd).
LANTERNCREST_EXPORT bool isContainNumbers(const QString &text);

// Whether any character is a letter or a mark (Unicode categories L and M).
LANTERNCREST_EXPORT bool isContainLetter(const QString &text);

} // namespace lanterncrest
