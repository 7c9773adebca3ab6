// Courses of KTouch, written here in its XML format, come over as sections and exercises in
// Windows-1252, with what could not come over reported by lesson and line.
#include "core/course/ktouch_import.h"

#include <gtest/gtest.h>

#include "core/course/course.h"

namespace zav {
namespace {

TEST(KTouchImport, LessonsBecomeSectionsAndLinesExercises) {
    const std::string longLine = std::string(200, 'a') + " " + std::string(100, 'b');
    const std::string xml =
        "<?xml version=\"1.0\"?>\n<course><id>{1}</id><title>Espa\xc3\xb1ol b\xc3\xa1sico</title>"
        "<keyboardLayout>es</keyboardLayout><lessons>"
        "<lesson><title>Fila gu\xc3\xad"
        "a</title><newCharacters>as</newCharacters>"
        "<text>asdf \xc3\xb1lkj  \n\tjkl\xc3\xb1 &amp; &lt;\n\n" +
        longLine +
        "</text></lesson>"
        "<lesson><title></title><text>q\xc5\x91q\n\xe2\x82\xac 5</text></lesson>"
        "<lesson><title>Arr\xc5\x91w</title><text><![CDATA[<a>]]></text></lesson>"
        "</lessons></course>";
    const CImportedCourse course = ImportKTouchCourse(xml);
    ASSERT_EQ(course.error, "");
    EXPECT_EQ(course.title, "Espa\xc3\xb1ol b\xc3\xa1sico");
    EXPECT_EQ(course.text,
              "\tFila gu\xed"
              "a\nasdf \xf1lkj\njkl\xf1 & <\n" +
                  std::string(200, 'a') + "\n" + std::string(100, 'b') +
                  "\n\tLecci\xf3n 2\n\x80 5\n"
                  "\tArr?w\n<a>\n");
    EXPECT_EQ(course.lessons, 3);
    EXPECT_EQ(course.exercises, 6);
    ASSERT_EQ(course.refused.size(), 2u);
    EXPECT_EQ(course.refused[0].lesson, "Lecci\xc3\xb3n 2");
    EXPECT_EQ(course.refused[0].line, 1);
    EXPECT_EQ(course.refused[0].character, "\xc2\xab\xc5\x91\xc2\xbb (U+0151)");
    EXPECT_EQ(course.refused[1].line, 0);

    CCourse loaded;
    ASSERT_TRUE(loaded.LoadBytes(course.text, "importado"));
    EXPECT_EQ(loaded.SectionCount(), 3);
    EXPECT_EQ(loaded.ExerciseCount(), 6);
}

TEST(KTouchImport, OlderLecturesAndFaultyFiles) {
    const CImportedCourse lecture = ImportKTouchCourse(
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><KTouchLecture><Title>Viejo</Title>"
        "<Levels><Level><LevelComment>Nivel \xf1</LevelComment><Line>fj fj</Line>"
        "<Line>jf</Line></Level></Levels></KTouchLecture>");
    EXPECT_EQ(lecture.error, "");
    EXPECT_EQ(lecture.text, "\tNivel \xf1\nfj fj\njf\n");

    for (const char* bad : {"", "<course><lessons>", "<html><body/></html>",
                            "<course><title>t</title><lessons><lesson><title>x</title>"
                            "<text>\xc5\x91</text></lesson></lessons></course>"}) {
        SCOPED_TRACE(bad);
        const CImportedCourse course = ImportKTouchCourse(bad);
        EXPECT_NE(course.error, "");
        EXPECT_EQ(course.text, "");
    }
}

}  // namespace
}  // namespace zav
