// First-run setup.
#include "app/first_run.h"

#include "config/config_file.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "platform/qt/ui_text.h"
#include "platform/sound_player.h"
#include "windows/setup_sheet.h"
#include "windows/small_windows.h"

namespace salvenor {

bool RunFirstRunSetup(CConfigFile& config, MessageBoxes& boxes, SoundPlayer& sound,
                      const Clock& clock, const std::string& installationFolder) {
    if (!AskInitInstallation(nullptr)) {
        return false;
    }
    // A damaged file of the user's is kept aside rather than overwritten by the new one.
    bool notKept = false;
    if (const auto aside = config.SetAsideForFirstRun(&notKept)) {
        boxes.show(StrPrintf(UiString(texts::DamagedConfigKept).c_str(), aside->c_str()),
                   MessageIcon::Information);
    } else if (notKept) {
        boxes.show(texts::DamagedConfigNotKept, MessageIcon::Exclamation);
        return false;
    }
    // The defaults go in before the sheet: the sheet's OK saves the record at once, and with them
    // in place that file is a working one even if the program ends before setup does.
    StartFirstRunRecord(config);

    const SetupSheetResult sheet =
        RunSetupSheet(nullptr, config, boxes, clock, installationFolder, SetupSheetMode::FirstRun);
    ApplySetupResult(config, sheet);

    sound.beep(FirstRunBeepHz, FirstRunBeepMs);
    ShowWebsiteReminder(nullptr);

    // A cancelled sheet saved nothing: the record of no place is saved now, so that the next
    // start offers Setup again instead of first-run setup.
    if (!sheet.accepted) {
        config.SaveSettings();
    }
    return true;
}

}  // namespace salvenor
