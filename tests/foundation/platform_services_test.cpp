#include "platform/foundation/documents_directory.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/user_defaults.h"
#include "platform/foundation/utf8_text.h"
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
    defaults.set("map", QVariantMap{ { "k", QStringLiteral("v") } });

    EXPECT_EQ(defaults.string("text"), QStringLiteral("value"));
    EXPECT_EQ(defaults.dictionary("text"), std::nullopt);
    EXPECT_EQ(defaults.string("number"), std::nullopt);
    EXPECT_TRUE(defaults.stringList("number").isEmpty());
    EXPECT_EQ(defaults.string("map"), std::nullopt);
    EXPECT_EQ(defaults.dictionary("map"), (QVariantMap{ { "k", QStringLiteral("v") } }));
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

TEST(Utf8Text, EachMaximalIllFormedSequenceReadsAsOneReplacement)
{
    const std::pair<QByteArray, QString> rows[] = {
        { "ok\xE2\x82!", u"ok\uFFFD!"_qs }, // a sequence cut short
        { "\xF0\x9F\x98", u"\uFFFD"_qs }, // cut short at the end
        { "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"_qs }, // a surrogate
        { "\xC0\xAF\xF5\xFF", u"\uFFFD\uFFFD\uFFFD\uFFFD"_qs }, // overlong, out-of-range bytes
        { "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"_qs }, // past U+10FFFF
        { "\xEF\xBB\xBF\xC3\xA9\xF0\x9F\x98\x80\xEF\xBB\xBF",
          u"\u00E9\U0001F600\uFEFF"_qs }, // only a leading BOM goes
    };
    for (const auto &[bytes, text] : rows)
        EXPECT_EQ(utf8Text(bytes), text) << bytes.toHex(' ').toStdString();
}

TEST(MainQueue, BlocksRunLaterInTheOrderOfTheirDelays)
{
    QStringList order;
    MainQueue::asyncAfter(0.03, [&] { order.append("late"); });
    MainQueue::asyncAfter(0.01, [&] { order.append("soon"); });
    MainQueue::asyncAfter(-1, [&] { order.append("now"); });
    EXPECT_TRUE(order.isEmpty()); // never inside the call
    EXPECT_TRUE(test::waitUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (QStringList{ "now", "soon", "late" }));
}

} // namespace
} // namespace lanterncrest
