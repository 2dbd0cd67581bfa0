#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace lanterncrest {

// A daily log in the Documents folder: one file per local day named "dd-MM-yyyy.log",
// one entry per call, "HH:mm:ss: message\n" in UTF-8. Several processes may log into one day's
// file at once. Failures are silent: without a writable Documents folder nothing is written
// and the caller carries on. Main thread only.
class Logger
{
public:
    using Clock = std::function<QDateTime()>;

    // Appends one entry. The file and the entry's time come from one reading of the clock,
    // so an entry stamped 00:00:00 lands in that new day's file.
    static void log(const QString &message);

    // The path of the file for the day of `now`; absent when there is no Documents folder.
    static std::optional<QString> getLogFileURL(const QDateTime &now);

    // Replaces the clock (local time by default); an empty clock restores the default.
    // Returns the clock that was in use.
    static Clock setClock(Clock clock);
};

} // namespace lanterncrest
