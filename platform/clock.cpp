// The system clock.
#include "platform/clock.h"

#include <chrono>

namespace salvenor {

ClockTime SystemClock::now() const {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace salvenor
