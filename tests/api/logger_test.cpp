#include "api/logger.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <deque>
#include <gtest/gtest.h>
#include <unistd.h>

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
        QFile(documents()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(documents()).removeRecursively();
        QFile::remove(documents());
    }

    QDateTime now_ = at(2027, 3, 5, 14, 3, 9);
    Logger::Clock previous_;
};

TEST_F(LoggerTest, FirstEntryCreatesTheDaysFileAndLaterOnesAppend)
{
    Logger::log("first failure with details: ");
    EXPECT_EQ(contentsOf("05-03-2027.log"), "14:03:09: first failure with details: \n");

    now_ = at(2027, 3, 5, 21, 30, 0);
    Logger::log("second");
    EXPECT_EQ(contentsOf("05-03-2027.log"), "14:03:09: first failure with details: \n21:30:00: second\n");
    EXPECT_EQ(QDir(documents()).entryList(QDir::Files), QStringList{"05-03-2027.log"});
}

TEST_F(LoggerTest, MessagesAreWrittenAsTheyAre)
{
    Logger::log(QString());
    Logger::log(QString::fromUtf8("فشل الطلب"));
    Logger::log("two\nlines");
    EXPECT_EQ(contentsOf("05-03-2027.log"),
              QByteArray("14:03:09: \n") + QString::fromUtf8("14:03:09: فشل الطلب\n").toUtf8()
                  + "14:03:09: two\nlines\n");
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

TEST_F(LoggerTest, FailsSilentlyWithoutAWritableDocumentsFolder)
{
    // A file where the folder belongs: there is no Documents folder at all.
    {
        QFile blocker(documents());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    Logger::log("lost");
    EXPECT_EQ(Logger::getLogFileURL(now_), std::nullopt);
    QFile::remove(documents());

    // A folder where the day's file belongs: it cannot be opened for appending.
    ASSERT_TRUE(QDir().mkpath(QDir(documents()).filePath("05-03-2027.log")));
    Logger::log("lost too");
    EXPECT_TRUE(QDir(QDir(documents()).filePath("05-03-2027.log")).isEmpty());
}

TEST_F(LoggerTest, FailsSilentlyInAReadOnlyDocumentsFolder)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    ASSERT_TRUE(QDir().mkpath(documents()));
    Logger::log("kept");
    ASSERT_TRUE(QFile(documents()).setPermissions(QFile::ReadOwner | QFile::ExeOwner));
    now_ = at(2027, 3, 6, 8, 0, 0);
    Logger::log("lost");
    EXPECT_EQ(contentsOf("06-03-2027.log"), "<missing>");
    EXPECT_EQ(contentsOf("05-03-2027.log"), "14:03:09: kept\n");
}

} // namespace
} // namespace lanterncrest
