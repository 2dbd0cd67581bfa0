#include "tests/api/api_client_fixture.h"

#include <QDir>
#include <QFile>

namespace lanterncrest::test {
namespace {

using LoggerTest = ApiClientTest;

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

} // namespace
} // namespace lanterncrest::test
