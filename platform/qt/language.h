// The languages the program ships besides English, the user's choice of one in salvenor.ini, and
// installing the chosen translation when the program starts.
#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "core/words.h"
#include "platform/settings_file.h"

namespace salvenor {

struct UiLanguage {
    const char* code;        // the translations' file suffix: "ar" for salvenor_ar.qm
    const char* nativeName;  // as the language calls itself, never translated
};

// Every shipped translation, in the order the Options sheet lists them after System and English.
inline constexpr std::array<UiLanguage, 6> ShippedLanguages{{
    {"ar", "العربية"},
    {"ur", "اردو"},
    {"id", "Bahasa Indonesia"},
    {"tr", "Türkçe"},
    {"fr", "Français"},
    {"ms", "Bahasa Melayu"},
}};

// salvenor.ini's key for the choice: missing or "system" follows the system, "en" is English,
// otherwise a shipped code.
inline constexpr char LanguageKey[] = "interface/language";
inline constexpr char SystemLanguageChoice[] = "system";
inline constexpr char EnglishLanguageChoice[] = "en";

// The saved choice; a missing or unknown value reads as "system".
std::string SavedLanguageChoice(const SettingsFile& settings);

// The shipped language a choice shows: its code, or "" for English. "system" takes the first of
// the system's preferred languages that is shipped or English.
std::string LanguageOf(std::string_view choice, const QLocale& system);

// The folder of the translations below the installation folder.
QString TranslationsFolder(const std::string& installationFolder);

// Installs the program's translation for `code` from the installation folder (and Qt's own, for
// the standard buttons, where the system has it) in place of any installed before, and lays the
// windows out right to left for a right-to-left language; "" (or a code whose file is missing)
// goes back to English, left to right. Returns the code installed, "" for English.
std::string InstallLanguage(const std::string& installationFolder, const std::string& code);

// The code of the language installed, "" for English.
std::string InstalledLanguage();

// The locale of the language installed: English (C digits) unless a translation is.
QLocale UiLocale();

// `text` with its ASCII digits written in the installed language's digits.
QString UiDigits(QString text);

// The words and digits of the language installed, for the pages and texts that the
// standard-C++ layers make; English (empty) when no translation is installed.
WordsOf UiWords();

}  // namespace salvenor
