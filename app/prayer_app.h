// The program: start-up in its order (working folder, one copy at a time, the configuration or
// first-run setup, the tray icon, the bar), the commands of every menu, and the two ways to end.
#pragma once

#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "app/commands.h"
#include "config/config_file.h"

class QAction;
class QMenu;
class QWidget;

namespace salvenor {

class CBarClearance;
class CPrayerBarDlg;
class CSingleInstance;
class Clock;
class DesktopNotifier;
class FirstShownReporter;
class MessageBoxes;
class SettingsFile;
class Notifier;
class SoundPlayer;

// The working folder's path may be at most this long; a longer one, or one that cannot be read,
// ends the program with the path message.
inline constexpr std::size_t MaxWorkingDirectoryLength = 254;
bool IsUsableWorkingDirectory(const std::optional<std::string>& path);

// The current directory, or nothing when it cannot be read (removed, for one).
std::optional<std::string> CurrentDirectory();

// Our own settings beside zav.cfg, for what its record has no field for.
inline constexpr const char* NoTrayExplainedKey = "notices/noTrayExplained";
// The top-left corner of the bar where the user last left it, in screen pixels.
inline constexpr const char* BarXKey = "bar/x";
inline constexpr const char* BarYKey = "bar/y";

// The bar's place in the settings: none when either coordinate is missing or unreadable.
std::optional<QPoint> SavedBarPlace(const SettingsFile& settings);
// Stores the place, or removes it (the bar starts in its corner again).
void StoreBarPlace(SettingsFile& settings, std::optional<QPoint> place);

// While the desktop shows no tray the program keeps looking for one, often at first (a panel may
// come up after the program at login) and rarely after; the notice that there is no tray waits
// for the end of the first minutes.
inline constexpr int TrayWatchFastMs = 5000;
inline constexpr std::int64_t TrayWatchFastSeconds = 180;
inline constexpr int TrayWatchSlowMs = 60000;

// With this set in the environment, a copy reports on stderr each time a later start calls it
// forward ("activated").
inline constexpr const char* ReportActivationVariable = "SALVENOR_REPORT_ACTIVATION";

// What the program is given from outside.
struct AppServices {
    const Clock& clock;
    MessageBoxes& boxes;
    SoundPlayer& sound;
    // Whether the desktop shows tray icons.
    bool trayAvailable = false;
    // Ends the process at once with the status (the command menu's "E&xit").
    std::function<void(int status)> endProcess;
    // Asked again while there is no tray (QSystemTrayIcon::isSystemTrayAvailable when empty).
    std::function<bool()> trayProbe = {};
    // Where the notices and warnings go (the desktop's notifications when null).
    Notifier* notifier = nullptr;
};

class CPrayerApp final : public QObject {
    Q_OBJECT

  public:
    explicit CPrayerApp(AppServices services, QObject* parent = nullptr);
    ~CPrayerApp() override;

    // Comes up in `workingDirectory`, the installation folder (nothing when it cannot be read).
    // Returns the exit status when the program ends instead of running: 1 for an unusable folder
    // or refused first-run setup (the configuration file is then removed), 0 when another copy
    // runs for this folder (it has been called forward).
    std::optional<int> Start(const std::optional<std::string>& workingDirectory);

    // Runs a command from any menu, the tray or the bar.
    void Run(Command command);

    // The tray icon's notifications: a double click opens today's prayer times.
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    // The bar's Escape: asks, then hides the bar (refused where no tray could show it again).
    void OnBarCancel();
    // A later start asked this copy to come forward: the bar is shown and raised.
    void OnActivationRequested();
    // The look for a tray while there is none: once one is there, the tray icon comes and its
    // items leave the bar's window menu for the tray's; after the first minutes without one, the
    // notice is given (once) and the looks become rare.
    void OnTrayWatch();
    bool trayAvailable() const { return services_.trayAvailable; }
    const QTimer& trayWatchTimer() const { return trayWatch_; }
    // After the Options sheet: the notification choices of salvenor.ini go to the bar.
    void ApplyNotificationChoices();

    // The menus, each made afresh from the shared actions and run at the cursor (right edge
    // there) or at `globalPos`.
    void ShowCommandMenu();
    void ShowWindowMenu(const QPoint& globalPos);
    std::unique_ptr<QMenu> BuildMenu(std::span<const MenuEntry> entries, QWidget* parent) const;

    CConfigFile& config() { return config_; }
    const std::string& installationFolder() const { return folder_; }
    CPrayerBarDlg* bar() const { return bar_.get(); }
    bool barVisible() const { return barVisible_; }
    QSystemTrayIcon* trayIcon() const { return trayIcon_; }
    QAction* action(Command command) const;

  signals:
    // The tray's confirmed exit: the tray icon is gone and the bar hidden; the event loop ends
    // with this status.
    void quitRequested(int status);

  private:
    void createActions();
    void createBar();
    void createTrayIcon();

    void RunSetup();
    void ShowOptions();
    void ShowMonthCalendar();
    void ToggleBar();
    void RequestHide(bool ask);
    void ExitInOrder();
    void SetBarVisible(bool visible);
    void SyncChecks();
    void ExplainMissingTrayOnce();
    // The bar's place, written to the settings file as the user leaves it (none: the corner).
    void SaveBarPlace(std::optional<QPoint> place);
    void PutBarInCorner();
    // Installs the language of `choice` ("system", "en" or a code) and gives the menus, the tray
    // icon and the bar their texts in it; nothing happens when it is the language in force.
    void ApplyLanguageChoice(const std::string& choice);

    AppServices services_;
    CConfigFile config_;
    std::string folder_;
    std::unique_ptr<CSingleInstance> instance_;
    std::unique_ptr<CPrayerBarDlg> bar_;
    std::unique_ptr<FirstShownReporter> reporter_;
    CBarClearance* clearance_ = nullptr;
    std::map<Command, QAction*> actions_;  // children of this object
    std::unique_ptr<QMenu> trayMenu_;
    QSystemTrayIcon* trayIcon_ = nullptr;
    bool barVisible_ = false;
    QTimer trayWatch_;
    std::int64_t trayWatchStart_ = 0;
    std::unique_ptr<DesktopNotifier> desktopNotifier_;
};

}  // namespace salvenor
