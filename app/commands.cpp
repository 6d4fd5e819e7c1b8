// The menu tables.
#include "app/commands.h"

#include <array>

#include "core/texts.h"

namespace salvenor {

namespace {

constexpr MenuEntry Separator{};

constexpr std::array CommandMenu{
    MenuEntry{Command::Setup, texts::SetupCommand},
    MenuEntry{Command::Options, texts::OptionsCommand},
    Separator,
    MenuEntry{Command::MonthCalendar, texts::MonthCalendarCommand},
    MenuEntry{Command::YearCalendars, texts::YearCalendarsCommand},
    Separator,
    MenuEntry{Command::AlwaysOnTop, texts::AlwaysOnTopCommand},
    Separator,
    MenuEntry{Command::About, texts::AboutCommand},
    MenuEntry{Command::Exit, texts::ExitCommand},
};

constexpr std::array TrayMenu{
    MenuEntry{Command::TodayPrayerTimes, texts::TodayPrayerTimesItem},
    MenuEntry{Command::ShowPrayerBar, texts::ShowPrayerBarItem},
    Separator,
    MenuEntry{Command::TrayExit, texts::ExitCommand},
};

constexpr MenuEntry AboutBarEntry{Command::AboutBar, texts::AboutBarItem};

}  // namespace

std::span<const MenuEntry> CommandMenuEntries() {
    return CommandMenu;
}

std::span<const MenuEntry> TrayMenuEntries() {
    return TrayMenu;
}

std::vector<MenuEntry> WindowMenuEntries(bool trayAvailable) {
    std::vector<MenuEntry> entries{AboutBarEntry};
    if (!trayAvailable) {
        entries.push_back(Separator);
        entries.insert(entries.end(), TrayMenu.begin(), TrayMenu.end());
    }
    return entries;
}

const char* CommandLabel(Command command) {
    if (command == AboutBarEntry.command) {
        return AboutBarEntry.label;
    }
    for (const std::span<const MenuEntry> menu : {CommandMenuEntries(), TrayMenuEntries()}) {
        for (const MenuEntry& entry : menu) {
            if (entry.command == command && command != Command::None) {
                return entry.label;
            }
        }
    }
    return "";
}

EntryCheck CheckOf(Command command) {
    switch (command) {
        case Command::AlwaysOnTop:
            return EntryCheck::AlwaysOnTop;
        case Command::ShowPrayerBar:
            return EntryCheck::BarVisible;
        default:
            return EntryCheck::None;
    }
}

}  // namespace salvenor
