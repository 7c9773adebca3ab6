#pragma once
// The drills' random source: the C runtime's linear congruential generator, never seeded, so
// every run of the tutor deals the same sequence of drills. One object lives for the whole run
// and is handed to whoever draws; nothing else in the tutor draws from it.
#include <cstdint>

namespace zav {

class CRandom {
  public:
    static constexpr int kMax = 0x7FFF;

    // The next draw, 0..kMax.
    int Draw();
    std::uint32_t State() const { return state_; }

  private:
    std::uint32_t state_ = 1;
};

}  // namespace zav
