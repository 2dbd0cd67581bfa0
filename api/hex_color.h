#pragma once

#include <QColor>
#include <QString>

namespace lanterncrest {

// The colour written as "#RRGGBB" or "#RGB" (the "#" is optional; "#RGB" stands for
// "#RRGGBB"), with `alpha` in [0, 1] as its opacity. Hexadecimal digits are read from the
// start as far as they go, so "ED1G4F" reads as 0xED1 split into six digits. Never an
// invalid colour: texts of another length give black, and alpha is clamped to [0, 1]
// (NaN counts as opaque).
QColor colorFromHexString(const QString &hexString, double alpha = 1.0);

} // namespace lanterncrest
