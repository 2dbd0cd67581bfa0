#include "api/logger.h"

#include "platform/foundation/documents_directory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
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

// A new file appears whole or not at all, so it never holds a partial first line.
void writeNewFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

// An entry that cannot be appended whole is cut off again, so the lines before it stay
// intact and no half line is left for the next entry to join.
void appendToFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush())
        file.resize(sizeBefore);
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
    if (QFileInfo::exists(*path))
        appendToFile(*path, line);
    else
        writeNewFile(*path, line);
}

Logger::Clock Logger::setClock(Clock clock)
{
    return std::exchange(installedClock(), std::move(clock));
}

} // namespace lanterncrest
