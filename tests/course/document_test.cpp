#include "core/course/document.h"

#include <gtest/gtest.h>

#include "core/app/config.h"

namespace zav {
namespace {

CTurnRecord Turn(int n) {
    CTurnRecord t;
    t.exercise = n;
    t.duration = 100 + n;
    t.letters = n % 40;
    t.errorLetters = std::string(1, static_cast<char>('a' + n % 26));
    return t;
}

TEST(DocumentTest, NewTakesTheSettingsAndKeepsThePracticeLetters) {
    CConfig config;
    config.auto_check = false;
    config.font_name = "Arial";
    config.font_size = 200;
    config.auto_advance = 0;
    config.auto_num = 4;
    config.auto_type = OkTurns;
    config.ok_thresh = 3;

    CZAVTypeDoc doc;
    doc.includeExtraLetters = true;
    doc.anyOrderLetters = "xyz";
    doc.inOrderText = "hola";
    doc.keyboardLayout = 2;
    doc.goodLimit = 0.5f;
    doc.kind = RandomLetters;
    doc.exercise = 9;
    doc.AddTurn(Turn(1));
    doc.stats.letterErrors['a'] = 4;
    doc.stats.letterCorrect['a'] = 4;
    doc.ApplyNew(config);

    EXPECT_FALSE(doc.confirmAdvance);
    EXPECT_EQ(doc.fontName, "Arial");
    EXPECT_EQ(doc.fontSize, 200);
    EXPECT_EQ(doc.autoAdvance, 0);
    EXPECT_EQ(doc.autoNum, 4);
    EXPECT_EQ(doc.autoType, OkTurns);
    EXPECT_EQ(doc.okThreshold, 3);
    EXPECT_EQ(doc.keyboardLayout, 0);
    EXPECT_EQ(doc.goodLimit, 0.1f);
    EXPECT_EQ(doc.badLimit, 0.2f);
    EXPECT_EQ(doc.kind, CourseExercise);
    EXPECT_EQ(doc.exercise, 0);
    EXPECT_EQ(doc.stats.historyCount, 0);
    EXPECT_EQ(doc.stats.letterErrors['a'], 0);
    EXPECT_EQ(doc.stats.letterCorrect['a'], 0);
    EXPECT_TRUE(doc.includeExtraLetters);
    EXPECT_EQ(doc.anyOrderLetters, "xyz");
    EXPECT_EQ(doc.inOrderText, "hola");
}

TEST(DocumentTest, SoundIsOnOnlyWhenAudioIsOne) {
    for (const auto& [audio, on] :
         {std::pair{AudioMode::On, true}, {AudioMode::Off, false}, {AudioMode::Disabled, false}}) {
        CConfig config;
        config.audio = audio;
        CZAVTypeDoc doc;
        doc.ApplyNew(config);
        EXPECT_EQ(doc.soundOn, on) << static_cast<int>(audio);
    }
}

TEST(DocumentTest, HistoryKeepsTheLast150TurnsNewestFirst) {
    CZAVTypeDoc doc;
    for (int n = 1; n <= 151; ++n) doc.AddTurn(Turn(n));
    EXPECT_EQ(doc.stats.historyCount, 150);
    EXPECT_EQ(doc.stats.history[0], Turn(151));
    EXPECT_EQ(doc.stats.history[1], Turn(150));
    EXPECT_EQ(doc.stats.history[149], Turn(2));  // turn 1 is gone
}

TEST(DocumentTest, HistoryCountOutOfRangeInMemoryIsRepaired) {
    CZAVTypeDoc doc;
    doc.stats.historyCount = -4;
    doc.AddTurn(Turn(1));
    EXPECT_EQ(doc.stats.historyCount, 1);
    doc.stats.historyCount = 900;
    doc.AddTurn(Turn(2));
    EXPECT_EQ(doc.stats.historyCount, 150);
}

TEST(DocumentTest, ResetStatsClearsCountsButNotTheEntries) {
    CZAVTypeDoc doc;
    doc.AddTurn(Turn(5));
    doc.stats.letterCorrect[200] = 3;
    doc.ResetStats();
    EXPECT_EQ(doc.stats.historyCount, 0);
    EXPECT_EQ(doc.stats.letterCorrect[200], 0);
}

TEST(DocumentTest, LettersInRangeIncludesRatiosEqualToALimit) {
    CZAVTypeDoc doc;
    auto set = [&](unsigned char code, int errors, int correct) {
        doc.stats.letterErrors[code] = errors;
        doc.stats.letterCorrect[code] = correct;
    };
    set('q', 1, 4);   // 0.25: a problem letter
    set('w', 1, 5);   // exactly the bad limit: a problem letter
    set('e', 1, 10);  // exactly the good limit: good
    set('y', 3, 20);  // between the limits: neither list
    set('r', 0, 7);   // no errors: good
    set(' ', 9, 1);   // space: never listed
    set('t', 5, 0);   // errors without a correct typing: never listed
    set(0xf1, 3, 3);  // ñ: a problem letter
    set(0, 0, 2);     // code 0 is a character like any other

    const std::string good = doc.LettersInRange(0.0f, doc.goodLimit);
    const std::string barBad = doc.LettersInRange(doc.badLimit, 100.0f);
    const std::string drillBad = doc.LettersInRange(doc.badLimit, 1048576.0f);
    EXPECT_EQ(good, std::string("\0er", 3));
    EXPECT_EQ(barBad, "qw\xf1");
    EXPECT_EQ(drillBad, "qw\xf1");

    set(' ', 0, 1);
    EXPECT_EQ(doc.LettersInRange(0.0f, 1.0f).find(' '), std::string::npos);
}

// A progress file saved before its course was shortened, or with a finger table of more layouts.
TEST(DocumentTest, AnOpenedFileFitsItsCourseAndTheFingerTable) {
    struct Case {
        int exercise, layout, layoutCount;
        int wantExercise, wantLayout;
    } cases[] = {
        {1, 4, 5, 1, 4},       // in range: kept, also a layout above 2
        {100000, 5, 5, 2, 0},  // beyond the course: its last exercise; no such layout
        {-3, -1, 5, 0, 0},
        {2, 0, 0, 2, 0},  // no layouts at all
    };
    CZAVTypeDoc doc;
    doc.course.Parse("\tUno\na\nb\nc\n");
    for (const Case& c : cases) {
        doc.exercise = c.exercise;
        doc.keyboardLayout = c.layout;
        doc.FitOpenedFile(c.layoutCount);
        EXPECT_EQ(doc.exercise, c.wantExercise) << c.exercise;
        EXPECT_EQ(doc.keyboardLayout, c.wantLayout) << c.layout;
    }
}

}  // namespace
}  // namespace zav
