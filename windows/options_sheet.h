// The Options sheet: the Athan & Reminder Settings page, then the Date Adjustments page. It is
// run by the "&Options..." command.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "config/config_file.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/notification_settings.h"
#include "platform/sound_player.h"
#include "windows/property_sheet.h"
#include "windows/sound_file_dialog.h"

class QPushButton;

namespace salvenor {

class CAthanSettingsPage;
class CDateAdj;
class CLanguageGroup;

// The sheet with its two pages and an empty caption. The athan page starts with the record's
// three switches and, at its bottom, the language saved in salvenor.ini; the date page with
// today's Hijri day of the clock.
class COptionsSheet final : public CPropertySheet {
    Q_OBJECT

  public:
    COptionsSheet(CConfigFile& config, MessageBoxes& boxes, SoundPlayer& sound, const Clock& clock,
                  const std::string& installationFolder, SoundFileChooser chooseFile = {},
                  QWidget* parent = nullptr);

    CAthanSettingsPage* athanPage() const { return athan_; }
    CDateAdj* dateAdjPage() const { return dateAdj_; }
    QPushButton* putBarInCornerButton() const { return putBarInCorner_; }
    CLanguageGroup* languageGroup() const { return language_; }

  signals:
    // "Put the bar back in the corner": at once, whatever the sheet's end.
    void barCornerRequested();

  private:
    CAthanSettingsPage* athan_;
    CDateAdj* dateAdj_;
    QPushButton* putBarInCorner_;
    CLanguageGroup* language_;
};

struct OptionsSheetResult {
    bool accepted = false;
    // The athan page's switches when the sheet ended with OK (non-zero is on).
    int showAthanAlert = 0;
    int barOnTopReminder = 0;
    int muteAllSounds = 0;
    // The notification choices, and the settings file they are kept in (salvenor.ini in the
    // installation folder).
    NotificationChoices notifications;
    std::string settingsPath;
    // The "Language" choice as salvenor.ini keeps it ("system", "en" or a shipped code), in force
    // from OK on even when it could not be saved.
    std::string languageChoice;
};

// Runs the sheet modally. The athan page stores its two paths in the record when OK runs it;
// nothing is saved until ApplyOptionsResult.
// Without `chooseFile` "Browse..." opens the system's file dialog. `putBarInCorner` is what
// "Put the bar back in the corner" does (nothing without it).
OptionsSheetResult RunOptionsSheet(QWidget* parent, CConfigFile& config, MessageBoxes& boxes,
                                   SoundPlayer& sound, const Clock& clock,
                                   const std::string& installationFolder,
                                   SoundFileChooser chooseFile = {},
                                   std::function<void()> putBarInCorner = {});

// At OK a changed language choice is saved in salvenor.ini at once (the record is not involved);
// it is used from the next start.
// After OK: the record takes the three switches (each on when non-zero) and the file is saved,
// the sheet's one save (the paths and the switches together); the notification choices go to
// salvenor.ini when they changed. After Cancel nothing changes.
// The schedule reads the switches at the next prayer.
void ApplyOptionsResult(CConfigFile& config, const OptionsSheetResult& result);

}  // namespace salvenor
