#pragma once
// What the exercise bar shows: the running figures of a turn as the bar's field texts, and the
// disc that stands for an error count, large for the turn in progress, small for the last turns.
#include <array>
#include <string>

#include "core/course/document.h"

namespace zav {

struct TurnFigureTexts {
    std::string duration;          // seconds, "%4.3f"
    std::string letters;           // "%d"
    std::string words;             // "%d"
    std::string errors;            // "%d"
    std::string errorPercent;      // "%d%%"
    std::string lettersPerMinute;  // "%4.0f"
    std::string wordsPerMinute;    // "%3.0f"
    std::string errorLetters;      // unchanged
    std::string turnNumber;        // plain decimal

    bool operator==(const TurnFigureTexts&) const = default;
};

// The fields of the exercise bar for a running or finished turn. Numbers are written with a
// decimal point whatever the C library's locale.
TurnFigureTexts FormatTurnFigures(const CTurnRecord& record, int turnNumber);

enum class Disc { Blank, Green, Yellow, Red };

// The large disc: 0 errors green, up to `okThreshold` yellow, more red.
Disc ErrorLevelDisc(int errors, int okThreshold);
// A small disc for one turn result: below 0 (no turn, or a restarted one) blank, otherwise as
// the large disc.
Disc TurnResultDisc(int result, int okThreshold);
// The four small discs from the newest four entries of the turn history, newest first.
std::array<Disc, 4> TurnDiscs(const std::array<int, 10>& history, int okThreshold);

}  // namespace zav
