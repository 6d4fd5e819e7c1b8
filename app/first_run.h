// First-run setup: what a new installation asks before the bar comes up, and the settings it
// saves.
#pragma once

#include <string>

namespace salvenor {

class CConfigFile;
class Clock;
class MessageBoxes;
class SoundPlayer;

// The beep that ends the settings sheet.
inline constexpr int FirstRunBeepHz = 400;
inline constexpr int FirstRunBeepMs = 200;

// The new-installation notice; then the zone followed from the system; the Setup sheet starting
// from nothing (the pages store their own fields, and OK copies the chosen coordinates); a beep;
// the website reminder; the alert and sound defaults; and the whole record saved afresh.
// Returns false, having saved nothing, when the notice is refused; the caller then deletes the
// file and ends.
bool RunFirstRunSetup(CConfigFile& config, MessageBoxes& boxes, SoundPlayer& sound,
                      const Clock& clock, const std::string& installationFolder);

}  // namespace salvenor
