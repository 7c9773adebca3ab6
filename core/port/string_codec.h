#pragma once
// Strings cross between the programs one character per message, in order, closed by a message
// whose character is 0. A character is a Windows-1252 byte put into WPARAM sign-extended (0xF1
// travels as 0xFFFFFFF1); a receiver takes only its low 8 bits.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zav {

// What the tutor collects from TM_LOAD_COURSE_CHAR, and the viewer from TM_COURSE_NAME_CHAR.
inline constexpr std::size_t kIncomingPathCapacity = 255;
inline constexpr std::size_t kCourseNameCapacity = 63;

constexpr std::int32_t CharToParam(char c) {
    return static_cast<signed char>(c);
}

constexpr char ParamToChar(std::int32_t param) {
    return static_cast<char>(static_cast<std::uint32_t>(param) & 0xFFu);
}

// The WPARAMs of one string: its characters up to the first 0 byte (a 0 would end it early on
// the other side), then the closing 0.
std::vector<std::int32_t> EncodeString(std::string_view text);

// Collects one string at a time into a buffer of fixed capacity. A string longer than the
// buffer is refused whole when its closing 0 arrives: acting on a cut path or name could open
// a different file than the sender meant. The buffer never grows past its capacity.
class CStringCollector {
  public:
    enum class Status { kCollecting, kComplete, kRefused };
    struct Step {
        Status status = Status::kCollecting;
        std::string text;  // the whole string when complete; empty otherwise
    };

    explicit CStringCollector(std::size_t capacity) : capacity_(capacity) {}

    // Takes one WPARAM; at the closing 0 hands the string over (or refuses it) and empties the
    // buffer for the next one.
    Step Add(std::int32_t param);

    std::size_t Pending() const { return buffer_.size(); }
    // Characters of the string in transit were lost: it is refused whole when it ends.
    void Spoil() { overflowed_ = true; }

  private:
    std::size_t capacity_;
    std::string buffer_;
    bool overflowed_ = false;
};

}  // namespace zav
