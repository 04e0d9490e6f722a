#pragma once

#include <QLocale>
#include <QString>
#include <array>

// The languages the program speaks. Their catalogues are compiled into the program
// (":/i18n/brackmere_<code>.qm"); English is the texts as written in the code, so it
// needs none.
namespace Language {

struct Entry {
    const char* code;        // "en", the value of the setting window/language
    const char* nativeName;  // as its speakers write it, for the menu
    const char* objectName;  // the menu item's name
};
inline constexpr std::array<Entry, 4> All{{
    {"en", "&English", "mnuLanguageEn"},
    {"es", "E&spa\u00f1ol", "mnuLanguageEs"},
    {"fr", "&Fran\u00e7ais", "mnuLanguageFr"},
    {"de", "&Deutsch", "mnuLanguageDe"},
}};

// The language of the environment (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), when the
// program speaks it; "en" otherwise.
QString FromEnvironment();
// The language chosen in the menu, or the environment's until one was chosen.
QString Chosen();
// Makes `code` the language of every text shown from now on (widgets that are already
// shown receive a LanguageChange event) and of the numbers shown; false for a code the
// program does not speak, which leaves English.
bool Apply(const QString& code);
// The language applied last ("en" before any).
QString Current();
// The locale numbers are written and read in: C (a decimal point, no group separators)
// in English, as the program always wrote them; otherwise the system's locale where it
// speaks the language, else the language's usual one, without group separators.
QLocale Numbers();

}  // namespace Language
