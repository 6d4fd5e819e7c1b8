// The Options sheet and its entry points.
#include "windows/options_sheet.h"

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QString>
#include <QVBoxLayout>
#include <utility>

#include "core/texts.h"
#include "platform/autostart.h"
#include "platform/qt/ui_text.h"
#include "platform/settings_file.h"
#include "windows/athan_settings_page.h"
#include "windows/date_adj_page.h"
#include "windows/language_group.h"
#include "windows/settings_saving.h"

namespace salvenor {

namespace {

// A tab's title shown as written: "&" would otherwise mark a mnemonic.
QString TabTitle(const char* text) {
    return UiText(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::uint8_t Flag(int value) {
    return value != 0 ? 1 : 0;
}

}  // namespace

COptionsSheet::COptionsSheet(CConfigFile& config, MessageBoxes& boxes, SoundPlayer& sound,
                             const Clock& clock, const std::string& installationFolder,
                             SoundFileChooser chooseFile, QWidget* parent)
    : CPropertySheet(QString(), parent),
      athan_(new CAthanSettingsPage(config, sound, installationFolder, std::move(chooseFile))),
      dateAdj_(new CDateAdj(boxes)),
      putBarInCorner_(new QPushButton(UiText(texts::PutBarInCornerButton))),
      language_(new CLanguageGroup(athan_)) {
    // The caption is empty; assistive tools still learn which sheet this is.
    setAccessibleName(UiText(texts::OptionsSheetName));
    AddPage(athan_, TabTitle(texts::AthanSettingsTitle));
    AddPage(dateAdj_, TabTitle(texts::DateAdjTitle));
    // The bar's place: a small group of its own at the bottom of the first page.
    auto* barGroup = new QGroupBox(UiText(texts::BarPlaceGroup), athan_);
    auto* barLayout = new QVBoxLayout(barGroup);
    barLayout->addWidget(putBarInCorner_);
    if (auto* pageLayout = qobject_cast<QBoxLayout*>(athan_->layout())) {
        pageLayout->addWidget(barGroup);
    }
    connect(putBarInCorner_, &QPushButton::clicked, this, &COptionsSheet::barCornerRequested);
    athan_->setSwitches({config.showAthanAlert, config.barOnTopReminder, config.muteAllSounds});
    athan_->setStartAtLogin(AutostartEnabled());
    athan_->setNotifications(
        ReadNotificationChoices(SettingsFile(installationFolder + "/" + SettingsFileName)));
    dateAdj_->setDay(HijriDayOfMonth(clock.now(), config.calculationOptions.hijriAdjustDays));
    // The language sits in a small group at the bottom of the first page, under the bar's.
    athan_->layout()->addWidget(language_);
    language_->setChoice(SavedLanguageChoiceIn(installationFolder));
}

OptionsSheetResult RunOptionsSheet(QWidget* parent, CConfigFile& config, MessageBoxes& boxes,
                                   SoundPlayer& sound, const Clock& clock,
                                   const std::string& installationFolder,
                                   SoundFileChooser chooseFile,
                                   std::function<void()> putBarInCorner) {
    COptionsSheet sheet(config, boxes, sound, clock, installationFolder, std::move(chooseFile),
                        parent);
    if (putBarInCorner) {
        QObject::connect(&sheet, &COptionsSheet::barCornerRequested, &sheet,
                         std::move(putBarInCorner));
    }
    OptionsSheetResult result;
    result.accepted = sheet.exec() == QDialog::Accepted;
    if (result.accepted) {
        const AthanSwitches& switches = sheet.athanPage()->switches();
        result.showAthanAlert = switches.showAthanAlert;
        result.barOnTopReminder = switches.barOnTopReminder;
        result.muteAllSounds = switches.muteAllSounds;
        result.notifications = sheet.athanPage()->notifications();
        result.settingsPath = installationFolder + "/" + SettingsFileName;
        // The login start is the desktop's own file, written here rather than in the record.
        result.languageChoice = sheet.languageGroup()->choice();
        SaveLanguageChoiceIn(installationFolder, result.languageChoice, &boxes);
        const bool login = sheet.athanPage()->startAtLogin();
        if (login != AutostartEnabled() && !SetAutostart(login)) {
            boxes.show(UiText(texts::StartAtLoginFailed)
                           .arg(QString::fromStdString(AutostartEntryPath()))
                           .toStdString(),
                       MessageIcon::Exclamation);
        }
    }
    return result;
}

void ApplyOptionsResult(CConfigFile& config, const OptionsSheetResult& result) {
    if (!result.accepted) {
        return;
    }
    config.showAthanAlert = Flag(result.showAthanAlert);
    config.barOnTopReminder = Flag(result.barOnTopReminder);
    config.muteAllSounds = Flag(result.muteAllSounds);
    config.SaveSettings();
    // Only a change is written: with the choices as they were, no salvenor.ini is made.
    SettingsFile settings(result.settingsPath);
    if (!result.settingsPath.empty() && ReadNotificationChoices(settings) != result.notifications) {
        WriteNotificationChoices(settings, result.notifications);
        SaveSettingsOrSay(settings, config.messageBoxes());
    }
}

}  // namespace salvenor
