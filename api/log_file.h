#pragma once

#include <QByteArray>
#include <QString>

namespace lanterncrest {

// Appends `entry`, whole lines ending in '\n', to the file at `path`, creating the file when
// missing with the mode new files get. Other processes may append to the same file at the same
// time: the file is never replaced, and the entry goes out in one write, so lines of two
// writers never mix within a line. When an earlier write was cut short, the entry still begins
// a line of its own. Failures are silent.
void appendLogEntry(const QString &path, const QByteArray &entry);

} // namespace lanterncrest
