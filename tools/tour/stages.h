// The walk through the program: every window it opens, in turn, and the pictures taken of each.
#pragma once

#include <string>
#include <vector>

#include "tools/tour/tour.h"

namespace salvenor {
class CPrayerApp;
class FakeClock;
}  // namespace salvenor

namespace salvenor::tour {

struct AlertParts;

// The pictures the walk saves, in the order taken.
const std::vector<std::string>& ShotNames();

// The stages over the program `app`, started in `installationFolder` without a tray icon (so the
// no-tray notice is the first window, once the first minutes of looking for a tray have passed on
// `clock`, which then stands where it stood).
std::vector<Stage> ProgramStages(CPrayerApp& app, AlertParts& alerts,
                                 const std::string& installationFolder, FakeClock& clock);

}  // namespace salvenor::tour
