// The Qibla: the direction of the Kaaba from a place, as the initial bearing of the great circle
// through both, in degrees clockwise from true north, and its text with a compass word.
#pragma once

#include <string>

#include "core/words.h"

namespace salvenor {

// The Kaaba, in degrees (north and east positive).
inline constexpr double KaabaLatitude = 21.4225;
inline constexpr double KaabaLongitude = 39.8262;

// The initial great-circle bearing from the place to the Kaaba: 0 <= bearing < 360, clockwise
// from true north. At the Kaaba itself, and at the poles where every way is south or north, the
// answer is 0 (north) or 180 (from the north pole) as the formula gives it.
double QiblaBearing(double latitude, double longitude);

// The compass point nearest to a bearing on a rose of 16 points ("north", "north-north-east",
// "north-east", ...), or of 8 points when `sixteen` is false.
const char* CompassWord(double bearing, bool sixteen = true);

// "58 degrees, north-east": the bearing rounded to whole degrees and the 8-point compass word.
// The words are those of the user's language when `words` is given.
std::string QiblaText(double bearing, const WordsOf& words = {});

}  // namespace salvenor
