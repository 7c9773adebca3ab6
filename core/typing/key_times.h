#pragma once
// How fast each expected character of one turn was typed: how often it was typed correctly and
// the summed time from the previous correct key to it. The first correct key of a turn has no
// previous key, so it counts without an interval.
#include <array>
#include <cstdint>

#include "core/typing/typing_clock.h"

namespace zav {

struct KeyFigures {
    int correct = 0;
    int timed = 0;  // correct keystrokes that have an interval
    std::int64_t milliseconds = 0;
};

class CKeyTimes {
  public:
    void Clear() {
        keys_.fill(KeyFigures{});
        started_ = false;
    }
    // A correct key for the expected character `code` at `now`.
    void Correct(unsigned char code, TimeStamp now) {
        KeyFigures& key = keys_[code];
        ++key.correct;
        if (started_) {
            const std::int64_t ms =
                (now.seconds - last_.seconds) * 1000 + (now.milliseconds - last_.milliseconds);
            ++key.timed;
            key.milliseconds += ms > 0 ? ms : 0;
        }
        last_ = now;
        started_ = true;
    }
    const KeyFigures& operator[](unsigned char code) const { return keys_[code]; }

  private:
    std::array<KeyFigures, 256> keys_{};
    TimeStamp last_;
    bool started_ = false;
};

}  // namespace zav
