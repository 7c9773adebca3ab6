// The typing rules of one keystroke, one turn and one exercise, against a scripted clock.
#include "core/typing/typing_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zav {
namespace {

class FakeClock : public IClock {
  public:
    TimeStamp Now() override { return now; }
    TimeStamp now{1000, 0};
};

struct Listener : ITypingListener {
    std::vector<Sound> sounds;
    int stops = 0, timerStarts = 0, timerStops = 0, modified = 0, fullRedraws = 0,
        partialRedraws = 0, graphRefreshes = 0, lastErrorLevel = -2;
    std::vector<int> helpPosts;
    TurnHistory discs{};
    bool advance = false;
    const CTypingEngine* engine = nullptr;
    std::vector<int> marksAtFullRedraw;
    std::string good = "?", bad = "?";

    void StopSound() override { ++stops; }
    void PlaySound(Sound s) override { sounds.push_back(s); }
    void ShowErrorLevel(int errors) override { lastErrorLevel = errors; }
    void ShowTurnDiscs(const TurnHistory& h) override { discs = h; }
    void ShowLetterLists(const std::string& g, const std::string& b) override {
        good = g;
        bad = b;
    }
    void Redraw(bool full) override {
        ++(full ? fullRedraws : partialRedraws);
        if (full && engine) marksAtFullRedraw.push_back(engine->CurrentMarks().Count());
    }
    void StartTimer() override { ++timerStarts; }
    void StopTimer() override { ++timerStops; }
    void PostExerciseHelp(int e) override { helpPosts.push_back(e); }
    void RefreshGraph() override { ++graphRefreshes; }
    bool AskAutoAdvance() override { return advance; }
    void MarkModified() override { ++modified; }
};

class EngineTest : public ::testing::Test {
  protected:
    void Load(const std::string& courseText) {
        doc.course.Parse(courseText);
        engine.StartExercise();
    }
    void Type(const std::string& keys) {
        for (unsigned char c : keys) engine.Character(c);
    }
    int Count(Sound s) const {
        return static_cast<int>(std::count(listener.sounds.begin(), listener.sounds.end(), s));
    }

    CZAVTypeDoc doc;
    Listener listener;
    FakeClock clock;
    CTypingEngine engine{doc, listener, clock};
};

TEST_F(EngineTest, LineTypedWithoutErrorsBecomesOneRecord) {
    Load("\tFila\nas df g\n");
    clock.now = {1000, 0};
    Type("as df ");
    clock.now = {1003, 250};
    Type("g");
    ASSERT_EQ(doc.stats.historyCount, 1);
    const CTurnRecord& r = doc.stats.history[0];
    EXPECT_EQ(r.letters, 7);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.words, 2);
    EXPECT_EQ(r.duration, 325);
    EXPECT_EQ(r.kind, CourseExercise);
    EXPECT_EQ(r.exercise, 0);
    EXPECT_EQ(engine.TurnNumber(), 2);
    EXPECT_EQ(engine.Position(), 0);
    EXPECT_EQ(engine.TypedText(), "");
    EXPECT_EQ(Count(Sound::Ok), 7);
    EXPECT_EQ(Count(Sound::Done), 1);
    EXPECT_EQ(listener.sounds.back(), Sound::Done);
    EXPECT_EQ(listener.discs[0], 0);
    EXPECT_EQ(listener.discs[1], -1);
    EXPECT_EQ(listener.timerStarts, 1);
    EXPECT_EQ(listener.modified, 1);
    EXPECT_EQ(listener.graphRefreshes, 1);
    EXPECT_EQ(doc.stats.letterCorrect[' '], 2);
    EXPECT_EQ(doc.stats.letterCorrect['g'], 1);
}

TEST_F(EngineTest, ThreeWrongKeysAtOnePositionCountOneError) {
    Load("\tFila\nab\n");
    Type("a");
    for (char wrong : std::string("xyz")) {
        Type(std::string(1, wrong));
        EXPECT_EQ(engine.TypedText(), std::string("a") + wrong);
    }
    EXPECT_EQ(engine.Record().errors, 1);
    EXPECT_EQ(Count(Sound::Bad), 3);
    EXPECT_EQ(engine.CurrentMarks().Count(), 1);
    EXPECT_EQ(*engine.CurrentMarks().begin(), 1);  // the position of the missed "b"
    EXPECT_EQ(engine.Record().errorLetters, "b");
    EXPECT_EQ(doc.stats.letterErrors['b'], 1);
    EXPECT_TRUE(engine.PendingError());
    EXPECT_EQ(listener.lastErrorLevel, 1);
    Type("b");
    EXPECT_EQ(doc.stats.history[0].errors, 1);
    EXPECT_EQ(doc.stats.history[0].errorLetters, "b");
    EXPECT_EQ(listener.lastErrorLevel, 0);  // the next turn has begun
}

TEST_F(EngineTest, WrongFirstSpaceIsShownButNotCounted) {
    Load("\tFila\nab\n");
    Type(" ");
    EXPECT_EQ(engine.Record().errors, 0);
    EXPECT_EQ(engine.CurrentMarks().Count(), 0);
    EXPECT_EQ(Count(Sound::Bad), 1);
    EXPECT_EQ(engine.TypedText(), " ");
    Type("a ");  // a wrong space later in the line counts
    EXPECT_EQ(engine.Record().errors, 1);
    EXPECT_EQ(doc.stats.letterErrors['b'], 1);
}

TEST_F(EngineTest, WrongKeyBeforeTheFirstCorrectOneIsCountedUntimed) {
    Load("\tFila\nab\n");
    Type("A");  // upper case where the line has lower case
    EXPECT_EQ(engine.Record().errors, 1);
    EXPECT_EQ(doc.stats.letterErrors['a'], 1);
    EXPECT_EQ(listener.timerStarts, 0);
    EXPECT_FALSE(engine.Timed());
    Type("a");
    EXPECT_EQ(listener.timerStarts, 1);
    EXPECT_TRUE(engine.Timed());
}

TEST_F(EngineTest, KeysOutsideTheTypeableRangeChangeNothing) {
    Load("\tFila\nab\n");
    const int redrawsBefore = listener.fullRedraws + listener.partialRedraws;
    for (int code : {8, 9, 10, 13, 27, 31, 256, 1000, -1}) engine.Character(code);
    EXPECT_TRUE(listener.sounds.empty());
    EXPECT_EQ(engine.TypedText(), "");
    EXPECT_EQ(engine.Record().errors, 0);
    EXPECT_EQ(listener.fullRedraws + listener.partialRedraws, redrawsBefore);
    EXPECT_EQ(listener.lastErrorLevel, -2);
}

TEST_F(EngineTest, UpperHalfCharactersCountUnderTheirUnsignedCode) {
    Load(
        "\tFila\n\xf1"
        "a\n");
    Type("n");
    Type("\xf1");
    EXPECT_EQ(doc.stats.letterErrors[0xf1], 1);
    EXPECT_EQ(doc.stats.letterCorrect[0xf1], 1);
    EXPECT_EQ(engine.Record().errorLetters, "\xf1");
}

TEST_F(EngineTest, MarksStopAt250WhileErrorsGoOn) {
    const std::string line(260, 'a');
    Load("\tFila\n" + line.substr(0, 255) + "\n");
    for (int i = 0; i < 251; ++i) {
        Type("b");
        Type("a");
    }
    EXPECT_EQ(engine.Record().errors, 251);
    EXPECT_EQ(engine.CurrentMarks().Count(), CMarkSet::kCapacity);
    EXPECT_EQ(doc.stats.letterErrors['a'], 251);
}

TEST_F(EngineTest, SoundOffPlaysNothingAndChangesNothingElse) {
    doc.soundOn = false;
    Load("\tFila\nab\n");
    Type("xab");
    EXPECT_TRUE(listener.sounds.empty());
    EXPECT_EQ(listener.stops, 0);
    EXPECT_EQ(doc.stats.historyCount, 1);
    EXPECT_EQ(doc.stats.history[0].errors, 1);
}

TEST_F(EngineTest, TurnAbandonedByTheNextExerciseLeavesNoRecord) {
    Load("\tFila\nab\ncd\n");
    Type("ax");
    ++doc.exercise;
    engine.StartExercise();
    EXPECT_EQ(doc.stats.historyCount, 0);
    EXPECT_EQ(doc.stats.letterCorrect['a'], 1);
    EXPECT_EQ(doc.stats.letterErrors['b'], 1);
    EXPECT_EQ(engine.TurnNumber(), 1);
    EXPECT_FALSE(engine.PendingError());
    EXPECT_EQ(engine.SourceLine(), "cd");
    EXPECT_EQ(engine.CurrentMarks().Count(), 0);
    EXPECT_EQ(engine.PreviousMarks().Count(), 0);
    EXPECT_EQ(listener.helpPosts, (std::vector<int>{0, 1}));
}

TEST_F(EngineTest, CaptionsByKind) {
    std::string course = "\tUno\n";
    for (int i = 0; i < 9; ++i) course += "x\n";
    course += "\tFila \xf1\n";
    for (int i = 0; i < 8; ++i) course += "y\n";
    doc.course.Parse(course);
    doc.exercise = 11;
    engine.StartExercise();
    EXPECT_EQ(engine.StatusText(), "Ec 12: 'Fila \xf1' 3 de 8");
    doc.exercise = 0;
    engine.StartExercise();
    EXPECT_EQ(engine.StatusText(), "Ec 1: 'Uno' 1 de 9");

    const struct {
        int kind;
        const char* caption;
    } kinds[] = {{ProblemLetters, "Ejercicio con sus letras problem\xe1ticas"},
                 {LettersInOrder, "Ejercicio libre"},
                 {RandomLetters, "Ejercicio de letras aleatorias"},
                 {7, "Ejercicio de letras aleatorias"}};  // unknown kinds keep the caption
    for (const auto& k : kinds) {
        doc.kind = k.kind;
        engine.StartExercise();
        EXPECT_EQ(engine.StatusText(), k.caption) << k.kind;
    }
}

TEST_F(EngineTest, MarksRollFromCurrentToPreviousToOlder) {
    Load("\tFila\nab\n");
    Type("axb");
    EXPECT_EQ(engine.CurrentMarks().Count(), 0);
    ASSERT_EQ(engine.PreviousMarks().Count(), 1);
    EXPECT_EQ(*engine.PreviousMarks().begin(), 1);
    Type("ab");
    EXPECT_EQ(engine.PreviousMarks().Count(), 0);
    ASSERT_EQ(engine.OlderMarks().Count(), 1);
    // The new turn's first full redraw still shows the marks unrolled; the one that follows
    // the finishing key shows them rolled.
    listener.engine = &engine;
    Type("x");
    Type("ab");
    EXPECT_EQ(listener.marksAtFullRedraw, (std::vector<int>{1, 0}));
    EXPECT_EQ(engine.OlderMarks().Count(), 1);  // older marks gather, never roll out

    doc.kind = RandomLetters;  // a line that changes every turn keeps no marks
    engine.SetLineSource([] { return std::string("ab"); });
    engine.StartExercise();
    Type("xab");
    EXPECT_EQ(engine.PreviousMarks().Count() + engine.OlderMarks().Count(), 0);
}

TEST_F(EngineTest, EmptyLineIsFinishedByTheFirstKey) {
    Load("\tFila\n\nab\n");
    EXPECT_EQ(engine.SourceLine(), "");
    Type("q");
    EXPECT_EQ(engine.TurnNumber(), 2);
    EXPECT_EQ(doc.stats.historyCount, 0);
    EXPECT_EQ(listener.discs[0], 0);
    EXPECT_EQ(std::count(doc.stats.letterErrors.begin(), doc.stats.letterErrors.end(), 0), 256);
    listener.advance = true;
    Type(" ");
    EXPECT_EQ(doc.exercise, 1);
    EXPECT_EQ(engine.SourceLine(), "ab");
}

TEST_F(EngineTest, AutoAdvanceMovesOnButNeverPastTheLastExercise) {
    Load("\tFila\na\nb\n");
    listener.advance = true;
    Type("a");
    EXPECT_EQ(doc.exercise, 1);
    EXPECT_EQ(engine.TurnNumber(), 1);
    Type("b");
    EXPECT_EQ(doc.exercise, 1);
    EXPECT_EQ(engine.TurnNumber(), 2);
}

TEST_F(EngineTest, LetterListsUseTheDocumentLimits) {
    doc.stats.letterCorrect['a'] = 10;
    doc.stats.letterCorrect['b'] = 4;
    doc.stats.letterErrors['b'] = 1;
    Load("\tFila\nab\n");
    EXPECT_EQ(listener.good, "a");
    EXPECT_EQ(listener.bad, "b");
}

TEST_F(EngineTest, PushTurnHistoryShiftsTheOldestOut) {
    Load("\tFila\nab\n");
    for (int i = 0; i < 11; ++i) engine.PushTurnHistory(i);
    const ITypingListener::TurnHistory expected{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(engine.TurnHistory(), expected);
    EXPECT_EQ(listener.discs, expected);
}

TEST(ElapsedHundredths, SameFormulaNeverNegative) {
    const struct {
        TimeStamp start, now;
        int hundredths;
    } cases[] = {
        {{10, 0}, {10, 999}, 99},  {{10, 500}, {11, 200}, 70},
        {{10, 995}, {11, 5}, 1},   {{10, 0}, {70, 0}, 6000},
        {{10, 500}, {10, 400}, 0}, {{20, 0}, {10, 0}, 0},  // a clock that went back
    };
    for (const auto& c : cases)
        EXPECT_EQ(ElapsedHundredths(c.start, c.now), c.hundredths)
            << c.start.seconds << "." << c.start.milliseconds;
}

TEST_F(EngineTest, ClockStandsStillWhileTheViewLacksTheFocus) {
    Load("\tFila\nasdfgh\n");
    engine.PauseClock();  // before the first key nothing is timed: nothing to pause
    EXPECT_FALSE(engine.ClockPaused());
    // Four letters, then a menu (paused for 53 s), a dialog (paused for 34 s), two more letters.
    clock.now = {1000, 900};
    Type("asdf");
    clock.now = {1002, 0};
    engine.PauseClock();
    clock.now = {1055, 420};
    engine.Tick();
    EXPECT_EQ(engine.Record().duration, 110);
    engine.ResumeClock();
    clock.now = {1055, 920};
    engine.PauseClock();
    engine.PauseClock();
    clock.now = {1090, 0};
    Type("g");  // a key goes on with the clock
    EXPECT_FALSE(engine.ClockPaused());
    clock.now = {1090, 300};
    Type("h");
    ASSERT_EQ(doc.stats.historyCount, 1);
    EXPECT_EQ(doc.stats.history[0].duration, 190);  // 1.10 + 0.50 + 0.30 s
}

TEST(MarkSet, AddRefusesDuplicatesAndAFullSet) {
    CMarkSet set;
    EXPECT_TRUE(set.Add(3));
    EXPECT_FALSE(set.Add(3));
    for (int i = 0; i < 300; ++i) set.Add(i);
    EXPECT_EQ(set.Count(), 250);
    EXPECT_FALSE(set.Add(1000));
    CMarkSet other;
    other.Add(7);
    other.Add(3);
    CMarkSet merged;
    merged.Add(3);
    merged.Merge(other);
    EXPECT_EQ(std::vector<int>(merged.begin(), merged.end()), (std::vector<int>{3, 7}));
}

}  // namespace
}  // namespace zav
