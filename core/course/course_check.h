#pragma once
// What a teacher should fix in a course file before giving it to students: everything that the
// tutor would refuse, drop without a word, or show as an exercise nobody can finish.
#include <string>
#include <string_view>
#include <vector>

namespace zav {

class CFingerTable;

enum class CheckSeverity { kNote, kWarning, kError };

struct CCheckFinding {
    int line = 0;  // 1-based line of the file; 0 for the file as a whole
    CheckSeverity severity = CheckSeverity::kError;
    std::string message;  // UTF-8

    bool operator==(const CCheckFinding&) const = default;
};

// The exit status of a check: 0 clean (notes allowed), 1 warnings only, 2 with errors.
int CheckStatus(const std::vector<CCheckFinding>& findings);

// A course file's bytes, as read (CR LF already LF). With a finger table, characters that no key
// of any of its layouts produces are reported too.
std::vector<CCheckFinding> CheckCourse(std::string_view bytes,
                                       const CFingerTable* fingers = nullptr);

// Longer exercise lines do not fit the tutor's default window.
inline constexpr std::size_t kFittingLine = 60;

}  // namespace zav
