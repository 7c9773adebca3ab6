// The dialogs' rules without widgets: limits in errors per thousand, OK's checks, the font
// height, practice options, the jump number and sections, and "Avance cada".
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "core/app/number_text.h"
#include "core/app/settings_values.h"
#include "core/course/exercise_choice.h"

namespace zav {
namespace {

TEST(SettingsValues, EveryPerMilleSurvivesAnyNumberOfRounds) {
    for (int perMille = 0; perMille <= 1000; ++perMille) {
        int shown = perMille;
        for (int round = 0; round < 3; ++round) shown = PerMilleFromLimit(LimitFromPerMille(shown));
        ASSERT_EQ(shown, perMille);
    }
}

TEST(SettingsValues, StoredRatiosAreTheOnesOfBefore) {
    // Progress files keep the same floats: 200 → 0.2f, 100 → 0.1f.
    EXPECT_EQ(LimitFromPerMille(200), 0.2f);
    EXPECT_EQ(LimitFromPerMille(100), 0.1f);
    EXPECT_EQ(PerMilleFromLimit(0.0099999998f), 10);
    EXPECT_EQ(PerMilleFromLimit(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(PerMilleFromLimit(1e30f), 1000000000);
}

TEST(SettingsValues, DocumentRoundTrip) {
    CZAVTypeDoc doc;
    doc.okThreshold = 3;
    doc.keyboardLayout = 1;
    SettingsValues values = SettingsFromDocument(doc);
    EXPECT_EQ(values.badPerMille, 200);
    EXPECT_EQ(values.goodPerMille, 100);
    EXPECT_EQ(values.maxRegularErrors, 3);
    EXPECT_EQ(values.layoutIndex, 1);
    EXPECT_EQ(values.fontName, doc.fontName);

    values = {"DejaVu Sans", 120, 2, 10, 900, 7};
    ApplySettings(values, doc);
    EXPECT_EQ(doc.fontName, "DejaVu Sans");
    EXPECT_EQ(doc.fontSize, 120);
    EXPECT_EQ(doc.keyboardLayout, 2);
    EXPECT_EQ(doc.okThreshold, 7);
    EXPECT_EQ(SettingsFromDocument(doc), values);
}

TEST(SettingsValues, OkChecksTheFieldsInOrder) {
    const std::string range1000 = "Introduzca un n\xfamero entero entre 0 y 1000.";
    const std::string range10 = "Introduzca un n\xfamero entero entre 0 y 10.";
    const std::string integer = "Introduzca un n\xfamero entero.";
    struct Case {
        const char *bad, *good, *regular;
        SettingsField failed;
        std::string message;
    } cases[] = {
        {"200", "100", "0", SettingsField::None, ""},
        {"10", "900", "10", SettingsField::None, ""},  // Bien above Mal is accepted
        {" 7 ", "0", "0", SettingsField::None, ""},
        {"", "", "", SettingsField::Bad, integer},
        {"1001", "x", "11", SettingsField::Bad, range1000},
        {"0", "", "0", SettingsField::Good, integer},
        {"0", "12a", "0", SettingsField::Good, integer},
        {"0", "99999999999", "0", SettingsField::Good, range1000},
        {"0", "0", "11", SettingsField::Regular, range10},
        {"0", "0", "80", SettingsField::Regular, range10},
        {"0", "0", "-1", SettingsField::Regular, range10},
    };
    for (const Case& c : cases) {
        SettingsValues values{"f", 100, 0, 1, 2, 3};
        const SettingsCheck check = CheckSettingsFields(c.bad, c.good, c.regular, values);
        EXPECT_EQ(check.failed, c.failed) << c.bad << "/" << c.good << "/" << c.regular;
        EXPECT_EQ(check.message, c.message) << c.bad << "/" << c.good << "/" << c.regular;
        if (c.failed != SettingsField::None) {
            EXPECT_EQ(values, (SettingsValues{"f", 100, 0, 1, 2, 3})) << "nothing taken";
        }
    }
}

TEST(SettingsValues, FontPixelHeight) {
    EXPECT_EQ(FontPixelHeight(120, 96), 16);
    EXPECT_EQ(FontPixelHeight(140, 96), 19);  // 18.67
    EXPECT_EQ(FontPixelHeight(75, 96), 10);   // exactly 10
    EXPECT_EQ(FontPixelHeight(80, 72), 8);
    EXPECT_EQ(FontPixelHeight(0, 96), 0);
}

TEST(NumberText, WholeAndLeadingNumbers) {
    struct Case {
        const char* text;
        std::optional<int> whole, leading;
    } cases[] = {
        {"12", 12, 12},
        {" 12 ", 12, 12},
        {"-3", -3, -3},
        {"12abc", {}, 12},
        {"", {}, {}},
        {"abc", {}, {}},
        {"+", {}, {}},
        {"99999999999", INT_MAX, INT_MAX},
        {"-99999999999", INT_MIN, INT_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseWholeNumber(c.text), c.whole) << c.text;
        EXPECT_EQ(ScanLeadingNumber(c.text), c.leading) << c.text;
    }
}

TEST(Practice, ModesKindsControlsAndStart) {
    EXPECT_EQ(KindOfPracticeMode(PracticeProblem), ProblemLetters);
    EXPECT_EQ(KindOfPracticeMode(PracticeAnyOrder), RandomLetters);
    EXPECT_EQ(KindOfPracticeMode(PracticeInOrder), LettersInOrder);
    EXPECT_EQ(PracticeControlsFor(PracticeProblem), (PracticeControls{false, false, true}));
    EXPECT_EQ(PracticeControlsFor(PracticeAnyOrder), (PracticeControls{true, false, true}));
    EXPECT_EQ(PracticeControlsFor(PracticeInOrder), (PracticeControls{false, true, false}));

    struct Case {
        int mode;
        const char *anyOrder, *inOrder;
        bool problems, start;
    } cases[] = {
        {PracticeProblem, "abc", "abc", false, false},
        {PracticeProblem, "", "", true, true},
        {PracticeAnyOrder, "", "abc", true, false},
        {PracticeAnyOrder, "as", "", false, true},
        {PracticeInOrder, "abc", "", true, false},
        {PracticeInOrder, "", "la casa", false, true},
        {7, "a", "a", true, false},
    };
    for (const Case& c : cases) {
        const PracticeChoice choice{c.mode, c.anyOrder, c.inOrder, 0, c.problems};
        EXPECT_EQ(CanStartPractice(choice), c.start) << c.mode << c.anyOrder << c.inOrder;
    }
}

TEST(Practice, DocumentInAndOut) {
    CZAVTypeDoc doc;
    doc.anyOrderLetters = "qwe";
    doc.inOrderText = "hola";
    doc.includeExtraLetters = true;
    doc.stats.letterCorrect['q'] = 4;
    doc.stats.letterErrors['q'] = 1;  // 0.25: a problem letter
    PracticeChoice choice = PracticeFromDocument(doc);
    EXPECT_EQ(choice.anyOrderLetters, "qwe");
    EXPECT_EQ(choice.inOrderText, "hola");
    EXPECT_EQ(choice.includeExtra, 1);
    EXPECT_TRUE(choice.hasProblemLetters);
    doc.stats.letterErrors['q'] = 0;
    EXPECT_FALSE(PracticeFromDocument(doc).hasProblemLetters);

    choice = {PracticeInOrder, "x", "y", 0, false};
    ApplyPractice(choice, doc);
    EXPECT_EQ(doc.kind, LettersInOrder);
    EXPECT_EQ(doc.anyOrderLetters, "x");
    EXPECT_EQ(doc.inOrderText, "y");
    EXPECT_FALSE(doc.includeExtraLetters);
}

TEST(Jump, TargetClampsAndNoNumberLeavesTheExercise) {
    struct Case {
        const char* text;
        int count;
        std::optional<int> target;
    } cases[] = {
        {"0", 20, 0},  {"1", 20, 0},  {"20", 20, 19}, {"21", 20, 19},    {"999999", 20, 19},
        {"-4", 20, 0}, {"7x", 20, 6}, {"", 20, {}},   {"siete", 20, {}}, {"5", 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(JumpTarget(c.text, c.count), c.target) << c.text;
}

TEST(NumberText, ArrowSteps) {
    struct Case {
        const char* text;
        int step;
        bool wrap;
        int result;
    } cases[] = {{"5", 1, true, 6},     {"5", -1, true, 4},   {"20", 1, true, 1},
                 {"1", -1, true, 20},   {"", 1, true, 2},     {"0", -1, true, 20},
                 {"300", 1, true, 1},   {"20", 1, false, 20}, {"1", -1, false, 1},
                 {"15", 10, false, 20}, {"15", 10, true, 20}, {"x", -1, false, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(StepNumber(c.text, c.step, 1, 20, c.wrap), c.result) << c.text << c.step;
    }
    EXPECT_EQ(StepNumber("3", 1, 1, 0, true), 1);  // an empty course
}

TEST(NumberText, Acceleration) {
    struct Case {
        int ms, step;
    } cases[] = {{0, 1}, {1000, 1}, {1999, 1}, {2000, 10}, {4999, 10}, {5000, 100}};
    for (const Case& c : cases) EXPECT_EQ(AcceleratedStep(c.ms), c.step) << c.ms;
}

TEST(Jump, SectionsOfACourse) {
    CCourse course;
    course.Parse("\tUno\na\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\n\tUnos m\xe1s\nl\nm\n");
    ASSERT_EQ(course.ExerciseCount(), 13);
    EXPECT_EQ(SectionFirstNumber(course, 1), 12);
    EXPECT_EQ(SectionTitleOfNumber(course, 12), "Unos m\xe1s");
    EXPECT_EQ(SectionTitleOfNumber(course, 0), "Uno");
    EXPECT_EQ(SectionTitleOfNumber(course, 14), "Unos m\xe1s");
    EXPECT_EQ(SectionTitleOfNumber(course, INT_MIN), "Uno");  // "-99999999999" in the field

    const std::vector<std::string> entries{"Uno", "Unos m\xe1s", "\xc1rbol"};
    EXPECT_EQ(FindEntryByPrefix(entries, "uno"), 0);  // the first entry that begins with it
    EXPECT_EQ(FindEntryByPrefix(entries, "UNOS M\xc1S"), 1);
    EXPECT_EQ(FindEntryByPrefix(entries, "\xe1rb"), 2);
    EXPECT_EQ(FindEntryByPrefix(entries, "Dos"), -1);
}

TEST(AutoAdvance, AdvanceEvery) {
    struct Case {
        const char* text;
        int result;
    } cases[] = {{"3", 3},      {"10", 10}, {"11", 10}, {"500", 10},    {"", 4},
                 {"muchos", 4}, {"0", 0},   {"-2", 0},  {"7 turnos", 7}};
    for (const Case& c : cases) EXPECT_EQ(ParseAdvanceEvery(c.text, 4), c.result) << c.text;
}

TEST(AutoAdvance, DocumentInAndOut) {
    CZAVTypeDoc doc;
    const AutoAdvanceValues values{0, 5, OkTurns, false};
    ApplyAutoAdvance(values, doc);
    EXPECT_EQ(doc.autoAdvance, 0);
    EXPECT_EQ(doc.autoNum, 5);
    EXPECT_EQ(doc.autoType, OkTurns);
    EXPECT_FALSE(doc.confirmAdvance);
    EXPECT_EQ(AutoAdvanceFromDocument(doc), values);
}

}  // namespace
}  // namespace zav
