// The exercise bar's texts and discs.
#include "core/stats/bar_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace zav {
namespace {

TEST(BarText, FiguresOfARunningTurn) {
    CTurnRecord r;
    r.duration = 1234;  // 12.34 s
    r.letters = 40;
    r.words = 7;
    r.errors = 3;
    r.errorLetters = "a\xf1";
    const TurnFigureTexts t = FormatTurnFigures(r, 12);
    EXPECT_EQ(t.duration, "12.340");
    EXPECT_EQ(t.letters, "40");
    EXPECT_EQ(t.words, "7");
    EXPECT_EQ(t.errors, "3");
    EXPECT_EQ(t.errorPercent, "7%");
    EXPECT_EQ(t.lettersPerMinute, " 194");
    EXPECT_EQ(t.wordsPerMinute, " 34");
    EXPECT_EQ(t.errorLetters, "a\xf1");
    EXPECT_EQ(t.turnNumber, "12");  // no percent sign
}

TEST(BarText, NoTimeYetAndAPointUnderACommaLocale) {
    const TurnFigureTexts idle = FormatTurnFigures(CTurnRecord{}, 1);
    EXPECT_EQ(idle.duration, "0.000");
    EXPECT_EQ(idle.errorPercent, "0%");
    EXPECT_EQ(idle.lettersPerMinute, "   0");
    EXPECT_EQ(idle.wordsPerMinute, "  0");
    if (std::setlocale(LC_NUMERIC, "es_ES.UTF-8") || std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        CTurnRecord r;
        r.duration = 50;
        EXPECT_EQ(FormatTurnFigures(r, 1).duration, "0.500");
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(BarText, DiscsByThreshold) {
    const struct {
        int value, threshold;
        Disc large, small;
    } cases[] = {
        {0, 0, Disc::Green, Disc::Green}, {1, 0, Disc::Red, Disc::Red},
        {0, 3, Disc::Green, Disc::Green}, {3, 3, Disc::Yellow, Disc::Yellow},
        {4, 3, Disc::Red, Disc::Red},     {-1, 3, Disc::Green, Disc::Blank},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ErrorLevelDisc(c.value, c.threshold), c.large) << c.value << "/" << c.threshold;
        EXPECT_EQ(TurnResultDisc(c.value, c.threshold), c.small) << c.value << "/" << c.threshold;
    }
    const std::array<int, 10> history{-1, 0, 2, 5, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(TurnDiscs(history, 2),
              (std::array<Disc, 4>{Disc::Blank, Disc::Green, Disc::Yellow, Disc::Red}));
}

}  // namespace
}  // namespace zav
