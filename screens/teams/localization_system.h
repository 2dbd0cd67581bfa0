#pragma once

#include <QString>
#include <optional>
#include <string>

#include "platform/export.h"

namespace lanterncrest {

// The language the framework shows names in. It keeps no language of its own: it follows the
// first of the user's preferred languages, the user default "AppleLanguages" (the system's UI
// languages while the application has stored none), read afresh at every call so that a change
// shows at the next fill of each view.
class LANTERNCREST_EXPORT LocalizationSystem
{
public:
    // The one instance of the process, created on first use.
    static LocalizationSystem &shared();

    // The first preferred language up to its first "-" ("ar-SA" gives "ar", "zh-Hans-CN" gives
    // "zh"), or the whole entry when it has none ("ar_QA" stays "ar_QA"). Neither trimmed nor
    // case-folded; empty when no preferred language is known.
    QString getLanguage() const;

    // The language code of one preferred-language entry, by the rule above.
    static QString languageCode(const QString &preferredLanguage);

    LocalizationSystem(const LocalizationSystem &) = delete;
    LocalizationSystem &operator=(const LocalizationSystem &) = delete;

private:
    LocalizationSystem() = default;
};

// The name a view shows for a record that holds it twice: the Arabic member when the current
// language code is exactly "ar", the English member for any other code. The other language
// never stands in for a missing member. Reads the language once per call: call it once per fill.
LANTERNCREST_EXPORT std::optional<QString> localizedName(const std::optional<std::string> &arName,
                                                         const std::optional<std::string> &enName);

// A name shown in capitals: the full, locale-independent upper-case mapping ("Straße" gives
// "STRASSE" under any locale), of as much of it as a label can show: a longer name is cut there.
LANTERNCREST_EXPORT std::optional<QString> upperCased(const std::optional<QString> &text);

} // namespace lanterncrest
