#include "tests/api/api_client_fixture.h"
#include "tests/api/log_writer/log_writer_entry.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace lanterncrest::test {
namespace {

using LoggerTest = ApiClientTest;

// Another process logging into this process's Documents (see log_writer.cpp).
class LogWriter
{
public:
    LogWriter(const QString &tag, int entries, std::optional<qint64> fileSizeLimit = std::nullopt)
    {
        QStringList arguments{ tag, QString::number(entries) };
        if (fileSizeLimit)
            arguments << QString::number(*fileSizeLimit);
        m_process.start(QStringLiteral(LANTERNCREST_LOG_WRITER), arguments);
    }
    ~LogWriter()
    {
        m_process.closeWriteChannel();
        m_process.waitForFinished();
    }
    // Tells it to log its entries at `time`; it answers "logged" once they are written.
    void log(const QDateTime &time)
    {
        m_process.write(time.toString(Qt::ISODate).toUtf8() + '\n');
        m_process.waitForBytesWritten();
    }
    bool answers(const QByteArray &line)
    {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(30000)) { }
        return m_process.readLine() == line;
    }

private:
    QProcess m_process;
};

TEST_F(LoggerTest, TheDaysFileIsCreatedThenAppendedAndOneClockReadingPlacesEachEntry)
{
    Logger::log("first failure with details: ");
    now = QDateTime(now.date(), QTime(21, 30));
    Logger::log(QString::fromUtf8("فشل\nالطلب"));
    EXPECT_EQ(logged(),
              "09:26:53: first failure with details: \n"
                      + QString::fromUtf8("21:30:00: فشل\nالطلب\n").toUtf8());

    // A clock that moves on at every reading: reading it twice for one entry would put a line
    // stamped with the new day's time into the old day's file, or the reverse.
    const QDateTime readings[] = { QDateTime(QDate(2027, 12, 31), QTime(23, 59, 59, 999)),
                                   QDateTime(QDate(2028, 1, 1), QTime(0, 0)),
                                   QDateTime(QDate(2028, 1, 1), QTime(0, 0, 1)) };
    int reading = 0;
    Logger::setClock([&] { return readings[std::min(reading++, 2)]; });
    Logger::log("before");
    Logger::log("after");
    EXPECT_EQ(logged("31-12-2027.log"), "23:59:59: before\n");
    EXPECT_EQ(logged("01-01-2028.log"), "00:00:00: after\n");
    EXPECT_EQ(QDir(documents()).entryList(QDir::Files),
              (QStringList{ "01-01-2028.log", "14-03-2026.log", "31-12-2027.log" }));
}

TEST_F(LoggerTest, FailsSilentlyWhereNoFileCanBeWritten)
{
    ASSERT_TRUE(QFile(documents()).open(QIODevice::WriteOnly)); // a file where the folder belongs
    Logger::log("lost");
    EXPECT_EQ(Logger::getLogFileURL(now), std::nullopt);
    QFile::remove(documents());
    ASSERT_TRUE(QDir().mkpath(
            QDir(documents()).filePath("14-03-2026.log"))); // a folder where the file belongs
    Logger::log("lost too");
    EXPECT_TRUE(QDir(QDir(documents()).filePath("14-03-2026.log")).isEmpty());
}

// Two hosts sharing one HOME that fail at the same moment begin a new day's file together.
TEST_F(LoggerTest, ProcessesLoggingAtOnceKeepEveryLineWhole)
{
    constexpr int days = 50;
    constexpr int entries = 40; // a day, a process
    const QStringList tags{ "A", "B" };
    std::vector<std::unique_ptr<LogWriter>> writers;
    QByteArrayList expected;
    for (const QString &tag : tags) {
        writers.push_back(std::make_unique<LogWriter>(tag, entries));
        ASSERT_TRUE(writers.back()->answers("ready\n"));
        for (int number = 0; number < entries; ++number)
            expected << logLine(logWriterMessage(tag, number)).chopped(1);
    }
    std::sort(expected.begin(), expected.end());

    for (int day = 0; day < days; ++day) {
        now = now.addDays(1);
        for (const auto &writer : writers)
            writer->log(now);
        for (const auto &writer : writers)
            ASSERT_TRUE(writer->answers("logged\n"));
        const QByteArray content = logged(now.toString("dd-MM-yyyy") + ".log");
        ASSERT_TRUE(content.endsWith('\n'));
        QByteArrayList lines = content.chopped(1).split('\n');
        std::sort(lines.begin(), lines.end());
        ASSERT_TRUE(lines == expected)
                << "day " << day << ": " << lines.size() << " lines of " << expected.size();
    }
}

// A process that runs out of room (a full disk, a file size limit) while it writes an entry.
TEST_F(LoggerTest, AnEntryCutShortLeavesTheLinesAroundItWhole)
{
    const QByteArray cutEntry = logLine(logWriterMessage("cut", 0));
    const struct
    {
        const char *what;
        qint64 room; // bytes the file may still grow by while the entry is written
    } rows[] = { { "no room at all", 0 },
                 { "room for part of the entry", 12 },
                 { "room for all but the line break", cutEntry.size() - 1 } };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        restart();
        Logger::log("before");
        Logger::log("just before");
        const QByteArray before = logged();
        LogWriter writer("cut", 1, before.size() + row.room);
        ASSERT_TRUE(writer.answers("ready\n"));
        writer.log(now);
        ASSERT_TRUE(writer.answers("logged\n"));
        Logger::log("after");

        const QByteArray content = logged();
        const QByteArray after = logLine("after");
        ASSERT_TRUE(content.startsWith(before));
        ASSERT_TRUE(content.endsWith(after));
        // Whatever the writer got out stands on lines of its own and is no more than what it
        // began to write.
        const QByteArray between =
                content.mid(before.size(), content.size() - before.size() - after.size());
        if (!between.isEmpty()) {
            EXPECT_TRUE(between.endsWith('\n')) << content.toStdString();
            EXPECT_TRUE(cutEntry.startsWith(between.chopped(1))) << between.left(40).toStdString();
        }
    }
}

} // namespace
} // namespace lanterncrest::test
