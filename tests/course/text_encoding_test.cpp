// Course files in Windows-1252 stay byte for byte; UTF-8 files are converted, and those with a
// character Windows-1252 lacks are refused with its line; empty and binary files are refused.
#include "core/course/text_encoding.h"

#include <gtest/gtest.h>

#include "core/course/course.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

TEST(TextEncoding, DecodesUtf8AndKeepsWindows1252) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
        bool utf8;
    };
    const Case cases[] = {
        {"ascii", "\tA\nasdf\n", "\tA\nasdf\n", false},
        {"windows-1252", "mam\xe1 \x80\n", "mam\xe1 \x80\n", false},
        {"utf-8", "mam\xc3\xa1 caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9c\n",
         "mam\xe1 caf\xe9 \x80 \x93\n", true},
        {"bom only", "\xef\xbb\xbf\tA\nx\n", "\tA\nx\n", true},
        {"bom and utf-8", "\xef\xbb\xbf\xc3\xb1\n", "\xf1\n", true},
        // Bytes that only look like UTF-8 in part are Windows-1252: \xc3 then a blank.
        {"broken utf-8", "\xc3 \xc3\xa1\n", "\xc3 \xc3\xa1\n", false},
        {"overlong", "\xc0\xaf\n", "\xc0\xaf\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CDecodedText decoded = DecodeText(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.utf8, c.utf8);
        EXPECT_TRUE(decoded.unmappable.empty());
    }
}

TEST(TextEncoding, NamesEveryUnmappableCharacterWithItsLine) {
    const CDecodedText decoded = DecodeText("\tA\nok\n\xc5\x91x \xe2\x86\x92\n");
    ASSERT_EQ(decoded.unmappable.size(), 2u);
    EXPECT_EQ(decoded.unmappable[0].line, 3);
    EXPECT_EQ(DescribeUnmappable(decoded.unmappable[0]), "\xc2\xab\xc5\x91\xc2\xbb (U+0151)");
    EXPECT_EQ(decoded.unmappable[1].code, U'\u2192');
    // After a byte-order mark, bytes that are not UTF-8 are reported as such.
    const CDecodedText broken = DecodeText("\xef\xbb\xbf\nx\xff\n");
    ASSERT_EQ(broken.unmappable.size(), 1u);
    EXPECT_EQ(broken.unmappable[0].line, 2);
    EXPECT_EQ(DescribeUnmappable(broken.unmappable[0]), "byte 0xFF");
}

TEST(TextEncoding, EveryWindows1252ByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(Cp1252FromUtf8(Utf8FromCp1252(all), '#'), all);
    EXPECT_EQ(Cp1252FromUtf8("\xc5\x91"
                             "a\xff"),
              "?a?");
}

TEST(CourseLoad, RefusesWhatCannotBeACourseAndKeepsTheOldOne) {
    test::CScratchFolder folder;
    CCourse course;
    const std::string good =
        folder.Write("bueno", "\tVocales\nmam\xc3\xa1 pap\xc3\xa1 caf\xc3\xa9\n");
    ASSERT_TRUE(course.Load(good));
    EXPECT_EQ(course.ExerciseLine(0), "mam\xe1 pap\xe1 caf\xe9");

    struct Case {
        const char* name;
        std::string bytes;
        CourseStatus status;
        std::string inMessage;
    };
    const Case cases[] = {
        {"vacio", "", CourseStatus::kNoExercises, "ning\xc3\xban ejercicio"},
        {"secciones", "\tA\n\tB\n", CourseStatus::kNoExercises, "ning\xc3\xban ejercicio"},
        {"sin-fin", "\tA\nabc", CourseStatus::kNoExercises, "ning\xc3\xban ejercicio"},
        {"binario",
         std::string("\x7f"
                     "ELF\x02\x01\x00\x00\n",
                     9),
         CourseStatus::kBinary, "bytes nulos"},
        {"hungaro", "\tA\nab\n\xc5\x91\n", CourseStatus::kUnmappableUtf8,
         "l\xc3\xadnea 3, el car\xc3\xa1"
         "cter \xc2\xab\xc5\x91\xc2\xbb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CCourseLoad load = course.Load(folder.Write(c.name, c.bytes));
        EXPECT_EQ(load.status, c.status);
        EXPECT_NE(load.Message().find(c.inMessage), std::string::npos) << load.Message();
        EXPECT_NE(load.Message().find((folder / c.name).string()), std::string::npos);
        EXPECT_EQ(course.Path(), good);
        EXPECT_EQ(course.ExerciseLine(0), "mam\xe1 pap\xe1 caf\xe9");
    }
    EXPECT_EQ(course.Load((folder / "nada").string()).status, CourseStatus::kUnreadable);
}

}  // namespace
}  // namespace zav
