// "Athan & Reminder Settings": the two call-to-prayer files (chosen, and listened to) and the
// three switches of the prayer-time alert.
#pragma once

#include <string>

#include "config/config_file.h"
#include "platform/notification_settings.h"
#include "platform/sound_player.h"
#include "windows/property_sheet.h"
#include "windows/sound_file_dialog.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace salvenor {

class CPlayButton;

// The three switches as the page holds them: non-zero is on.
struct AthanSwitches {
    int showAthanAlert = 0;
    int barOnTopReminder = 0;
    int muteAllSounds = 0;

    bool operator==(const AthanSwitches&) const = default;
};

class CAthanSettingsPage final : public CPropertyPage {
    Q_OBJECT

  public:
    // `chooseFile` answers "Browse..."; without one the system's dialog does.
    CAthanSettingsPage(CConfigFile& config, SoundPlayer& sound, std::string installationFolder,
                       SoundFileChooser chooseFile = {}, QWidget* parent = nullptr);

    // The page's fields. The paths are taken from the record when the page is set up and
    // stored into it by OnOK; the switches are the caller's to set before and read after (set on
    // a page already shown, they replace only the check boxes).
    const std::string& athanPath() const { return athanPath_; }
    const std::string& fajrAthanPath() const { return fajrAthanPath_; }
    const AthanSwitches& switches() const { return switches_; }
    void setSwitches(const AthanSwitches& switches);
    // Whether Salvenor starts when the user logs in; the caller sets it before and reads it after,
    // like the switches (the setting is the desktop's autostart entry, not the record).
    bool startAtLogin() const { return startAtLogin_; }
    void setStartAtLogin(bool on);
    // The notification choices (salvenor.ini), the caller's to set before and read after like the
    // switches. The notice box shows whether the notice is given; left as shown, an unset choice
    // stays unset (it goes on following the athan window's switch).
    const NotificationChoices& notifications() const { return notifications_; }
    void setNotifications(const NotificationChoices& choices);
    // Shared by both play buttons.
    bool playing() const { return playing_; }

    // Reads the controls into the fields; nothing here can be refused.
    bool OnKillActive() override;

    // Stores both paths in the record; the sheet saves the file.
    void OnOK() override;

    QLineEdit* athanEdit() const { return athanEdit_; }
    QLineEdit* fajrAthanEdit() const { return fajrAthanEdit_; }
    CPlayButton* athanPlayButton() const { return athanPlay_; }
    CPlayButton* fajrAthanPlayButton() const { return fajrAthanPlay_; }
    QPushButton* athanBrowseButton() const { return athanBrowse_; }
    QPushButton* fajrAthanBrowseButton() const { return fajrAthanBrowse_; }
    QCheckBox* showAlertCheck() const { return showAlert_; }
    QCheckBox* barOnTopCheck() const { return barOnTop_; }
    QCheckBox* muteCheck() const { return mute_; }
    QCheckBox* startAtLoginCheck() const { return login_; }
    QGroupBox* notificationsGroup() const { return notificationsGroup_; }
    QCheckBox* notifyAtPrayerCheck() const { return notifyAtPrayer_; }
    QCheckBox* warnBeforeCheck() const { return warnBefore_; }
    QSpinBox* warnMinutesSpin() const { return warnMinutes_; }
    // Made by a play button when the system has no sound device; null until then.
    QLabel* noDeviceLabel() const { return noDevice_; }

  protected:
    void OnInitPage() override;

  private:
    // One of the two sound files: its field and controls.
    struct SoundRow {
        std::string* path;
        QLineEdit* edit;
        const char* initialName;
    };

    void createControls();
    void createLayout();
    void connectSignals();
    void ShowFields();
    void ShowSwitches();
    void ShowNotifications();
    void createNotificationControls();
    void ReadControls();
    void Browse(const SoundRow& row);
    void Play(const std::string& path);

    CConfigFile& config_;
    SoundPlayer& sound_;
    const std::string installationFolder_;
    const SoundFileChooser chooseFile_;

    std::string athanPath_;
    std::string fajrAthanPath_;
    AthanSwitches switches_;
    bool startAtLogin_ = false;
    bool playing_ = false;
    NotificationChoices notifications_;
    bool shownNotice_ = false;  // what the notice box was set to

    QGridLayout* files_ = nullptr;
    QLabel* noDevice_ = nullptr;
    QLineEdit* athanEdit_ = nullptr;
    QLineEdit* fajrAthanEdit_ = nullptr;
    CPlayButton* athanPlay_ = nullptr;
    CPlayButton* fajrAthanPlay_ = nullptr;
    QPushButton* athanBrowse_ = nullptr;
    QPushButton* fajrAthanBrowse_ = nullptr;
    QCheckBox* showAlert_ = nullptr;
    QCheckBox* barOnTop_ = nullptr;
    QCheckBox* mute_ = nullptr;
    QCheckBox* login_ = nullptr;
    QGroupBox* notificationsGroup_ = nullptr;
    QCheckBox* notifyAtPrayer_ = nullptr;
    QCheckBox* warnBefore_ = nullptr;
    QSpinBox* warnMinutes_ = nullptr;
};

// The text with the blank nearest its middle turned into a line break (unchanged without one).
QString OnTwoLines(const QString& text);

}  // namespace salvenor
