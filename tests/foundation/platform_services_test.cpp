#include "platform/foundation/console.h"
#include "platform/foundation/documents_directory.h"
#include "platform/foundation/main_queue.h"
#include "tests/support/console_capture.h"
#include "tests/support/loopback_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

QString documentsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

TEST(DocumentsDirectory, IsCreatedWhenMissing)
{
    QDir(documentsPath()).removeRecursively();
    const auto path = documentsDirectory();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, documentsPath());
    EXPECT_TRUE(QFileInfo(*path).isDir());
}

TEST(DocumentsDirectory, IsAbsentWhenAFileStandsInItsPlace)
{
    QDir(documentsPath()).removeRecursively();
    QFile blocker(documentsPath());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    EXPECT_EQ(documentsDirectory(), std::nullopt);
    QFile::remove(documentsPath());
}

TEST(Console, CaptureReceivesLinesAndRestoresThePreviousSink)
{
    QStringList outer;
    const Console::Sink before = Console::setSink([&](const QString& line) { outer.append(line); });
    {
        test::ConsoleCapture capture;
        Console::print("first");
        Console::print(QString());
        Console::print("مرحبا");
        EXPECT_EQ(capture.lines(), (QStringList{"first", "", "مرحبا"}));
    }
    Console::print("after");
    EXPECT_EQ(outer, QStringList{"after"});
    Console::setSink(before);
}

TEST(MainQueue, BlocksRunLaterInTheOrderOfTheirDelays)
{
    QStringList order;
    MainQueue::asyncAfter(0.03, [&] { order.append("late"); });
    MainQueue::asyncAfter(0.01, [&] { order.append("soon"); });
    MainQueue::asyncAfter(-1, [&] { order.append("now"); });
    EXPECT_TRUE(order.isEmpty()); // never inside the call

    EXPECT_TRUE(test::waitUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (QStringList{"now", "soon", "late"}));
}

} // namespace
} // namespace lanterncrest
