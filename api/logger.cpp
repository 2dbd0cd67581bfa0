#include "api/logger.h"

#include "api/log_file.h"
#include "platform/foundation/documents_directory.h"

#include <QDir>
#include <utility>

namespace lanterncrest {

namespace {
Logger::Clock &installedClock()
{
    static Logger::Clock clock;
    return clock;
}

QDateTime now()
{
    const Logger::Clock &clock = installedClock();
    return clock ? clock() : QDateTime::currentDateTime();
}
} // namespace

std::optional<QString> Logger::getLogFileURL(const QDateTime &now)
{
    const std::optional<QString> documents = documentsDirectory();
    if (!documents)
        return std::nullopt;
    return QDir(*documents)
            .filePath(now.toString(QStringLiteral("dd-MM-yyyy")) + QStringLiteral(".log"));
}

void Logger::log(const QString &message)
{
    const QDateTime time = now();
    const std::optional<QString> path = getLogFileURL(time);
    if (!path)
        return;
    const QByteArray line =
            (time.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(": ") + message + u'\n')
                    .toUtf8();
    appendLogEntry(*path, line);
}

Logger::Clock Logger::setClock(Clock clock)
{
    return std::exchange(installedClock(), std::move(clock));
}

} // namespace lanterncrest
