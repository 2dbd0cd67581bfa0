#include "platform/foundation/user_defaults.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace lanterncrest {
namespace {

// What a later launch sees: the settings file copied aside, so that no in-process cache
// of the live file can answer in its place.
QString copyOfStandardSettingsFile(const QTemporaryDir& dir)
{
    const QString copy = dir.filePath("relaunch.conf");
    QFile::remove(copy);
    EXPECT_TRUE(QFile::copy(QSettings().fileName(), copy));
    return copy;
}

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
    EXPECT_EQ(defaults.string("map"), std::nullopt);
    EXPECT_EQ(defaults.dictionary("map"), (QVariantMap{{"k", QStringLiteral("v")}}));
    EXPECT_TRUE(defaults.stringList("number").isEmpty());
    EXPECT_EQ(defaults.string("missing"), std::nullopt);
    EXPECT_FALSE(defaults.object("missing").isValid());

    defaults.removeObject("text");
    EXPECT_EQ(defaults.string("text"), std::nullopt);
}

TEST(UserDefaults, ValuesSurviveARelaunchWithTheirKinds)
{
    UserDefaults& defaults = UserDefaults::standard();
    const QVariantMap map{{"text", QStringLiteral("نص")}, {"number", qlonglong(3600)}};
    defaults.set("relaunch.map", map);
    defaults.set("relaunch.list", QStringList{"ar-EG"});
    ASSERT_TRUE(defaults.synchronize());

    QTemporaryDir dir;
    UserDefaults relaunched(copyOfStandardSettingsFile(dir));
    const auto read = relaunched.dictionary("relaunch.map");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->value("text").typeId(), QMetaType::QString);
    EXPECT_EQ(read->value("number").typeId(), QMetaType::LongLong);
    EXPECT_EQ(*read, map);
    // A one-element list comes back from the INI file as a bare text.
    EXPECT_EQ(relaunched.stringList("relaunch.list"), QStringList{"ar-EG"});
}

TEST(UserDefaults, PreferredLanguagesFallBackToTheSystemUntilSet)
{
    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath("languages.conf"));
    const QString key = UserDefaults::appleLanguagesKey;
    EXPECT_EQ(defaults.stringList(key), QLocale::system().uiLanguages());

    defaults.set(key, QStringList{"ar-SA", "en-US"});
    EXPECT_EQ(defaults.stringList(key), (QStringList{"ar-SA", "en-US"}));
    EXPECT_EQ(defaults.preferredLanguage(), "ar-SA");

    defaults.set(key, qlonglong(7)); // some other writer's value: no languages at all
    EXPECT_TRUE(defaults.stringList(key).isEmpty());
    EXPECT_EQ(defaults.preferredLanguage(), QString());
}

} // namespace
} // namespace lanterncrest
