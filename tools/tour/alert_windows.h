// The alert windows the bar opens at a prayer time and some minutes after it. They are the
// windows the tour builds by hand, so what it needs of their constructors is kept here.
#pragma once

#include <QDialog>
#include <memory>

#include "bar/athan_dlg.h"

namespace salvenor::tour {

// What the alert windows are given; the reminder is armed nowhere (no timer runs in the tour).
struct AlertParts {
    explicit AlertParts(CConfigFile& config, SoundPlayer& sound, MessageBoxes& boxes,
                        const Clock& clock)
        : context{config, sound, boxes, clock, [](int) { return 0; }, false} {}
    AlertContext context;
};

// prayerIndex must be below Isha: the next prayer is taken from the same day.
std::unique_ptr<QDialog> MakeAthanWindow(AlertParts& parts, int prayerIndex, QWidget* parent);
std::unique_ptr<QDialog> MakeReminderWindow(AlertParts& parts, QWidget* parent);

}  // namespace salvenor::tour
