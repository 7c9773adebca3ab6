// The auto-advance rule and the previous, next and restart commands, on the core alone.
#include "core/typing/navigation.h"

#include <gtest/gtest.h>

#include <string>

namespace zav {
namespace {

using History = ITypingListener::TurnHistory;

History Hist(std::initializer_list<int> newest) {
    History h;
    h.fill(-1);
    int i = 0;
    for (int v : newest) h[i++] = v;
    return h;
}

CZAVTypeDoc Doc(int rule, int n, int threshold = 0) {
    CZAVTypeDoc doc;
    doc.course.Parse("\tUno\naa\nbb\ncc\n");
    doc.autoAdvance = 1;
    doc.autoType = rule;
    doc.autoNum = n;
    doc.okThreshold = threshold;
    doc.confirmAdvance = false;
    return doc;
}

TEST(ShouldAutoAdvance, RulesByTable) {
    const struct {
        const char* what;
        int rule, n, threshold, turnNumber;
        History history;
        int errors;
        AdvanceAnswer expected;
    } cases[] = {
        {"perfect, first clean turn", PerfectTurns, 2, 0, 2, Hist({0}), 0, AdvanceAnswer::No},
        {"perfect, two clean turns", PerfectTurns, 2, 0, 3, Hist({0, 0}), 0, AdvanceAnswer::Yes},
        {"perfect, turn with an error", PerfectTurns, 2, 0, 3, Hist({1, 0}), 1, AdvanceAnswer::No},
        {"perfect, clean after a bad one", PerfectTurns, 2, 0, 4, Hist({0, 1, 0}), 0,
         AdvanceAnswer::No},
        {"perfect, N = 0 looks at this turn", PerfectTurns, 0, 0, 2, Hist({0}), 0,
         AdvanceAnswer::Yes},
        {"perfect, N = 0 with an error", PerfectTurns, 0, 0, 2, Hist({1}), 1, AdvanceAnswer::No},
        {"ok, 2 0 1 with threshold 2", OkTurns, 3, 2, 4, Hist({1, 0, 2}), 1, AdvanceAnswer::Yes},
        {"ok, restart among them", OkTurns, 3, 2, 5, Hist({1, -1, 0, 2}), 1, AdvanceAnswer::No},
        {"ok, above the threshold", OkTurns, 1, 2, 2, Hist({3}), 3, AdvanceAnswer::No},
        {"ok, older turn above", OkTurns, 2, 2, 3, Hist({2, 3}), 2, AdvanceAnswer::No},
        {"any, one turn of two", AnyTurns, 2, 0, 2, Hist({5}), 5, AdvanceAnswer::No},
        {"any, restart counts", AnyTurns, 2, 0, 3, Hist({4, -1}), 4, AdvanceAnswer::Yes},
        {"any, N = 0 every turn", AnyTurns, 0, 0, 2, Hist({9}), 9, AdvanceAnswer::Yes},
        {"unknown rule sets no condition", 7, 2, 0, 2, Hist({9}), 9, AdvanceAnswer::Yes},
        {"N above the history's size", PerfectTurns, 50, 0, 11,
         Hist({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0, AdvanceAnswer::Yes},
        {"negative N looks at this turn", PerfectTurns, -3, 0, 2, Hist({0}), 0, AdvanceAnswer::Yes},
    };
    for (const auto& c : cases) {
        CZAVTypeDoc doc = Doc(c.rule, c.n, c.threshold);
        EXPECT_EQ(ShouldAutoAdvance(doc, c.turnNumber, c.history, c.errors), c.expected) << c.what;
    }
}

TEST(ShouldAutoAdvance, NeverOnTheLastExerciseInPracticeOrWhenOff) {
    CZAVTypeDoc doc = Doc(AnyTurns, 0);
    doc.exercise = 2;  // the last of three
    EXPECT_EQ(ShouldAutoAdvance(doc, 2, Hist({0}), 0), AdvanceAnswer::No);
    doc.exercise = 0;
    for (int kind : {ProblemLetters, LettersInOrder, RandomLetters}) {
        doc.kind = kind;
        EXPECT_EQ(ShouldAutoAdvance(doc, 2, Hist({0}), 0), AdvanceAnswer::No) << kind;
    }
    doc.kind = CourseExercise;
    doc.autoAdvance = 0;
    EXPECT_EQ(ShouldAutoAdvance(doc, 2, Hist({0}), 0), AdvanceAnswer::No);
    doc.autoAdvance = 1;
    doc.confirmAdvance = true;
    EXPECT_EQ(ShouldAutoAdvance(doc, 2, Hist({0}), 0), AdvanceAnswer::Confirm);
    doc.course.Parse("");  // an empty course never advances
    EXPECT_EQ(ShouldAutoAdvance(doc, 2, Hist({0}), 0), AdvanceAnswer::No);
}

struct Counting : ITypingListener {
    int starts = 0;
    History discs{};
    void PostExerciseHelp(int) override { ++starts; }
    void ShowTurnDiscs(const TurnHistory& h) override { discs = h; }
};

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() : engine(doc, listener, clock) {
        doc.course.Parse("\tUno\naa\nbb\ncc\n");
        engine.StartExercise();
    }
    struct : IClock {
        TimeStamp Now() override { return {}; }
    } clock;
    CZAVTypeDoc doc;
    Counting listener;
    CTypingEngine engine;
};

TEST_F(NavigationTest, PreviousAndNextWithinTheCourse) {
    PreviousExercise(doc, engine);  // first exercise: starts it again
    EXPECT_EQ(doc.exercise, 0);
    EXPECT_EQ(listener.starts, 2);
    EXPECT_TRUE(NextExercise(doc, engine));
    EXPECT_TRUE(NextExercise(doc, engine));
    EXPECT_EQ(engine.SourceLine(), "cc");
    engine.Character('c');
    EXPECT_FALSE(NextExercise(doc, engine));  // last: the turn goes on
    EXPECT_EQ(engine.Position(), 1);
    PreviousExercise(doc, engine);
    EXPECT_EQ(doc.exercise, 1);
    EXPECT_EQ(engine.TurnNumber(), 1);
}

TEST_F(NavigationTest, PracticeReturnsToTheCourseExerciseUnchanged) {
    doc.exercise = 1;
    for (auto step : {+[](CZAVTypeDoc&d, CTypingEngine&e) { PreviousExercise(d, e); },
                      +[](CZAVTypeDoc&d, CTypingEngine&e) { NextExercise(d, e); }}) {
        doc.kind = RandomLetters;
        step(doc, engine);
        EXPECT_EQ(doc.kind, CourseExercise);
        EXPECT_EQ(doc.exercise, 1);
        EXPECT_EQ(engine.SourceLine(), "bb");
    }
}

TEST_F(NavigationTest, RestartPushesAnAbandonedTurn) {
    engine.Character('a');
    RestartTurn(engine);
    EXPECT_EQ(listener.discs[0], -1);
    EXPECT_EQ(engine.TurnNumber(), 2);
    EXPECT_EQ(engine.Position(), 0);
    EXPECT_EQ(doc.stats.historyCount, 0);
    EXPECT_EQ(listener.starts, 1);  // the exercise did not start again
}

}  // namespace
}  // namespace zav
