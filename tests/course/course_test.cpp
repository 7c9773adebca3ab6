#include "core/course/course.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace zav {
namespace {

CCourse Parsed(const std::string& text) {
    CCourse course;
    course.Parse(text);
    return course;
}

std::vector<std::string> Exercises(const CCourse& c) {
    std::vector<std::string> out;
    for (int i = 0; i < c.ExerciseCount(); ++i) out.push_back(c.ExerciseLine(i));
    return out;
}

std::vector<std::string> Titles(const CCourse& c) {
    std::vector<std::string> out;
    for (int s = 0; s < c.SectionCount(); ++s) out.push_back(c.SectionTitle(s));
    return out;
}

std::vector<int> Starts(const CCourse& c) {
    std::vector<int> out;
    for (int s = 0; s <= c.SectionCount(); ++s) out.push_back(c.SectionStart(s));
    return out;
}

std::vector<int> SectionsOfExercises(const CCourse& c) {
    std::vector<int> out;
    for (int i = 0; i < c.ExerciseCount(); ++i) out.push_back(c.SectionOfExercise(i));
    return out;
}

using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

TEST(CourseTest, FiveLineExample) {
    const CCourse c = Parsed(
        "\tFila central\nasdf jkl\xf1\nasdf jkl\xf1 asdf jkl\xf1\n\tFila superior\nqwer uiop\n");
    EXPECT_EQ(c.SectionCount(), 2);
    EXPECT_EQ(c.ExerciseCount(), 3);
    EXPECT_EQ(Titles(c), (Strings{"Fila central", "Fila superior"}));
    EXPECT_EQ(Starts(c), (Ints{0, 2, 3}));
    EXPECT_EQ(SectionsOfExercises(c), (Ints{0, 0, 1}));
    EXPECT_EQ(c.ExerciseLine(1), "asdf jkl\xf1 asdf jkl\xf1");
    EXPECT_EQ(c.SectionTitleOfExercise(2), "Fila superior");
    EXPECT_TRUE(c.Loaded());
}

// Each case: a file's text and the model it gives.
struct ShapeCase {
    const char* name;
    std::string text;
    Strings titles;
    Ints starts;
    Strings exercises;
};

// Test lists show the case's name, not the bytes of the record.
void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.name;
}

class CourseShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CourseShapeTest, BuildsTheModel) {
    const CCourse c = Parsed(GetParam().text);
    EXPECT_EQ(Titles(c), GetParam().titles);
    EXPECT_EQ(Starts(c), GetParam().starts);
    EXPECT_EQ(Exercises(c), GetParam().exercises);
    // The invariants: every exercise lies inside its section's range.
    for (int i = 0; i < c.ExerciseCount(); ++i) {
        const int s = c.SectionOfExercise(i);
        EXPECT_LE(c.SectionStart(s), i);
        EXPECT_LT(i, c.SectionStart(s + 1));
    }
}

const std::string k300 = std::string(255, 'a') + std::string(45, 'b');
const std::string k300Tab = std::string(255, 'a') + "\t" + std::string(44, 'b');
const std::string k255 = std::string(255, 'c');

INSTANTIATE_TEST_SUITE_P(
    Files, CourseShapeTest,
    ::testing::Values(
        ShapeCase{"EmptyLineIsAnExercise", "\tA\n\nx\n", {"A"}, {0, 2}, {"", "x"}},
        ShapeCase{"TabOnlyIsAnUntitledSection", "\t\nx\n", {""}, {0, 1}, {"x"}},
        ShapeCase{"SecondTabStaysInTitle", "\t\tA\nx\n", {"\tA"}, {0, 1}, {"x"}},
        ShapeCase{"TwoSectionsInARow", "\tA\n\tB\nx\n", {"A", "B"}, {0, 0, 1}, {"x"}},
        ShapeCase{"LongLineInParts",
                  "\tA\n" + k300 + "\n",
                  {"A"},
                  {0, 2},
                  {std::string(255, 'a'), std::string(45, 'b')}},
        ShapeCase{"LongLineWhoseSecondPartIsASection",
                  "\tA\n" + k300Tab + "\n",
                  {"A", std::string(44, 'b')},
                  {0, 1, 1},
                  {std::string(255, 'a')}},
        ShapeCase{
            "Exactly255ThenAnEmptyExercise", "\tA\n" + k255 + "\n", {"A"}, {0, 2}, {k255, ""}},
        ShapeCase{"LastLineWithoutLineFeedIgnored", "\tA\nx\ny", {"A"}, {0, 1}, {"x"}},
        ShapeCase{"TrailingFullPartCounts", "\tA\n" + k255, {"A"}, {0, 1}, {k255}},
        ShapeCase{"ExercisesBeforeTheFirstSection",
                  "x\ny\n\tA\nz\n",
                  {"", "A"},
                  {0, 2, 3},
                  {"x", "y", "z"}},
        ShapeCase{"NoSectionLineAtAll", "x\ny\n", {""}, {0, 2}, {"x", "y"}},
        ShapeCase{"SectionsWithoutExercises", "\tA\n\tB\n", {"A", "B"}, {0, 0, 0}, {}},
        ShapeCase{"EmptyFile", "", {}, {0}, {}},
        ShapeCase{"OnlyAnUnfinishedLine", "abc", {}, {0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CourseTest, LookupsStayInsideTheTables) {
    const CCourse c = Parsed("\tA\nfirst\n\tB\nmiddle\nlast\n");
    EXPECT_EQ(c.ExerciseLine(-1), "first");
    EXPECT_EQ(c.ExerciseLine(c.ExerciseCount()), "last");
    EXPECT_EQ(c.ExerciseLine(1 << 30), "last");
    EXPECT_EQ(c.SectionTitleOfExercise(-5), "A");
    EXPECT_EQ(c.SectionTitleOfExercise(99), "B");
    EXPECT_EQ(c.SectionTitle(-1), "A");
    EXPECT_EQ(c.SectionTitle(2), "B");
    EXPECT_EQ(c.SectionOfExercise(99), 1);
    EXPECT_EQ(c.SectionStart(-1), 0);
    EXPECT_EQ(c.SectionStart(99), 3);
}

TEST(CourseTest, CourseWithoutExercisesAnswersEmpty) {
    for (const CCourse& c : {CCourse{}, Parsed(""), Parsed("\tA\n\tB\n")}) {
        EXPECT_EQ(c.ExerciseLine(0), "");
        EXPECT_EQ(c.ExerciseLine(-1), "");
        EXPECT_EQ(c.SectionTitleOfExercise(0), "");
        EXPECT_EQ(c.SectionOfExercise(3), 0);
        EXPECT_EQ(c.SectionStart(1), 0);
    }
    EXPECT_EQ(CCourse{}.SectionTitle(0), "");
}

class CourseFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return scratch_.Write(name, bytes);
    }
    test::CScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.Path();
};

TEST_F(CourseFileTest, WindowsLineEndsLoadLikeLineFeeds) {
    CCourse lf, crlf;
    ASSERT_TRUE(lf.Load(Write("lf", "\tA\nx y\n\n\tB\nz\n")));
    ASSERT_TRUE(crlf.Load(Write("crlf", "\tA\r\nx y\r\n\r\n\tB\r\nz\r\n")));
    EXPECT_EQ(Exercises(lf), Exercises(crlf));
    EXPECT_EQ(Titles(lf), Titles(crlf));
    EXPECT_EQ(Starts(lf), Starts(crlf));
}

TEST_F(CourseFileTest, EmptyPathReloadsTheSameFile) {
    const std::string path = Write("Default", "\tA\nx\n");
    CCourse c;
    ASSERT_TRUE(c.Load(path));
    Write("Default", "\tA\nx\ny\n");
    ASSERT_TRUE(c.Load(""));
    EXPECT_EQ(c.Path(), path);
    EXPECT_EQ(c.ExerciseCount(), 2);
    EXPECT_EQ(c.FileName(), "Default");
}

TEST_F(CourseFileTest, FailedLoadLeavesTheCourseAsItWas) {
    const std::string path = Write("Default", "\tA\nx\n");
    CCourse c;
    EXPECT_FALSE(c.Load(""));  // nothing loaded yet, nothing to reload
    EXPECT_FALSE(c.Loaded());
    ASSERT_TRUE(c.Load(path));
    EXPECT_FALSE(c.Load((folder_ / "missing").string()));
    EXPECT_FALSE(c.Load(folder_.string() + "/"));
    EXPECT_EQ(c.Path(), path);
    EXPECT_EQ(Exercises(c), (Strings{"x"}));
    std::filesystem::remove(path);
    EXPECT_FALSE(c.Load(""));
    EXPECT_EQ(c.Path(), path);
    EXPECT_EQ(c.ExerciseCount(), 1);
}

}  // namespace
}  // namespace zav
