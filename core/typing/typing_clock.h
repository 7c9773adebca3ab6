#pragma once
// The time source of a turn. Turns are timed on a monotonic clock, so a change of the wall clock
// while the user types can never make a turn last less than nothing.
#include <cstdint>

namespace zav {

// A point in time as whole seconds and a millisecond part 0..999.
struct TimeStamp {
    std::int64_t seconds = 0;
    int milliseconds = 0;
};

class IClock {
  public:
    virtual ~IClock() = default;
    virtual TimeStamp Now() = 0;
};

// std::chrono::steady_clock, split into seconds and milliseconds.
class CSteadyClock : public IClock {
  public:
    TimeStamp Now() override;
};

// Hundredths of a second from `start` to `now`: the millisecond difference divided by 10
// (truncated toward zero) plus the second difference times 100. Never negative.
int ElapsedHundredths(TimeStamp start, TimeStamp now);

}  // namespace zav
