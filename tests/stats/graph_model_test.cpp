// The statistics graphs' numbers: table rows, speed scale and dots, precision columns.
#include "core/stats/graph_model.h"

#include <gtest/gtest.h>

#include <climits>

namespace zav {
namespace {

CTurnRecord Turn(int letters, int duration, int words = 0) {
    CTurnRecord turn;
    turn.letters = letters;
    turn.duration = duration;
    turn.words = words;
    return turn;
}

// Turns given newest first.
CProgressStats History(std::initializer_list<CTurnRecord> turns) {
    CProgressStats stats;
    for (const CTurnRecord& turn : turns) stats.history[stats.historyCount++] = turn;
    return stats;
}

TEST(HistoryTable, HeaderAloneForAnEmptyHistory) {
    const std::vector<GraphText> table = HistoryTable(CProgressStats{});
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0], (GraphText{0, 0, "Ec\terrs\ttiempo\t%err\tppm\tlpm\tErrs"}));
}

TEST(HistoryTable, TwelveTurnsListTheNewestTen) {
    CProgressStats stats;
    for (int i = 0; i < 12; ++i) {
        CTurnRecord turn = Turn(10, 600);
        turn.exercise = i;
        stats.history[i] = turn;
    }
    stats.historyCount = 12;
    const std::vector<GraphText> table = HistoryTable(stats);
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[1].y, 20);
    EXPECT_EQ(table[10].y, 128);
    EXPECT_EQ(table[1].text, "1\t0\t600\t0%\t  0\t100\t");
    EXPECT_EQ(table[10].text.substr(0, 3), "10\t");
}

TEST(HistoryTable, CountOutsideTheTableIsBounded) {
    CProgressStats stats;
    stats.historyCount = 100000;  // as a damaged file may hold
    EXPECT_EQ(HistoryTable(stats).size(), 11u);
    stats.historyCount = -5;
    EXPECT_EQ(HistoryTable(stats).size(), 1u);
}

TEST(HistoryTable, TabStops) {
    struct Case {
        int x, stop;
    } cases[] = {{0, 30}, {29, 30}, {30, 60}, {99, 100}, {229, 230}, {230, 230}, {260, 260}};
    for (const Case& c : cases) EXPECT_EQ(NextTabStop(c.x), c.stop) << c.x;
}

TEST(HistoryTable, TabStopsMakeRoomForWideColumns) {
    using Stops = std::array<int, 6>;
    struct Case {
        std::vector<int> widths;
        int gap;
        Stops stops;
    } cases[] = {
        {{12, 20, 30, 20, 20, 20, 40}, 4, {30, 60, 100, 140, 180, 230}},  // the table's own
        {{12, 20, 38, 20, 20, 20, 40}, 4, {30, 60, 102, 140, 180, 230}},  // "tiempo" too wide
        {{12, 20, 38, 36, 36, 20, 40}, 4, {30, 60, 102, 142, 182, 230}},  // and pushes on
        {{}, 4, {30, 60, 100, 140, 180, 230}},                            // nothing measured
        {{-5, 200}, 4, {30, 234, 238, 242, 246, 250}},                    // one huge column
    };
    for (const Case& c : cases) EXPECT_EQ(FitHistoryTabStops(c.widths, c.gap), c.stops);
}

TEST(SpeedChart, ScaleTop) {
    struct Case {
        float largest;
        int top;
    } cases[] = {{0.0f, 4},   {3.9f, 4},     {4.0f, 8}, {37.9f, 40},
                 {40.0f, 44}, {120.0f, 124}, {-3.0f, 4}};
    for (const Case& c : cases) EXPECT_EQ(SpeedScaleTop(c.largest), c.top) << c.largest;
}

TEST(SpeedChart, EmptyHistoryShowsTheAxisLabelsAndNoDots) {
    const SpeedChart chart = BuildSpeedChart(CProgressStats{});
    EXPECT_EQ(chart.scaleTop, 4);
    EXPECT_TRUE(chart.dots.empty());
    EXPECT_EQ(chart.wordsPerMinute, 0);
    EXPECT_EQ(chart.caption, (GraphText{0, 135, "Palabras por minuto (total): 0"}));
    const char* expected[] = {"  0", "  1", "  2", "  3", "  4"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(chart.labels[k], (GraphText{10, 120 - 25 * k, expected[k]}));
    }
}

TEST(SpeedChart, TopOf120GivesLabelsOf124) {
    // 120 letters in 60 seconds, and a slower turn.
    const SpeedChart chart = BuildSpeedChart(History({Turn(120, 6000), Turn(60, 6000)}));
    EXPECT_EQ(chart.scaleTop, 124);
    const char* expected[] = {"  0", " 31", " 62", " 93", "124"};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(chart.labels[k].text, expected[k]);
}

TEST(SpeedChart, DotsSpreadOverTwoHundredPixelsNewestFirst) {
    const SpeedChart one = BuildSpeedChart(History({Turn(100, 6000)}));
    ASSERT_EQ(one.dots.size(), 1u);
    EXPECT_EQ(one.dots[0].x, 50);
    // 100 lpm on a scale of 104: 120 − 96.15 truncated.
    EXPECT_EQ(one.dots[0].y, 23);

    const SpeedChart two = BuildSpeedChart(History({Turn(40, 6000), Turn(0, 0)}));
    ASSERT_EQ(two.dots.size(), 2u);
    EXPECT_EQ(two.dots[0], (SpeedDot{50, 29}));  // 120 − 90.9, truncated
    EXPECT_EQ(two.dots[1], (SpeedDot{150, 120}));

    CProgressStats full;
    full.historyCount = 150;
    const SpeedChart many = BuildSpeedChart(full);
    EXPECT_EQ(many.dots.back().x, 50 + 200 * 149 / 150);
}

TEST(SpeedChart, WordsPerMinuteOverTheWholeHistory) {
    // 30 words in 2 minutes altogether.
    const SpeedChart chart = BuildSpeedChart(History({Turn(50, 6000, 10), Turn(50, 6000, 20)}));
    EXPECT_EQ(chart.wordsPerMinute, 15);
    EXPECT_EQ(chart.caption.text, "Palabras por minuto (total): 15");
}

TEST(SpeedChart, DamagedTurnsGiveBoundedFigures) {
    // From a fuzzed progress file: 542,330,124 letters in 359.42 s made the scale's labels
    // overflow int; negative counts and huge word totals did the same to dots and caption.
    const SpeedChart fast = BuildSpeedChart(History({Turn(542330124, 35942)}));
    EXPECT_EQ(fast.labels[4].text, std::to_string(fast.scaleTop));
    EXPECT_EQ(fast.labels[2].text, std::to_string(fast.scaleTop / 2));
    ASSERT_EQ(fast.dots.size(), 1u);
    EXPECT_GE(fast.dots[0].y, 20);

    const SpeedChart negative = BuildSpeedChart(History({Turn(INT_MIN, 1, INT_MIN)}));
    EXPECT_EQ(negative.dots[0].y, kGraphHeight);
    EXPECT_EQ(negative.wordsPerMinute, INT_MIN);

    CProgressStats wordy = History({Turn(0, 1, INT_MAX), Turn(0, 1, INT_MAX)});
    EXPECT_EQ(BuildSpeedChart(wordy).wordsPerMinute, INT_MAX);
}

TEST(PrecisionScale, NothingWhenNoTwoRatiosDiffer) {
    EXPECT_FALSE(BuildPrecisionScale(CProgressStats{}).drawn);
    CProgressStats same;
    same.letterCorrect['a'] = 4;
    same.letterErrors['a'] = 1;
    same.letterCorrect['b'] = 8;
    same.letterErrors['b'] = 2;
    EXPECT_FALSE(BuildPrecisionScale(same).drawn);
}

TEST(PrecisionScale, ColumnsLabelsAndStacking) {
    CProgressStats stats;
    stats.letterCorrect['a'] = 10;  // ratio 0: part of the range, never drawn
    stats.letterCorrect['f'] = 4;   // ratio 0.5: column 22 (12.5 ÷ 0.55)
    stats.letterErrors['f'] = 2;
    stats.letterCorrect['j'] = 2;  // same column, stacked below in code order
    stats.letterErrors['j'] = 1;
    stats.letterCorrect[' '] = 1;  // the space is left out, whatever its ratio
    stats.letterErrors[' '] = 50;
    const PrecisionScale scale = BuildPrecisionScale(stats);
    ASSERT_TRUE(scale.drawn);
    EXPECT_DOUBLE_EQ(scale.top, 0.55);
    ASSERT_EQ(scale.letters.size(), 2u);
    EXPECT_EQ(scale.letters[0], (GraphText{220, 50, "f"}));
    EXPECT_EQ(scale.letters[1], (GraphText{220, 65, "j"}));
    const char* labels[] = {"0.00", "13.64", "27.28", "40.92", "54.56"};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(scale.labels[n], (GraphText{62 * n, 35, labels[n]}));
    }
}

TEST(PrecisionScale, EighthLetterOfAColumnFallsBelowTheArea) {
    CProgressStats stats;
    stats.letterCorrect['0'] = 1;  // ratio 0 sets the low end
    for (int k = 'a'; k < 'a' + 8; ++k) {
        stats.letterCorrect[k] = 1;
        stats.letterErrors[k] = 1;
    }
    const PrecisionScale scale = BuildPrecisionScale(stats);
    ASSERT_EQ(scale.letters.size(), 8u);
    EXPECT_EQ(scale.letters[7].y, 155);
}

TEST(PrecisionScale, DamagedCountsStayInsideTheColumns) {
    CProgressStats stats;
    stats.letterCorrect['a'] = 1;
    stats.letterErrors['a'] = -7;
    stats.letterCorrect['b'] = 1;
    stats.letterErrors['b'] = 3;
    stats.letterCorrect['c'] = 1;
    stats.letterErrors['c'] = 2147483647;
    const PrecisionScale scale = BuildPrecisionScale(stats);
    for (const GraphText& letter : scale.letters) {
        EXPECT_GE(letter.x, 0);
        EXPECT_LE(letter.x, 240);
    }
}

}  // namespace
}  // namespace zav
