// Saving salvenor.ini from a settings sheet: a save that fails is told to the user with the file
// and the reason, and the choices stay in force for the rest of the session.
#pragma once

#include "base/messages.h"
#include "platform/settings_file.h"

namespace salvenor {

// Saves `settings`; on failure shows one message naming the file and the reason. Returns whether
// the file was written.
bool SaveSettingsOrSay(const SettingsFile& settings, MessageBoxes& boxes);

}  // namespace salvenor
