// The Options sheet's language choice.
#include "windows/language_group.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/texts.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"
#include "platform/settings_file.h"
#include "windows/settings_saving.h"

namespace salvenor {

CLanguageGroup::CLanguageGroup(QWidget* parent)
    : QGroupBox(UiText(texts::LanguageGroup), parent),
      list_(new QComboBox(this)),
      note_(new QLabel(UiText(texts::LanguageNote), this)) {
    list_->setAccessibleName(UiText(texts::LanguageGroup));
    list_->addItem(UiText(texts::SystemLanguage), QString::fromLatin1(SystemLanguageChoice));
    list_->addItem(QString::fromUtf8(texts::EnglishLanguage),
                   QString::fromLatin1(EnglishLanguageChoice));
    for (const UiLanguage& language : ShippedLanguages) {
        list_->addItem(QString::fromUtf8(language.nativeName), QString::fromLatin1(language.code));
    }
    note_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(note_);
}

std::string CLanguageGroup::choice() const {
    return list_->currentData().toString().toStdString();
}

void CLanguageGroup::setChoice(const std::string& choice) {
    const int index = list_->findData(QString::fromStdString(choice));
    list_->setCurrentIndex(index < 0 ? 0 : index);
}

std::string SavedLanguageChoiceIn(const std::string& installationFolder) {
    return SavedLanguageChoice(SettingsFile(installationFolder + "/" + SettingsFileName));
}

bool SaveLanguageChoiceIn(const std::string& installationFolder, const std::string& choice,
                          MessageBoxes* boxes) {
    SettingsFile settings(installationFolder + "/" + SettingsFileName);
    if (SavedLanguageChoice(settings) == choice) {
        return true;
    }
    // Following the system is what a file without the key does.
    if (choice == SystemLanguageChoice) {
        settings.remove(LanguageKey);
    } else {
        settings.setValue(LanguageKey, choice);
    }
    return boxes != nullptr ? SaveSettingsOrSay(settings, *boxes) : settings.Save();
}

}  // namespace salvenor
