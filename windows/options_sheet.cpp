// The Options sheet and its entry points.
#include "windows/options_sheet.h"

#include <QString>
#include <utility>

#include "core/texts.h"
#include "platform/autostart.h"
#include "platform/settings_file.h"
#include "windows/athan_settings_page.h"
#include "windows/date_adj_page.h"

namespace salvenor {

namespace {

// A tab's title shown as written: "&" would otherwise mark a mnemonic.
QString TabTitle(const char* text) {
    return QString::fromUtf8(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
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
      dateAdj_(new CDateAdj(boxes)) {
    // The caption is empty; assistive tools still learn which sheet this is.
    setAccessibleName(QString::fromUtf8(texts::OptionsSheetName));
    AddPage(athan_, TabTitle(texts::AthanSettingsTitle));
    AddPage(dateAdj_, TabTitle(texts::DateAdjTitle));
    athan_->setSwitches({config.showAthanAlert, config.barOnTopReminder, config.muteAllSounds});
    athan_->setStartAtLogin(AutostartEnabled());
    athan_->setNotifications(
        ReadNotificationChoices(SettingsFile(installationFolder + "/" + SettingsFileName)));
    dateAdj_->setDay(HijriDayOfMonth(clock.now(), config.calculationOptions.hijriAdjustDays));
}

OptionsSheetResult RunOptionsSheet(QWidget* parent, CConfigFile& config, MessageBoxes& boxes,
                                   SoundPlayer& sound, const Clock& clock,
                                   const std::string& installationFolder,
                                   SoundFileChooser chooseFile) {
    COptionsSheet sheet(config, boxes, sound, clock, installationFolder, std::move(chooseFile),
                        parent);
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
        const bool login = sheet.athanPage()->startAtLogin();
        if (login != AutostartEnabled() && !SetAutostart(login)) {
            boxes.show(QString::fromUtf8(texts::StartAtLoginFailed)
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
        settings.Save();
    }
}

}  // namespace salvenor
