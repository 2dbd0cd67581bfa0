#include "screens/teams/localization_system.h"

#include "platform/foundation/user_defaults.h"
#include "platform/ui/label_lines.h"

namespace lanterncrest {

LocalizationSystem &LocalizationSystem::shared()
{
    static LocalizationSystem instance;
    return instance;
}

QString LocalizationSystem::getLanguage() const
{
    return languageCode(UserDefaults::standard().preferredLanguage());
}

QString LocalizationSystem::languageCode(const QString &preferredLanguage)
{
    const qsizetype hyphen = preferredLanguage.indexOf(u'-');
    return hyphen < 0 ? preferredLanguage : preferredLanguage.left(hyphen);
}

std::optional<QString> localizedName(const std::optional<std::string> &arName,
                                     const std::optional<std::string> &enName)
{
    const bool arabic = LocalizationSystem::shared().getLanguage() == u"ar";
    const std::optional<std::string> &chosen = arabic ? arName : enName;
    if (!chosen)
        return std::nullopt;
    return QString::fromStdString(*chosen);
}

std::optional<QString> upperCased(const std::optional<QString> &text)
{
    // QString::toUpper() is Unicode's full mapping and ignores the locale; QLocale's is not.
    // Only what a label can show is converted and kept, so a name of megabytes costs no more
    // than one a label can hold; one character more tells the label that the name goes on.
    if (!text)
        return std::nullopt;
    return text->left(maximumShownCharacters + 1).toUpper();
}

} // namespace lanterncrest
