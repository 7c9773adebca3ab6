#pragma once
// The thread messages between the tutor, the help viewer and the add-on: one definition for
// every program. Each number is the first user message (1024, 0x400) plus an offset; 1024, 1025
// and 1031 are not used.
#include <cstdint>

namespace zav {

// tutor -> viewer. WPARAM: 0-based course exercise; LPARAM: 1 show the page now, 0 remember it.
inline constexpr std::uint32_t TM_SHOW_EXERCISE_HELP = 1026;
// viewer -> tutor, WPARAM and LPARAM 0: the viewer has ended.
inline constexpr std::uint32_t TM_HELP_CLOSED = 1027;
// tutor -> viewer and add-on. WPARAM: the tutor's id, the return address.
inline constexpr std::uint32_t TM_TUTOR_THREAD = 1028;
// tutor -> viewer. WPARAM: the tutor's id (unused). The viewer says goodbye and ends.
inline constexpr std::uint32_t TM_QUIT_HELP = 1029;
// tutor -> viewer. WPARAM: one character of the course file name; LPARAM: its position.
inline constexpr std::uint32_t TM_COURSE_NAME_CHAR = 1030;
// add-on -> tutor. WPARAM: one character of a course file path.
inline constexpr std::uint32_t TM_LOAD_COURSE_CHAR = 1032;

}  // namespace zav
