#include "core/course/random.h"

namespace zav {

int CRandom::Draw() {
    // Unsigned arithmetic wraps modulo 2^32, as the runtime's state does.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

}  // namespace zav
