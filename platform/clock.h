// The clock seam: every reading of the current time goes through a Clock, so that tests can
// step a fake clock through whole days in milliseconds.
#pragma once

#include <cstdint>

namespace salvenor {

// Seconds since 1970-01-01 00:00 UTC.
using ClockTime = std::int64_t;

class Clock {
  public:
    virtual ~Clock() = default;
    virtual ClockTime now() const = 0;
};

// The system's wall clock.
class SystemClock final : public Clock {
  public:
    ClockTime now() const override;
};

// A clock that stands still until a test moves it.
class FakeClock final : public Clock {
  public:
    explicit FakeClock(ClockTime start = 0) : current_(start) {}
    ClockTime now() const override { return current_; }
    void set(ClockTime t) { current_ = t; }
    void advance(std::int64_t seconds) { current_ += seconds; }

  private:
    ClockTime current_;
};

}  // namespace salvenor
