// Choosing and installing the language of the windows.
#include "platform/qt/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <vector>

#include "platform/qt/ui_text.h"

namespace salvenor {

namespace {

bool Shipped(std::string_view code) {
    for (const UiLanguage& language : ShippedLanguages) {
        if (code == language.code) {
            return true;
        }
    }
    return false;
}

// What is installed now: the translators (owned by the application) and the language's locale.
struct Installed {
    std::vector<QPointer<QTranslator>> translators;
    std::string code;
    QLocale locale{QLocale::English, QLocale::UnitedStates};
};

Installed& Current() {
    static Installed installed;
    return installed;
}

bool Load(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    Current().translators.emplace_back(translator);
    return true;
}

}  // namespace

std::string SavedLanguageChoice(const SettingsFile& settings) {
    const std::string value = settings.value(LanguageKey).value_or(SystemLanguageChoice);
    return value == EnglishLanguageChoice || Shipped(value) ? value : SystemLanguageChoice;
}

std::string LanguageOf(std::string_view choice, const QLocale& system) {
    if (choice == EnglishLanguageChoice) {
        return {};
    }
    if (Shipped(choice)) {
        return std::string(choice);
    }
    for (const QString& preferred : system.uiLanguages()) {
        const std::string code = preferred.section(QLatin1Char('-'), 0, 0).toLower().toStdString();
        if (code == EnglishLanguageChoice) {
            return {};
        }
        if (Shipped(code)) {
            return code;
        }
    }
    return {};
}

QString TranslationsFolder(const std::string& installationFolder) {
    return QDir(QString::fromStdString(installationFolder))
        .filePath(QStringLiteral("translations"));
}

std::string InstallLanguage(const std::string& installationFolder, const std::string& code) {
    Installed& installed = Current();
    for (const QPointer<QTranslator>& translator : installed.translators) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator.data();
        }
    }
    installed.translators.clear();
    installed.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    installed.code.clear();

    const QString name = QString::fromStdString(code);
    const bool loaded =
        !code.empty() && Shipped(code) &&
        Load(QStringLiteral("salvenor_") + name, TranslationsFolder(installationFolder));
    if (loaded) {
        installed.locale = QLocale(name);
        installed.code = code;
        // Qt's own texts (the standard buttons), where the system has them.
        Load(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    QGuiApplication::setLayoutDirection(installed.locale.textDirection());
    return loaded ? code : std::string();
}

std::string InstalledLanguage() {
    return Current().code;
}

QLocale UiLocale() {
    return Current().locale;
}

QString UiDigits(QString text) {
    const QString zero = UiLocale().zeroDigit();
    if (zero.size() != 1 || zero == QLatin1String("0")) {
        return text;
    }
    for (QChar& c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            c = QChar(zero.at(0).unicode() + (c.unicode() - u'0'));
        }
    }
    return text;
}

WordsOf UiWords() {
    if (InstalledLanguage().empty()) {
        return {};
    }
    return WordsOf(
        [](const char* english) { return UiString(english); },
        [](std::string ascii) { return UiDigits(QString::fromStdString(ascii)).toStdString(); });
}

}  // namespace salvenor
