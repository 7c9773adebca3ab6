#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/course/document.h"
#include "core/course/exercise_text.h"
#include "core/course/random.h"
#include "core/fingers/finger_layout.h"

namespace {

std::string Sorted(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

struct ExerciseTextTest : ::testing::Test {
    ExerciseTextTest() {
        doc.course.Parse("\tUno\nasdf jkl\xf1\n\tDos\nfgh\n");
        fingers.Parse("L\n0::qaz\n1::wsx\n2::edc\n3::fgrtvb\n4::jhyunm\n5::ik,\n6::ol.\n7::p\n");
    }
    zav::CZAVTypeDoc doc;
    zav::CFingerTable fingers;
    zav::CRandom random;
};

TEST_F(ExerciseTextTest, CourseLineAndOwnTextAreTakenWhole) {
    doc.exercise = 1;
    EXPECT_EQ(zav::ExerciseText(doc, random, &fingers), "fgh");
    doc.exercise = 7;  // past the end: the last line
    EXPECT_EQ(zav::ExerciseText(doc, random, &fingers), "fgh");

    doc.kind = zav::LettersInOrder;
    doc.includeExtraLetters = true;
    doc.inOrderText = std::string(80, 'x') + "<&>";
    EXPECT_EQ(zav::ExerciseText(doc, random, &fingers), doc.inOrderText);
    doc.inOrderText.clear();
    EXPECT_EQ(zav::ExerciseText(doc, random, &fingers), "");
    EXPECT_EQ(random.State(), 1u);  // neither kind draws
}

TEST_F(ExerciseTextTest, ProblemLettersAreTakenAnewEachTurn) {
    doc.kind = zav::ProblemLetters;
    // No problem letters yet: the fallback text, blanks included.
    std::string drill = zav::ExerciseText(doc, random, &fingers);
    const std::string fallback = "Muestra consejos para este ejercicio";
    EXPECT_EQ(Sorted(drill.substr(0, fallback.size())), Sorted(fallback));

    // 'k' at ratio 1/4 is a problem letter; 'j' at 1/6, below the limit, is not; the space
    // never is.
    doc.stats.letterCorrect['k'] = 4;
    doc.stats.letterErrors['k'] = 1;
    doc.stats.letterCorrect['j'] = 6;
    doc.stats.letterErrors['j'] = 1;
    doc.stats.letterCorrect[' '] = 1;
    doc.stats.letterErrors[' '] = 9;
    drill = zav::ExerciseText(doc, random, &fingers);
    EXPECT_EQ(drill.substr(0, 4), "k k ");

    doc.includeExtraLetters = true;
    drill = zav::ExerciseText(doc, random, &fingers);
    EXPECT_EQ(Sorted(drill.substr(0, 2)), "ik");  // k's finger adds its first key, i
    EXPECT_EQ(zav::ExerciseText(doc, random, nullptr).substr(0, 4), "k k ");
}

TEST_F(ExerciseTextTest, RandomLettersAndUnknownKinds) {
    doc.kind = zav::RandomLetters;
    doc.anyOrderLetters = "tu";
    doc.includeExtraLetters = true;
    const std::string drill = zav::ExerciseText(doc, random, &fingers);
    EXPECT_EQ(Sorted(drill.substr(0, 4)), "fjtu");

    // The same kinds from a fresh generator deal the same drills in every run.
    zav::CRandom again;
    EXPECT_EQ(zav::ExerciseText(doc, again, &fingers), drill);

    doc.kind = 7;
    doc.includeExtraLetters = false;
    const std::string fallback = "Muestra consejos para este ejercicio";
    EXPECT_EQ(Sorted(zav::ExerciseText(doc, random, &fingers).substr(0, fallback.size())),
              Sorted(fallback));
}

}  // namespace
