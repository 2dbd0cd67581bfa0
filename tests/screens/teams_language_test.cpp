#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "platform/foundation/user_defaults.h"
#include "screens/teams/localization_system.h"

namespace lanterncrest::test {
namespace {

class TeamsLanguage : public ::testing::Test {
protected:
    void TearDown() override { UserDefaults::standard().removeObject(UserDefaults::appleLanguagesKey); }

    static void prefer(const QStringList& languages)
    {
        UserDefaults::standard().set(UserDefaults::appleLanguagesKey, languages);
    }
};

TEST_F(TeamsLanguage, TheCodeIsTheFirstPreferredLanguageBeforeItsFirstHyphen)
{
    const struct {
        QStringList preferred;
        QString code;
    } cases[] = {
        {{"ar-SA"}, "ar"},
        {{"ar-QA", "en-US"}, "ar"},
        {{"ar"}, "ar"},
        {{"en-GB"}, "en"},
        {{"zh-Hans-CN"}, "zh"},
        {{"en-US", "ar-QA"}, "en"},
        {{"ar_QA"}, "ar_QA"},
        {{"AR-QA"}, "AR"},
        {{"-ar"}, ""},
        {{"arz"}, "arz"},
        {{" ar-SA"}, " ar"},
    };
    for (const auto& c : cases) {
        prefer(c.preferred);
        EXPECT_EQ(LocalizationSystem::shared().getLanguage(), c.code) << c.preferred.join(',').toStdString();
    }
}

TEST_F(TeamsLanguage, OnlyTheCodeArPicksTheArabicNameAndNeitherNameStandsInForTheOther)
{
    const std::optional<std::string> arabic = "الأسود الحمر";
    const std::optional<std::string> english = "Red Lions";
    const struct {
        QString preferred;
        std::optional<std::string> ar, en;
        std::optional<QString> shown;
    } cases[] = {
        {"ar-SA", arabic, english, QString::fromUtf8("الأسود الحمر")},
        {"ar", arabic, english, QString::fromUtf8("الأسود الحمر")},
        {"en", arabic, english, "Red Lions"},
        {"arz", arabic, english, "Red Lions"},
        {"AR", arabic, english, "Red Lions"},
        {"fr-FR", arabic, english, "Red Lions"},
        {"ar-SA", std::nullopt, english, std::nullopt},
        {"en", arabic, std::nullopt, std::nullopt},
        {"en", arabic, std::string(), QString()},
    };
    for (const auto& c : cases) {
        prefer({c.preferred});
        EXPECT_EQ(localizedName(c.ar, c.en), c.shown) << c.preferred.toStdString();
    }
}

TEST_F(TeamsLanguage, EachCallReadsThePreferredLanguagesAfresh)
{
    prefer({"ar-SA"});
    EXPECT_EQ(localizedName("عربي", "English"), QString::fromUtf8("عربي"));
    prefer({"en-US"});
    EXPECT_EQ(localizedName("عربي", "English"), "English");
}

TEST_F(TeamsLanguage, WithoutAStoredListTheSystemLanguagesDecide)
{
    const QStringList system = QLocale::system().uiLanguages();
    const QString expected = system.isEmpty() ? QString() : LocalizationSystem::languageCode(system.first());
    EXPECT_EQ(LocalizationSystem::shared().getLanguage(), expected);
}

TEST(TeamsUpperCase, NamesInCapitalsUseTheFullMappingWhateverTheLocale)
{
    const QLocale previous;
    for (const char* locale : {"tr_TR", "de_DE", "ar_SA", "C"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        EXPECT_EQ(upperCased(QString::fromUtf8("Straße")), "STRASSE") << locale;
        EXPECT_EQ(upperCased(QString("istanbul")), "ISTANBUL") << locale;
        EXPECT_EQ(upperCased(QString("Red Lions")), "RED LIONS") << locale;
        EXPECT_EQ(upperCased(QString::fromUtf8("ﬁnal")), "FINAL") << locale;
        EXPECT_EQ(upperCased(QString::fromUtf8("الأسود")), QString::fromUtf8("الأسود")) << locale;
    }
    QLocale::setDefault(previous);
    EXPECT_EQ(upperCased(std::nullopt), std::nullopt);
}

} // namespace
} // namespace lanterncrest::test
