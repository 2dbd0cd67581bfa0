#include "api/logger.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <deque>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

QString documents()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QByteArray contentsOf(const QString& fileName)
{
    QFile file(QDir(documents()).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QDateTime at(int year, int month, int day, int hour, int minute, int second, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms));
}

class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(documents()).removeRecursively();
        QFile::remove(documents());
        previous_ = Logger::setClock([this] { return now_; });
    }
    void TearDown() override
    {
        Logger::setClock(std::move(previous_));
        QDir(documents()).removeRecursively();
        QFile::remove(documents());
    }

    QDateTime now_ = at(2027, 3, 5, 14, 3, 9);
    Logger::Clock previous_;
};

TEST_F(LoggerTest, FirstEntryCreatesTheDaysFileAndLaterOnesAppendAsWritten)
{
    Logger::log("first failure with details: ");
    EXPECT_EQ(contentsOf("05-03-2027.log"), "14:03:09: first failure with details: \n");

    now_ = at(2027, 3, 5, 21, 30, 0);
    Logger::log(QString::fromUtf8("فشل\nالطلب"));
    EXPECT_EQ(contentsOf("05-03-2027.log"),
              "14:03:09: first failure with details: \n" + QString::fromUtf8("21:30:00: فشل\nالطلب\n").toUtf8());
    EXPECT_EQ(QDir(documents()).entryList(QDir::Files), QStringList{"05-03-2027.log"});
}

TEST_F(LoggerTest, OneClockReadingDecidesBothFileAndTime)
{
    // A clock that moves on at every reading: reading it twice for one entry would put a
    // line stamped with the new day's time into the old day's file, or the reverse.
    std::deque<QDateTime> readings{at(2027, 12, 31, 23, 59, 59, 999), at(2028, 1, 1, 0, 0, 0),
                                   at(2028, 1, 1, 0, 0, 1)};
    Logger::setClock([&] {
        const QDateTime next = readings.front();
        if (readings.size() > 1)
            readings.pop_front();
        return next;
    });
    Logger::log("before");
    Logger::log("after");
    EXPECT_EQ(contentsOf("31-12-2027.log"), "23:59:59: before\n");
    EXPECT_EQ(contentsOf("01-01-2028.log"), "00:00:00: after\n");
}

TEST_F(LoggerTest, FailsSilentlyWhereNoFileCanBeWritten)
{
    // A file where the Documents folder belongs.
    {
        QFile blocker(documents());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    Logger::log("lost");
    EXPECT_EQ(Logger::getLogFileURL(now_), std::nullopt);
    QFile::remove(documents());

    // A folder where the day's file belongs.
    ASSERT_TRUE(QDir().mkpath(QDir(documents()).filePath("05-03-2027.log")));
    Logger::log("lost too");
    EXPECT_TRUE(QDir(QDir(documents()).filePath("05-03-2027.log")).isEmpty());
}

} // namespace
} // namespace lanterncrest
