#pragma once
// What the statistics dialog's graph window draws, in pixels of its fixed 310 × 150 area: the
// history table, the speed chart and the precision scale, computed afresh from the document's
// tables for every drawing. The window only paints these texts, lines and dots.
#include <array>
#include <string>
#include <vector>

#include "core/course/document.h"

namespace zav {

inline constexpr int kGraphWidth = 310;
inline constexpr int kGraphHeight = 150;

// A text drawn with its top-left corner at (x, y).
struct GraphText {
    int x = 0;
    int y = 0;
    std::string text;

    bool operator==(const GraphText&) const = default;
};

// --- "Historial" --------------------------------------------------------------------------------

// Tab stops of the history table, measured from x = 0.
inline constexpr std::array<int, 6> kHistoryTabStops{30, 60, 100, 140, 180, 230};
// Where text that follows a tab starts when the text before it ends at `x`: the first stop
// beyond x; past the last stop the text simply continues at x.
int NextTabStop(int x);

// The stops for columns whose widest texts measure `widths` pixels (column 0 first) in the font
// drawn: each stop where the table puts it, moved right as far as the column before it needs to
// end `gap` pixels short of it. A font wider than the table's own never runs columns together.
std::array<int, kHistoryTabStops.size()> FitHistoryTabStops(const std::vector<int>& widths,
                                                            int gap);

// The header at (0, 0), then one row per turn, newest first, 12 pixels apart from y = 20; at
// most ten rows, so the last sits at y = 128. Each text holds tabs for NextTabStop.
std::vector<GraphText> HistoryTable(const CProgressStats& stats);

// --- "Velocidad" --------------------------------------------------------------------------------

struct SpeedDot {
    int x = 0;
    int y = 0;

    bool operator==(const SpeedDot&) const = default;
};

struct SpeedChart {
    int scaleTop = 4;  // S: the largest letters per minute rounded down to a multiple of 4, + 4
    int wordsPerMinute = 0;           // over the whole history, truncated; 0 for an empty history
    GraphText caption;                // at (0, 135)
    std::array<GraphText, 5> labels;  // 0, S/4, S/2, 3S/4, S at (10, 120 − 25k)
    std::vector<SpeedDot> dots;       // newest turn first, at x = 50
};

// S for a largest letters-per-minute value: 37.9 → 40, 40 → 44, 120 → 124, 0 → 4.
int SpeedScaleTop(float largestLettersPerMinute);
SpeedChart BuildSpeedChart(const CProgressStats& stats);

// --- "Precisión" --------------------------------------------------------------------------------

inline constexpr int kPrecisionColumns = 25;

struct PrecisionScale {
    // False when no two typed letters differ in their error ratio: only the background shows.
    bool drawn = false;
    double top = 0.0;                 // H: the largest ratio + 0.05
    std::array<GraphText, 5> labels;  // error percentages under the line, at x = 0, 62, … 248
    std::vector<GraphText> letters;   // one character each, stacked 15 pixels apart per column
};

PrecisionScale BuildPrecisionScale(const CProgressStats& stats);

}  // namespace zav
