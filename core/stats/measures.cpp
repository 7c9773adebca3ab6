#include "core/stats/measures.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/app/strings.h"

namespace zav {
namespace {

constexpr double kPerMinute = 6000.0;  // hundredths of a second in a minute

__attribute__((format(printf, 1, 2))) std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    if (size > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

}  // namespace

double WordsPerMinute(const CTurnRecord& turn) {
    if (turn.duration <= 0) return 0.0;
    return static_cast<double>(turn.words) * kPerMinute / turn.duration;
}

double LettersPerMinute(const CTurnRecord& turn) {
    if (turn.duration <= 0) return 0.0;
    return static_cast<double>(turn.letters) * kPerMinute / turn.duration;
}

int ErrorPercent(const CTurnRecord& turn) {
    if (turn.letters <= 0) return 0;
    // 64 bits: errors × 100 must not overflow for counts read from a damaged file.
    return static_cast<int>(static_cast<long long>(turn.errors) * 100 / turn.letters);
}

int DisplayNumber(const CTurnRecord& turn) {
    // In 32-bit wrap-around: a damaged file's extreme values show as they always did, without
    // the overflow of plain int arithmetic.
    const auto kind = static_cast<std::uint32_t>(turn.kind);
    const auto exercise = static_cast<std::uint32_t>(turn.exercise);
    return static_cast<int>(turn.kind == CourseExercise ? exercise + 1u : 0u - kind);
}

Grade TurnGrade(int errors, int okThreshold) {
    if (errors < 0) return Grade::None;
    if (errors == 0) return Grade::Bien;
    if (errors <= okThreshold) return Grade::Regular;
    return Grade::Mal;
}

const char* GradeName(Grade grade) {
    switch (grade) {
        case Grade::Bien:
            return text::kGradeBien;
        case Grade::Regular:
            return text::kGradeRegular;
        case Grade::Mal:
            return text::kGradeMal;
        case Grade::None:
            break;
    }
    return "";
}

const char* GradeColour(Grade grade) {
    switch (grade) {
        case Grade::Bien:
            return "#ddffdd";
        case Grade::Regular:
            return "#ffffbb";
        case Grade::Mal:
            return "#ffdddd";
        case Grade::None:
            break;
    }
    return "";
}

std::string FormatRow(const CTurnRecord& turn, std::uint8_t style, int okThreshold) {
    // The error letters are appended as bytes, not through %s, so that no byte of them is lost.
    if (style == RowText) {
        return Format("%d\t%d\t%d\t%d%%\t%3.0f\t%3.0f\t", DisplayNumber(turn), turn.errors,
                      turn.duration, ErrorPercent(turn), WordsPerMinute(turn),
                      LettersPerMinute(turn)) +
               turn.errorLetters;
    }
    if (style == RowHtml) {
        const char* colour = GradeColour(TurnGrade(turn.errors, okThreshold));
        return Format(
                   "<tr><td>%d</td><td bgcolor=\"%s\">%d</td><td>%d</td><td>%d%%</td>"
                   "<td>%3.0f</td><td>%3.0f</td><td>",
                   DisplayNumber(turn), colour, turn.errors, turn.duration, ErrorPercent(turn),
                   WordsPerMinute(turn), LettersPerMinute(turn)) +
               turn.errorLetters + "</td></tr>";
    }
    return text::kRowError;
}

double LetterErrorPercent(const CProgressStats& stats, unsigned char code) {
    if (stats.letterCorrect[code] <= 0) return 0.0;
    return stats.letterErrors[code] * 100.0 / stats.letterCorrect[code];
}

int HistoryEntries(const CProgressStats& stats) {
    return std::clamp(stats.historyCount, 0, CProgressStats::kHistorySize);
}

DurationSplit TotalDuration(const CProgressStats& stats) {
    long long sum = 0;
    for (int i = 0; i < HistoryEntries(stats); ++i) sum += stats.history[i].duration;
    DurationSplit split;
    split.hours = static_cast<int>(sum / 360000);
    split.minutes = static_cast<int>(sum % 360000 / 6000);
    split.seconds = static_cast<double>(sum % 6000) * 0.01;
    return split;
}

std::string FormatDuration(const DurationSplit& split) {
    return Format("%dh %dm %2.2fs", split.hours, split.minutes, split.seconds);
}

double WordsPerMinuteOver(const CProgressStats& stats, int window) {
    const int count = std::min(std::max(window, 0), HistoryEntries(stats));
    long long words = 0;
    long long duration = 0;
    for (int i = 0; i < count; ++i) {
        words += stats.history[i].words;
        duration += stats.history[i].duration;
    }
    // An empty window has no speed; 0.0 rather than a division by zero.
    if (duration <= 0) return 0.0;
    return static_cast<double>(words) * kPerMinute / static_cast<double>(duration);
}

GradeCounts CountGrades(const CProgressStats& stats, int okThreshold) {
    GradeCounts counts;
    for (int i = 0; i < HistoryEntries(stats); ++i) {
        switch (TurnGrade(stats.history[i].errors, okThreshold)) {
            case Grade::Bien:
                ++counts.bien;
                break;
            case Grade::Regular:
                ++counts.regular;
                break;
            case Grade::Mal:
                ++counts.mal;
                break;
            case Grade::None:
                break;  // only from a damaged file: a negative error count
        }
    }
    return counts;
}

HistorySummary SummarizeHistory(const CProgressStats& stats, int okThreshold) {
    HistorySummary summary;
    summary.total = TotalDuration(stats);
    summary.wpm20 = WordsPerMinuteOver(stats, kWindowLast20);
    summary.wpm100 = WordsPerMinuteOver(stats, kWindowLast100);
    summary.wpmAll = WordsPerMinuteOver(stats, kWindowAll);
    summary.grades = CountGrades(stats, okThreshold);
    return summary;
}

}  // namespace zav
