#include "core/stats/measures.h"

#include <gtest/gtest.h>

#include <climits>

namespace zav {
namespace {

CTurnRecord Turn(int duration, int words, int errors = 0, int letters = 0) {
    CTurnRecord t;
    t.duration = duration;
    t.words = words;
    t.errors = errors;
    t.letters = letters;
    return t;
}

TEST(MeasuresTest, SpeedsAndErrorPercentOfOneTurn) {
    const CTurnRecord t = Turn(3000, 7, 7, 150);  // half a minute
    EXPECT_DOUBLE_EQ(WordsPerMinute(t), 14.0);
    EXPECT_DOUBLE_EQ(LettersPerMinute(t), 300.0);
    EXPECT_EQ(ErrorPercent(t), 4);  // 700 / 150 truncated
    EXPECT_DOUBLE_EQ(LettersPerMinute(Turn(7, 0, 0, 1)), 6000.0 / 7);

    for (int duration : {0, -5}) {
        EXPECT_EQ(WordsPerMinute(Turn(duration, 9, 0, 9)), 0.0);
        EXPECT_EQ(LettersPerMinute(Turn(duration, 9, 0, 9)), 0.0);
    }
    EXPECT_EQ(ErrorPercent(Turn(100, 0, 3, 0)), 0);
    // errors × 100 would overflow 32 bits here.
    EXPECT_EQ(ErrorPercent(Turn(100, 0, 30000000, 1000)), 3000000);
}

TEST(MeasuresTest, DisplayNumberSetsDrillsApart) {
    struct Case {
        int kind, exercise, shown;
    };
    // The last two from a fuzzed progress file: they overflowed int.
    for (const Case& c : {Case{0, 0, 1}, Case{0, 41, 42}, Case{1, 9, -1}, Case{2, 9, -2},
                          Case{3, 0, -3}, Case{0, INT_MAX, INT_MIN}, Case{INT_MIN, 0, INT_MIN}}) {
        CTurnRecord t;
        t.kind = c.kind;
        t.exercise = c.exercise;
        EXPECT_EQ(DisplayNumber(t), c.shown) << c.kind << " " << c.exercise;
    }
}

TEST(MeasuresTest, GradesByErrorCount) {
    struct Case {
        int errors, okThreshold;
        Grade grade;
        const char* name;
        const char* colour;
    };
    for (const Case& c :
         {Case{-1, 3, Grade::None, "", ""}, Case{0, 0, Grade::Bien, "Bien", "#ddffdd"},
          Case{1, 0, Grade::Mal, "Mal", "#ffdddd"},
          Case{3, 3, Grade::Regular, "Regular", "#ffffbb"},
          Case{4, 3, Grade::Mal, "Mal", "#ffdddd"},
          Case{1, 3, Grade::Regular, "Regular", "#ffffbb"}}) {
        SCOPED_TRACE(c.errors);
        const Grade grade = TurnGrade(c.errors, c.okThreshold);
        EXPECT_EQ(grade, c.grade);
        EXPECT_STREQ(GradeName(grade), c.name);
        EXPECT_STREQ(GradeColour(grade), c.colour);
    }
}

TEST(MeasuresTest, HistoryRowsInBothStyles) {
    CTurnRecord t = Turn(4500, 12, 3, 70);
    t.kind = 0;
    t.exercise = 4;
    t.errorLetters = "\xf1q";
    EXPECT_EQ(FormatRow(t, RowText, 0), "5\t3\t4500\t4%\t 16\t 93\t\xf1q");
    EXPECT_EQ(FormatRow(t, RowHtml, 3),
              "<tr><td>5</td><td bgcolor=\"#ffffbb\">3</td><td>4500</td><td>4%</td>"
              "<td> 16</td><td> 93</td><td>\xf1q</td></tr>");
    EXPECT_NE(FormatRow(t, RowHtml, 2).find("<td bgcolor=\"#ffdddd\">3</td>"), std::string::npos);
    t.kind = 3;
    t.errorLetters = std::string("a\0<b>", 5);  // inserted unchanged, every byte
    EXPECT_EQ(FormatRow(t, RowText, 0), std::string("-3\t3\t4500\t4%\t 16\t 93\ta\0<b>", 26));
    for (int style : {2, 3, 255})
        EXPECT_EQ(FormatRow(t, static_cast<std::uint8_t>(style), 0), "ERROR");
}

TEST(MeasuresTest, LetterErrorPercent) {
    CProgressStats stats;
    stats.letterErrors['a'] = 1;
    stats.letterCorrect['a'] = 3;
    stats.letterErrors['b'] = 5;
    EXPECT_DOUBLE_EQ(LetterErrorPercent(stats, 'a'), 100.0 / 3);
    EXPECT_EQ(LetterErrorPercent(stats, 'b'), 0.0);
}

CProgressStats History(std::initializer_list<CTurnRecord> turns) {
    CZAVTypeDoc doc;
    for (const auto& t : turns) doc.AddTurn(t);  // the last one given is the newest
    return doc.stats;
}

TEST(MeasuresTest, TotalDurationSplit) {
    const CProgressStats stats = History({Turn(398000, 0), Turn(765, 0)});
    const DurationSplit split = TotalDuration(stats);
    EXPECT_EQ(split.hours, 1);
    EXPECT_EQ(split.minutes, 6);
    EXPECT_NEAR(split.seconds, 27.65, 1e-9);
    EXPECT_EQ(FormatDuration(split), "1h 6m 27.65s");
    EXPECT_EQ(FormatDuration(TotalDuration(CProgressStats{})), "0h 0m 0.00s");
}

TEST(MeasuresTest, WordsPerMinuteWindowsAreRatiosOfSums) {
    // Two turns: 10 words in a minute and 1 word in 9 minutes: 11 words in 10 minutes.
    const CProgressStats two = History({Turn(54000, 1), Turn(6000, 10)});
    EXPECT_DOUBLE_EQ(WordsPerMinuteOver(two, kWindowAll), 1.1);
    EXPECT_DOUBLE_EQ(WordsPerMinuteOver(two, 1), 10.0);

    // With 5 entries the last 20 are all of them.
    const CProgressStats five =
        History({Turn(100, 1), Turn(200, 3), Turn(300, 2), Turn(400, 9), Turn(500, 4)});
    EXPECT_DOUBLE_EQ(WordsPerMinuteOver(five, kWindowLast20), WordsPerMinuteOver(five, kWindowAll));

    // Empty windows give 0.0 rather than a division by zero.
    EXPECT_EQ(WordsPerMinuteOver(CProgressStats{}, kWindowAll), 0.0);
    EXPECT_EQ(WordsPerMinuteOver(History({Turn(0, 5)}), kWindowAll), 0.0);
}

TEST(MeasuresTest, WindowsOfAFullHistory) {
    CZAVTypeDoc doc;
    doc.AddTurn(Turn(6000, 1000));  // the oldest, dropped by the 151st turn
    for (int n = 0; n < 150; ++n) doc.AddTurn(Turn(6000, n < 100 ? 10 : 30));
    // Newest first: entries 0..49 have 30 words, 50..149 have 10.
    const HistorySummary s = SummarizeHistory(doc.stats, 0);
    EXPECT_DOUBLE_EQ(s.wpm20, 30.0);
    EXPECT_DOUBLE_EQ(s.wpm100, 20.0);
    EXPECT_DOUBLE_EQ(s.wpmAll, (50 * 30 + 100 * 10) / 150.0);
    EXPECT_EQ(s.total.hours, 2);
    EXPECT_EQ(s.total.minutes, 30);
    EXPECT_EQ(s.grades.bien, 150);
}

TEST(MeasuresTest, GradeCountsUseTheCurrentThreshold) {
    CProgressStats stats = History({Turn(1, 0, 0), Turn(1, 0, 1), Turn(1, 0, 2), Turn(1, 0, 5)});
    const GradeCounts strict = CountGrades(stats, 0);
    EXPECT_EQ(strict.bien, 1);
    EXPECT_EQ(strict.regular, 0);
    EXPECT_EQ(strict.mal, 3);
    const GradeCounts lenient = CountGrades(stats, 2);
    EXPECT_EQ(lenient.regular, 2);
    EXPECT_EQ(lenient.mal, 1);

    // A count out of range never reads past the history.
    stats.historyCount = 100000;
    EXPECT_EQ(CountGrades(stats, 0).bien + CountGrades(stats, 0).mal, 150);
    stats.historyCount = -3;
    EXPECT_EQ(CountGrades(stats, 0).bien, 0);
    EXPECT_EQ(WordsPerMinuteOver(stats, kWindowAll), 0.0);
}

}  // namespace
}  // namespace zav
