#include "platform/foundation/documents_directory.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/user_defaults.h"
#include "tests/support/loopback_service.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

TEST(UserDefaults, ReadsAreTypeChecked)
{
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath("defaults.conf"));
    defaults.set("text", QStringLiteral("value"));
    defaults.set("number", qlonglong(42));
    defaults.set("map", QVariantMap{{"k", QStringLiteral("v")}});

    EXPECT_EQ(defaults.string("text"), QStringLiteral("value"));
    EXPECT_EQ(defaults.dictionary("text"), std::nullopt);
    EXPECT_EQ(defaults.string("number"), std::nullopt);
    EXPECT_TRUE(defaults.stringList("number").isEmpty());
    EXPECT_EQ(defaults.string("map"), std::nullopt);
    EXPECT_EQ(defaults.dictionary("map"), (QVariantMap{{"k", QStringLiteral("v")}}));
}

TEST(DocumentsDirectory, IsCreatedWhenMissingAndAbsentWhenAFileStandsInItsPlace)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QDir(documents).removeRecursively();
    EXPECT_EQ(documentsDirectory(), documents);
    EXPECT_TRUE(QFileInfo(documents).isDir());

    QDir(documents).removeRecursively();
    QFile blocker(documents);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(documentsDirectory(), std::nullopt);
    QFile::remove(documents);
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
