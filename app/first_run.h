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

// The new-installation notice; then a damaged file moved aside (the user told where); the zone
// followed from the system; the Setup sheet starting from nothing (the pages store their own
// fields, and OK copies the chosen coordinates); a beep; the website reminder; the alert and sound
// defaults; and the whole record saved afresh. Returns false, having saved nothing, when the notice
// is refused or a damaged file could not be moved aside; the caller then deletes the file only if
// this start created it, and ends.
bool RunFirstRunSetup(CConfigFile& config, MessageBoxes& boxes, SoundPlayer& sound,
                      const Clock& clock, const std::string& installationFolder);

}  // namespace salvenor
