// Starting Salvenor at login: the freedesktop autostart entry
// $XDG_CONFIG_HOME/autostart/salvenor.desktop (~/.config/autostart without XDG_CONFIG_HOME). The
// file itself is the setting; nothing about it is kept in zav.cfg.
#pragma once

#include <string>
#include <string_view>

namespace salvenor {

// The autostart entry's path; empty when neither XDG_CONFIG_HOME (absolute) nor HOME names a
// folder.
std::string AutostartEntryPath();

// True when the entry exists as a desktop entry that the session starts: not Hidden=true and not
// X-GNOME-Autostart-enabled=false.
bool AutostartEnabled();

// On: writes the entry (the menu's desktop entry, which starts the launcher), unless one that
// starts is already there, which is kept as the user may have edited it. Off: removes it. True
// when the entry is as asked afterwards.
bool SetAutostart(bool on);

// What an enabled entry holds: the installed desktop entry's text.
std::string_view AutostartEntryText();

// Whether a desktop entry's `text` is one that the session starts (see AutostartEnabled).
bool AutostartEntryStarts(std::string_view text);

}  // namespace salvenor
