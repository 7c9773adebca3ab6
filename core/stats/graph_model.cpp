#include "core/stats/graph_model.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "core/app/strings.h"
#include "core/stats/measures.h"

namespace zav {
namespace {

constexpr int kRowTop = 20;
constexpr int kRowStep = 12;
constexpr int kRowLimit = 140;

constexpr int kAxisBottom = 120;
constexpr int kAxisStep = 25;
constexpr int kFirstDotX = 50;
constexpr int kDotSpread = 200;

constexpr int kLabelStep = 62;
constexpr int kFirstLetterY = 50;
constexpr int kLetterStep = 15;
constexpr int kColumnWidth = 10;

std::string FormatFloat(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

// A figure truncated to int as the chart shows it; a damaged file's turns may give any speed,
// so values beyond int stop at its ends instead of being undefined.
int TruncatedInt(double value) {
    return static_cast<int>(std::clamp(value, double{INT_MIN}, double{INT_MAX}));
}

}  // namespace

int NextTabStop(int x) {
    for (int stop : kHistoryTabStops) {
        if (stop > x) return stop;
    }
    return x;
}

std::array<int, kHistoryTabStops.size()> FitHistoryTabStops(const std::vector<int>& widths,
                                                            int gap) {
    std::array<int, kHistoryTabStops.size()> stops = kHistoryTabStops;
    int start = 0;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const int width = i < widths.size() ? std::max(widths[i], 0) : 0;
        stops[i] = std::max(stops[i], start + width + gap);
        start = stops[i];
    }
    return stops;
}

std::vector<GraphText> HistoryTable(const CProgressStats& stats) {
    std::vector<GraphText> table{{0, 0, text::kHistoryHeader}};
    const int count = HistoryEntries(stats);
    for (int i = 0, y = kRowTop; y < kRowLimit && i < count; ++i, y += kRowStep) {
        table.push_back({0, y, FormatRow(stats.history[i], RowText, 0)});
    }
    return table;
}

int SpeedScaleTop(float largestLettersPerMinute) {
    // Truncated like the integer it was cast to; a huge value from a damaged file stays bounded.
    const float clamped = std::clamp(largestLettersPerMinute, 0.0f, 1.0e9f);
    const int m = static_cast<int>(clamped);
    return m - m % 4 + 4;
}

SpeedChart BuildSpeedChart(const CProgressStats& stats) {
    const int count = HistoryEntries(stats);
    float largest = 0.0f;
    for (int i = 0; i < count; ++i) {
        const float lpm = static_cast<float>(LettersPerMinute(stats.history[i]));
        if (lpm > largest) largest = lpm;
    }

    SpeedChart chart;
    chart.scaleTop = SpeedScaleTop(largest);
    chart.wordsPerMinute = TruncatedInt(WordsPerMinuteOver(stats, kWindowAll));
    chart.caption = {
        0, 135, std::string(text::kSpeedCaption) + ": " + std::to_string(chart.wordsPerMinute)};
    for (int k = 0; k < 5; ++k) {
        chart.labels[k] = {
            10, kAxisBottom - kAxisStep * k,
            FormatFloat("%3.0f", static_cast<double>(kAxisStep * k) * chart.scaleTop * 0.01)};
    }
    for (int i = 0; i < count; ++i) {
        const int x = kFirstDotX + kDotSpread * i / count;
        const double lpm = LettersPerMinute(stats.history[i]);
        // A negative count from a damaged file puts the dot below the area, not out of range.
        const int y = TruncatedInt(
            std::min(kAxisBottom - lpm * 100.0 / chart.scaleTop, double{kGraphHeight}));
        chart.dots.push_back({x, y});
    }
    return chart;
}

PrecisionScale BuildPrecisionScale(const CProgressStats& stats) {
    auto ratio = [&](int k) {
        return static_cast<double>(stats.letterErrors[k]) / stats.letterCorrect[k];
    };
    double smallest = 1000.0;
    double largest = 0.0;
    for (int k = 0; k < 256; ++k) {
        if (k == ' ' || stats.letterCorrect[k] <= 0) continue;
        smallest = std::min(smallest, ratio(k));
        largest = std::max(largest, ratio(k));
    }

    PrecisionScale scale;
    if (!(largest > smallest)) return scale;
    scale.drawn = true;
    scale.top = largest + 0.05;
    for (int n = 0; n < 5; ++n) {
        const int x = kLabelStep * n;
        scale.labels[n] = {x, 35, FormatFloat("%3.2f", x * scale.top * 0.004 * 100)};
    }

    std::array<int, kPrecisionColumns> nextY;
    nextY.fill(kFirstLetterY);
    for (int k = 0; k < 256; ++k) {
        if (k == ' ' || stats.letterCorrect[k] <= 0 || stats.letterErrors[k] <= 0) continue;
        // r < H keeps the column below 25; the clamp guards counts from a damaged file.
        const int column = std::clamp(static_cast<int>(ratio(k) * kPrecisionColumns / scale.top), 0,
                                      kPrecisionColumns - 1);
        scale.letters.push_back(
            {kColumnWidth * column, nextY[column], std::string(1, static_cast<char>(k))});
        nextY[column] += kLetterStep;
    }
    return scale;
}

}  // namespace zav
