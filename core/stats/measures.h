#pragma once
// The figures derived from turn records and from the per-character tables: speeds, error
// percentages, the grade of a turn, one history row, and the aggregates over the history that
// the statistics dialog and the HTML report show.
#include <cstdint>
#include <string>

#include "core/course/document.h"

namespace zav {

// --- One turn -------------------------------------------------------------------------------

// words × 6000 ÷ duration; 0 when duration ≤ 0. Not rounded: formats round.
double WordsPerMinute(const CTurnRecord& turn);
// letters × 6000 ÷ duration; 0 when duration ≤ 0.
double LettersPerMinute(const CTurnRecord& turn);
// errors × 100 ÷ letters in integer division; 0 when letters ≤ 0.
int ErrorPercent(const CTurnRecord& turn);
// exercise + 1 for a course exercise, else −kind, so drills stand apart in every listing.
int DisplayNumber(const CTurnRecord& turn);

// The grade of a turn by its error count. None only for a count below 0 (no turn).
enum class Grade { None, Bien, Regular, Mal };
Grade TurnGrade(int errors, int okThreshold);
// "Bien", "Regular", "Mal" (Windows-1252 bytes); "" for None.
const char* GradeName(Grade grade);
// The report's cell colour: "#ddffdd", "#ffffbb", "#ffdddd"; "" for None.
const char* GradeColour(Grade grade);

// A history row's style, a byte as stored by callers.
enum RowStyle : std::uint8_t { RowText = 0, RowHtml = 1 };
// One history row: seven tab-separated fields (text) or a table row whose errors cell carries
// the grade colour (HTML). Any other style gives exactly "ERROR". okThreshold is used only by
// the HTML style; errorLetters is inserted unchanged.
std::string FormatRow(const CTurnRecord& turn, std::uint8_t style, int okThreshold);

// --- Letters --------------------------------------------------------------------------------

// letterErrors × 100 ÷ letterCorrect of `code` in floating point; 0 when letterCorrect ≤ 0.
double LetterErrorPercent(const CProgressStats& stats, unsigned char code);

// --- The history ----------------------------------------------------------------------------

// The number of significant history entries, historyCount brought into 0..150.
int HistoryEntries(const CProgressStats& stats);

struct DurationSplit {
    int hours = 0;
    int minutes = 0;
    double seconds = 0.0;
};
// The summed duration of the significant entries, split into hours, minutes and seconds.
DurationSplit TotalDuration(const CProgressStats& stats);
// "%dh %dm %2.2fs"
std::string FormatDuration(const DurationSplit& split);

// Summed words × 6000 ÷ summed duration over the newest `window` entries (all of them when the
// history is shorter): a ratio of sums. 0.0 when the summed duration is 0 or less.
double WordsPerMinuteOver(const CProgressStats& stats, int window);
inline constexpr int kWindowLast20 = 20;
inline constexpr int kWindowLast100 = 100;
inline constexpr int kWindowAll = CProgressStats::kHistorySize;

struct GradeCounts {
    int bien = 0;
    int regular = 0;
    int mal = 0;
};
// Every significant entry graded against the current okThreshold.
GradeCounts CountGrades(const CProgressStats& stats, int okThreshold);

// Everything the report's summary shows, in one pass over the history.
struct HistorySummary {
    DurationSplit total;
    double wpm20 = 0.0;
    double wpm100 = 0.0;
    double wpmAll = 0.0;
    GradeCounts grades;
};
HistorySummary SummarizeHistory(const CProgressStats& stats, int okThreshold);

}  // namespace zav
