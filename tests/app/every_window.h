// Every window the user meets besides the prayer bar, made as the program opens them, for the
// tests that walk them all (names for assistive tools, translations).
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/prayer_app.h"
#include "bar/alert_dlg.h"
#include "bar/athan_dlg.h"
#include "bar/reminder_dlg.h"
#include "core/hijri.h"
#include "windows/day_sala_time_dlg.h"
#include "windows/location_dlg.h"
#include "windows/month_calendar_dlg.h"
#include "windows/options_sheet.h"
#include "windows/page_dialogs.h"
#include "windows/setup_sheet.h"
#include "windows/small_windows.h"
#include "windows/wait_dlg.h"

namespace salvenor::testing {

struct NamedWindow {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
};

// The windows of the program running in `folder`, on the athan of Asr and the Hijri month of
// 15 January 2024. The makers use this object, which must outlive them.
class EveryWindow {
  public:
    EveryWindow(CPrayerApp& running, MessageBoxes& boxes, SoundPlayer& sound, const Clock& clock,
                std::string folder)
        : running_(running),
          boxes_(boxes),
          sound_(sound),
          clock_(clock),
          folder_(std::move(folder)),
          alerts_{running.config(), sound, boxes, clock} {}

    std::vector<NamedWindow> windows() {
        AthanRequest asr;
        asr.prayerIndex = Asr;
        asr.prayerTime = 15.5;
        asr.nextIndex = Maghrib;
        asr.nextTime = 18.1;
        const HijriDate today = GregorianToHijri(15, 1, 2024);
        return {
            {"athan", [this, asr] { return std::make_unique<CAthanDlg>(asr, alerts_); }},
            {"reminder", [this] { return std::make_unique<CReminderDlg>(alerts_); }},
            {"today",
             [this] {
                 return std::make_unique<CDaySalaTimeDlg>(nullptr, running_.config(), boxes_,
                                                          clock_, folder_);
             }},
            {"setup sheet",
             [this] {
                 return std::make_unique<CSetupSheet>(running_.config(), boxes_, clock_, folder_,
                                                      SetupSheetMode::Setup);
             }},
            {"location", [this] { return std::make_unique<CLocationDlg>(boxes_); }},
            {"options sheet",
             [this] {
                 return std::make_unique<COptionsSheet>(running_.config(), boxes_, sound_, clock_,
                                                        folder_);
             }},
            {"month calendar",
             [this, today] {
                 return std::make_unique<CMonthCalendarDlg>(
                     nullptr, boxes_, clock_, pageDialogs_, folder_,
                     ShownMonth{CalendarKind::Hijri, today.year, today.month});
             }},
            {"about", [] { return std::make_unique<CAbout>(); }},
            {"first-run notice", [] { return std::make_unique<CInitInstallation>(); }},
            {"website reminder", [] { return std::make_unique<CWebsiteReminder>(); }},
            {"not supported", [] { return std::make_unique<CFtNotSupported>(); }},
            {"wait", [] { return std::make_unique<CWaitDlg>(); }},
        };
    }

  private:
    CPrayerApp& running_;
    MessageBoxes& boxes_;
    SoundPlayer& sound_;
    const Clock& clock_;
    std::string folder_;
    AlertContext alerts_;
    QtPageDialogs pageDialogs_;
};

}  // namespace salvenor::testing
