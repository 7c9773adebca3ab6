// The speed of each key of a turn: which interval goes to which expected character.
#include <gtest/gtest.h>

#include "core/typing/typing_engine.h"

namespace zav {
namespace {

class FakeClock : public IClock {
  public:
    TimeStamp Now() override { return now; }
    TimeStamp now{500, 0};
};

struct Recorder : ITypingListener {
    int turns = 0;
    CKeyTimes keys;
    void TurnRecorded(const CTurnRecord&, const CKeyTimes& k) override {
        ++turns;
        keys = k;
    }
};

// An engine on a one-section course, its turns recorded, on a clock the test sets.
struct EngineOn {
    explicit EngineOn(const char* course) {
        doc.course.Parse(course);
        engine.StartExercise();
    }
    CZAVTypeDoc doc;
    Recorder recorder;
    FakeClock clock;
    CTypingEngine engine{doc, recorder, clock};
};

// Keys typed at given milliseconds; the interval of a correct key runs from the previous
// correct key, so wrong keys between them add their time to the next correct one.
TEST(KeyTimes, IntervalsGoToTheExpectedCharacterFromThePreviousCorrectKey) {
    EngineOn t("\tFila\nabab\n");
    auto& [doc, recorder, clock, engine] = t;
    const struct {
        int ms;
        char key;
    } keys[] = {{0, 'a'}, {300, 'b'}, {500, 'x'}, {1100, 'a'}, {1999, 'b'}};
    for (const auto& k : keys) {
        clock.now = {500 + (k.ms / 1000), k.ms % 1000};
        engine.Character(k.key);
    }
    ASSERT_EQ(recorder.turns, 1);
    EXPECT_EQ(recorder.keys['a'].correct, 2);
    EXPECT_EQ(recorder.keys['a'].timed, 1);  // the turn's first key has no interval
    EXPECT_EQ(recorder.keys['a'].milliseconds, 800);
    EXPECT_EQ(recorder.keys['b'].correct, 2);
    EXPECT_EQ(recorder.keys['b'].timed, 2);
    EXPECT_EQ(recorder.keys['b'].milliseconds, 300 + 899);
    EXPECT_EQ(recorder.keys['x'].correct, 0);

    // The next turn starts afresh: its first key has no interval, whatever time has passed.
    clock.now = {600, 0};
    engine.Character('a');
    EXPECT_EQ(engine.KeyTimes()['a'].correct, 1);
    EXPECT_EQ(engine.KeyTimes()['a'].timed, 0);
    EXPECT_EQ(engine.KeyTimes()['b'].correct, 0);
}

TEST(KeyTimes, AbandonedTurnIsNotRecorded) {
    EngineOn t("\tFila\nabc\nxyz\n");
    auto& [doc, recorder, clock, engine] = t;
    engine.Character('a');
    engine.Character('b');
    ++doc.exercise;
    engine.StartExercise();
    EXPECT_EQ(recorder.turns, 0);
    EXPECT_EQ(engine.KeyTimes()['a'].correct, 0);
}

}  // namespace
}  // namespace zav
