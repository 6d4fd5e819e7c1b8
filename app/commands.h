// The program's commands and the menus that offer them, as plain data: the bar's command menu,
// the tray menu ("Hidden Area") and the bar's own window menu. The Qt side builds one action a
// command and every menu from these tables.
#pragma once

#include <span>
#include <vector>

namespace salvenor {

// Each command keeps the number its menu item has always had.
enum class Command {
    None = 0,  // a separator in a menu table; nothing to do elsewhere
    AboutBar = 16,
    Setup = 32773,
    Exit = 32775,
    AlwaysOnTop = 32776,
    YearCalendars = 32778,
    TrayExit = 32779,
    TodayPrayerTimes = 32780,
    ShowPrayerBar = 32782,
    Options = 32783,
    MonthCalendar = 32789,
    About = 32798,
};

struct MenuEntry {
    Command command = Command::None;  // None: a separator
    const char* label = nullptr;
};

// How an entry shows its state.
enum class EntryCheck {
    None,
    AlwaysOnTop,  // checked while the bar is kept above all windows
    BarVisible,   // checked while the bar is shown
};

// The bar's command menu, from its menu button, in order.
std::span<const MenuEntry> CommandMenuEntries();
// The tray menu, in order.
std::span<const MenuEntry> TrayMenuEntries();
// The bar's right-click menu: its About item, and where there is no tray icon the tray menu's
// entries after a separator, since they have no other way in then.
std::vector<MenuEntry> WindowMenuEntries(bool trayAvailable);

// The label of a command, as every menu shows it.
const char* CommandLabel(Command command);
EntryCheck CheckOf(Command command);

}  // namespace salvenor
