#include "tools/tour/alert_windows.h"

#include "bar/reminder_dlg.h"

namespace salvenor::tour {

std::unique_ptr<QDialog> MakeAthanWindow(AlertParts& parts, int prayerIndex, QWidget* parent) {
    return std::make_unique<CAthanDlg>(prayerIndex, parts.context, parent);
}

std::unique_ptr<QDialog> MakeReminderWindow(AlertParts& parts, QWidget* parent) {
    return std::make_unique<CReminderDlg>(parts.context, parent);
}

}  // namespace salvenor::tour
