// The program's start-up, commands and ends.
#include "app/prayer_app.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "app/first_run.h"
#include "app/single_instance.h"
#include "app/window_placement.h"
#include "bar/prayer_bar_dlg.h"
#include "base/fatal_exit.h"
#include "core/texts.h"
#include "platform/calculation_settings.h"
#include "platform/clock.h"
#include "platform/message_boxes.h"
#include "platform/notification_settings.h"
#include "platform/qt/desktop_notifier.h"
#include "platform/qt/first_shown_reporter.h"
#include "platform/qt/language.h"
#include "platform/qt/ui_text.h"
#include "platform/settings_file.h"
#include "platform/sound_player.h"
#include "windows/day_sala_time_dlg.h"
#include "windows/month_calendar_dlg.h"
#include "windows/options_sheet.h"
#include "windows/setup_sheet.h"
#include "windows/small_windows.h"

namespace salvenor {

bool IsUsableWorkingDirectory(const std::optional<std::string>& path) {
    return path.has_value() && !path->empty() && path->size() <= MaxWorkingDirectoryLength;
}

std::optional<std::string> CurrentDirectory() {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::current_path(ec);
    if (ec) {
        return std::nullopt;
    }
    return path.string();
}

std::optional<QPoint> SavedBarPlace(const SettingsFile& settings) {
    // Far beyond any desktop: a larger number is no place the bar was left at.
    constexpr int Limit = 1'000'000;
    if (!settings.value(BarXKey) || !settings.value(BarYKey)) {
        return std::nullopt;
    }
    const int x = settings.intValue(BarXKey, Limit + 1, -Limit, Limit);
    const int y = settings.intValue(BarYKey, Limit + 1, -Limit, Limit);
    if (x > Limit || y > Limit) {
        return std::nullopt;
    }
    return QPoint(x, y);
}

void StoreBarPlace(SettingsFile& settings, std::optional<QPoint> place) {
    if (place) {
        settings.setInt(BarXKey, place->x());
        settings.setInt(BarYKey, place->y());
    } else {
        settings.remove(BarXKey);
        settings.remove(BarYKey);
    }
}

CPrayerApp::CPrayerApp(AppServices services, QObject* parent)
    : QObject(parent), services_(std::move(services)), config_(services_.boxes) {
    if (!services_.trayProbe) {
        services_.trayProbe = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    }
    if (services_.notifier == nullptr) {
        desktopNotifier_ = std::make_unique<DesktopNotifier>();
        services_.notifier = desktopNotifier_.get();
    }
    trayWatch_.setTimerType(Qt::CoarseTimer);
    connect(&trayWatch_, &QTimer::timeout, this, &CPrayerApp::OnTrayWatch);
}

CPrayerApp::~CPrayerApp() = default;

std::optional<int> CPrayerApp::Start(const std::optional<std::string>& workingDirectory) {
    // Every data file is found relative to the installation folder, which is the working folder.
    if (!IsUsableWorkingDirectory(workingDirectory)) {
        services_.boxes.show(texts::PathTooLong, MessageIcon::None);
        return 1;
    }
    folder_ = *workingDirectory;

    // One copy a user and folder: two would both sound every athan and both save one file.
    instance_ = std::make_unique<CSingleInstance>(InstancePathsFor(folder_));
    if (instance_->ClaimOrActivate() == CSingleInstance::Claim::AnotherRuns) {
        return 0;
    }
    connect(instance_.get(), &CSingleInstance::activationRequested, this,
            &CPrayerApp::OnActivationRequested);

    config_.configPath = folder_ + "/" + ConfigFileName;
    // The calculation choices of salvenor.ini, for every computation from the first on.
    config_.calculationOptions =
        ReadCalculationOptions(SettingsFile(SettingsPathBeside(config_.configPath)));
    const CConfigFile::OpenResult opened = config_.OpenConfig();
    if (opened == CConfigFile::OpenResult::NeedsFirstRun &&
        !RunFirstRunSetup(config_, services_.boxes, services_.sound, services_.clock, folder_)) {
        // Refused: nothing of the new installation stays behind, and a file of the user's (a
        // damaged one, or an empty one this start found) stays exactly as it was.
        if (config_.createdFile()) {
            std::error_code ec;
            std::filesystem::remove(config_.configPath, ec);
        }
        return 1;
    }
    if (opened == CConfigFile::OpenResult::Loaded && HasNoPlace(config_)) {
        // An earlier first run ended without a place: the Setup sheet comes again, alone.
        ApplySetupResult(config_, RunSetupSheet(nullptr, config_, services_.boxes, services_.clock,
                                                folder_, SetupSheetMode::FirstRun));
    }

    createActions();
    createBar();
    if (services_.trayAvailable) {
        createTrayIcon();
    }
    // The offset followed from the system is not saved here; the next save takes it.
    config_.FollowSystemZone(services_.clock.now());
    ApplyNotificationChoices();
    bar_->Start(SavedBarPlace(SettingsFile(folder_ + "/" + SettingsFileName)));
    barVisible_ = true;
    SyncChecks();
    if (!services_.trayAvailable) {
        // A panel may come up after the program at login: look again before saying anything.
        trayWatchStart_ = services_.clock.now();
        trayWatch_.start(TrayWatchFastMs);
    }
    return std::nullopt;
}

void CPrayerApp::createActions() {
    const auto add = [this](Command command) {
        auto* action = new QAction(UiText(CommandLabel(command)), this);
        action->setCheckable(CheckOf(command) != EntryCheck::None);
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
        actions_[command] = action;
    };
    for (const std::span<const MenuEntry> menu : {CommandMenuEntries(), TrayMenuEntries()}) {
        for (const MenuEntry& entry : menu) {
            if (entry.command != Command::None) {
                add(entry.command);
            }
        }
    }
    add(Command::AboutBar);
}

void CPrayerApp::createBar() {
    bar_ =
        std::make_unique<CPrayerBarDlg>(config_, services_.clock, services_.sound, services_.boxes);
    reporter_ = std::make_unique<FirstShownReporter>(*bar_);
    connect(bar_.get(), &CPrayerBarDlg::faceClicked, this,
            [this] { Run(Command::TodayPrayerTimes); });
    connect(bar_.get(), &CPrayerBarDlg::faceDoubleClicked, this,
            [this] { Run(Command::TodayPrayerTimes); });
    connect(bar_.get(), &CPrayerBarDlg::menuButtonClicked, this, &CPrayerApp::ShowCommandMenu);
    connect(bar_.get(), &CPrayerBarDlg::aboutButtonClicked, this, [this] { Run(Command::About); });
    connect(bar_.get(), &CPrayerBarDlg::windowMenuRequested, this, &CPrayerApp::ShowWindowMenu);
    connect(bar_.get(), &CPrayerBarDlg::cancelRequested, this, &CPrayerApp::OnBarCancel);
    connect(bar_.get(), &CPrayerBarDlg::placeChosen, this,
            [this](const QPoint& place) { SaveBarPlace(place); });

    clearance_ = new CBarClearance(this);
    clearance_->setBar(bar_.get());
    QCoreApplication::instance()->installEventFilter(clearance_);
}

void CPrayerApp::createTrayIcon() {
    trayMenu_ = BuildMenu(TrayMenuEntries(), nullptr);
    trayMenu_->setTitle(UiText(texts::TrayMenuTitle));
    trayIcon_ = new QSystemTrayIcon(QIcon(QPixmap::fromImage(CPrayerBarDlg::BarIcon())), this);
    trayIcon_->setToolTip(UiText(texts::TrayTip));
    trayIcon_->setContextMenu(trayMenu_.get());
    connect(trayIcon_, &QSystemTrayIcon::activated, this, &CPrayerApp::OnTrayActivated);
    trayIcon_->show();
    if (desktopNotifier_) {
        desktopNotifier_->setTrayIcon(trayIcon_);
    }
}

void CPrayerApp::OnTrayWatch() {
    if (services_.trayProbe()) {
        trayWatch_.stop();
        services_.trayAvailable = true;  // the window menu gives its tray items back
        if (trayIcon_ == nullptr) {
            createTrayIcon();
        }
        SyncChecks();
        return;
    }
    if (trayWatch_.interval() == TrayWatchFastMs &&
        services_.clock.now() - trayWatchStart_ >= TrayWatchFastSeconds) {
        trayWatch_.setInterval(TrayWatchSlowMs);
        ExplainMissingTrayOnce();
    }
}

void CPrayerApp::ApplyNotificationChoices() {
    if (bar_) {
        bar_->setNotifications(
            services_.notifier,
            ReadNotificationChoices(SettingsFile(folder_ + "/" + SettingsFileName)));
    }
}

QAction* CPrayerApp::action(Command command) const {
    const auto found = actions_.find(command);
    return found != actions_.end() ? found->second : nullptr;
}

std::unique_ptr<QMenu> CPrayerApp::BuildMenu(std::span<const MenuEntry> entries,
                                             QWidget* parent) const {
    auto menu = std::make_unique<QMenu>(parent);
    for (const MenuEntry& entry : entries) {
        if (entry.command == Command::None) {
            menu->addSeparator();
        } else {
            menu->addAction(action(entry.command));
        }
    }
    return menu;
}

void CPrayerApp::ShowCommandMenu() {
    SyncChecks();
    const std::unique_ptr<QMenu> menu = BuildMenu(CommandMenuEntries(), bar_.get());
    // The menu's right edge at the cursor, as it has always opened.
    menu->exec(QCursor::pos() - QPoint(menu->sizeHint().width(), 0));
}

void CPrayerApp::ShowWindowMenu(const QPoint& globalPos) {
    SyncChecks();
    const std::unique_ptr<QMenu> menu =
        BuildMenu(WindowMenuEntries(services_.trayAvailable), bar_.get());
    menu->exec(globalPos);
}

void CPrayerApp::Run(Command command) {
    QWidget* const owner = bar_.get();
    switch (command) {
        case Command::None:
            break;
        case Command::Setup:
            RunSetup();
            break;
        case Command::Options:
            ShowOptions();
            break;
        case Command::MonthCalendar:
            ShowMonthCalendar();
            break;
        case Command::YearCalendars:
            OpenNotSupported(owner, services_.sound);
            break;
        case Command::AlwaysOnTop:
            bar_->setAlwaysOnTop(!bar_->alwaysOnTop());
            break;
        case Command::About:
        case Command::AboutBar:
            OpenAbout(owner);
            break;
        case Command::Exit:
            // At once: no question, the tray icon left to the process's end, nothing saved.
            if (services_.endProcess) {
                services_.endProcess(0);
            } else {
                fatalExit(0);
            }
            break;
        case Command::TodayPrayerTimes:
            OpenTodayWindow(owner, config_, services_.boxes, services_.clock, folder_);
            break;
        case Command::ShowPrayerBar:
            ToggleBar();
            break;
        case Command::TrayExit:
            ExitInOrder();
            break;
    }
    // A checkable item flips itself when chosen; what it shows is what holds.
    SyncChecks();
}

void CPrayerApp::RunSetup() {
    const SetupSheetResult result = RunSetupSheet(bar_.get(), config_, services_.boxes,
                                                  services_.clock, folder_, SetupSheetMode::Setup);
    ApplySetupResult(config_, result);
    if (result.accepted) {
        bar_->RestartSchedule();
    }
}

void CPrayerApp::ShowOptions() {
    // The switches take effect from the next prayer on; the schedule is not restarted.
    const OptionsSheetResult result =
        RunOptionsSheet(bar_.get(), config_, services_.boxes, services_.sound, services_.clock,
                        folder_, {}, [this] { PutBarInCorner(); });
    ApplyOptionsResult(config_, result);
    if (result.accepted) {
        ApplyNotificationChoices();  // the warning is planned anew with the new minutes
        ApplyLanguageChoice(result.languageChoice);
    }
}

void CPrayerApp::ApplyLanguageChoice(const std::string& choice) {
    const std::string wanted = LanguageOf(choice, QLocale::system());
    if (wanted == InstalledLanguage()) {
        return;
    }
    // The windows opened from now on are made in the new language; what stays open is renamed.
    InstallLanguage(folder_, wanted);
    for (const auto& [command, action] : actions_) {
        action->setText(UiText(CommandLabel(command)));
    }
    if (trayIcon_ != nullptr) {
        trayMenu_->setTitle(UiText(texts::TrayMenuTitle));
        trayIcon_->setToolTip(UiText(texts::TrayTip));
    }
    if (bar_) {
        bar_->Retranslate();
    }
}

void CPrayerApp::ShowMonthCalendar() {
    OpenMonthCalendar(bar_.get(), services_.boxes, services_.clock, folder_,
                      config_.calculationOptions.hijriAdjustDays, &config_);
}

void CPrayerApp::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    // The right button's menu is the tray's own (its context menu); a single click does nothing.
    if (reason == QSystemTrayIcon::DoubleClick) {
        Run(Command::TodayPrayerTimes);
    }
}

void CPrayerApp::OnBarCancel() {
    RequestHide(true);
}

void CPrayerApp::ToggleBar() {
    if (barVisible_) {
        RequestHide(false);
    } else {
        SetBarVisible(true);
    }
}

void CPrayerApp::RequestHide(bool ask) {
    if (!services_.trayAvailable) {
        // Hidden, the bar could not be brought back: there is no tray icon.
        services_.boxes.show(texts::HideRefusedNoTray, MessageIcon::Information);
        return;
    }
    if (ask && !services_.boxes.askYesNo(texts::CloseBarQuestion, MessageIcon::Question)) {
        return;
    }
    SetBarVisible(false);
}

void CPrayerApp::ExitInOrder() {
    if (!services_.boxes.askYesNo(texts::ExitQuestion, MessageIcon::Error)) {
        return;
    }
    if (trayIcon_ != nullptr) {
        // Its menu may still be on the way out: the icon goes once control is back in the loop.
        trayIcon_->hide();
        trayIcon_->deleteLater();
        trayIcon_ = nullptr;
    }
    if (bar_) {
        bar_->hide();
    }
    barVisible_ = false;
    emit quitRequested(0);
}

void CPrayerApp::SetBarVisible(bool visible) {
    barVisible_ = visible;
    if (bar_) {
        bar_->setVisible(visible);
    }
    SyncChecks();
}

void CPrayerApp::SyncChecks() {
    if (QAction* showBar = action(Command::ShowPrayerBar)) {
        showBar->setChecked(barVisible_);
    }
    if (QAction* onTop = action(Command::AlwaysOnTop); onTop != nullptr && bar_) {
        onTop->setChecked(bar_->alwaysOnTop());
    }
}

void CPrayerApp::OnActivationRequested() {
    if (bar_) {
        if (!barVisible_) {
            SetBarVisible(true);
        }
        bar_->raise();
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        // Still in first-run setup: its window comes forward instead.
        modal->raise();
    }
    if (std::getenv(ReportActivationVariable) != nullptr) {
        std::fprintf(stderr, "activated\n");
        std::fflush(stderr);
    }
}

void CPrayerApp::SaveBarPlace(std::optional<QPoint> place) {
    SettingsFile settings(folder_ + "/" + SettingsFileName);
    StoreBarPlace(settings, place);
    std::string error;
    if (!settings.Save(&error)) {
        // The bar stays where it is; only the next start would not find it there.
        std::fprintf(stderr, "salvenor: the bar's place was not saved: %s\n", error.c_str());
    }
}

void CPrayerApp::PutBarInCorner() {
    if (bar_) {
        bar_->PutBackInCorner();
    }
    SaveBarPlace(std::nullopt);
}

void CPrayerApp::ExplainMissingTrayOnce() {
    SettingsFile settings(folder_ + "/" + SettingsFileName);
    if (settings.boolValue(NoTrayExplainedKey, false)) {
        return;
    }
    settings.setBool(NoTrayExplainedKey, true);
    settings.Save();
    services_.boxes.show(texts::NoTrayNotice, MessageIcon::Information);
}

}  // namespace salvenor
