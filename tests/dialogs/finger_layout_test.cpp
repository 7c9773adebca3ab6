#include "core/fingers/finger_layout.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// Finger lines of a block, fingers 0 to 7, under the name `name`.
std::string Block(const std::string& name, const std::string& f3 = "fgrtvb",
                  const std::string& f4 = "jhyunm") {
    return name + "\n0:Me\xf1ique izquierdo:qaz\n1::wsx\n2::edc\n3:\xcdndice izquierdo:" + f3 +
           "\n4:\xcdndice derecho:" + f4 + "\n5::ik,\n6::ol.\n7::p\xf1-\n";
}

zav::CFingerTable Table(const std::string& text) {
    zav::CFingerTable table;
    table.Parse(text);
    return table;
}

TEST(FingerFile, ReadsCompleteBlocksOnly) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<std::string> names;
    } cases[] = {
        {"two blocks and a line break", Block("Uno") + Block("Dos") + "\n", {"Uno", "Dos"}},
        {"no final line break",
         Block("Uno") + Block("Dos").substr(0, Block("Dos").size() - 1),
         {"Uno", "Dos"}},
        {"last block of five lines", Block("Uno") + "Dos\na::b\nc::d\ne::f\ng::h\n", {"Uno"}},
        {"empty file", "", {}},
        {"the name line kept whole", Block(" Qwerty - jkl;\" "), {" Qwerty - jkl;\" "}},
    };
    for (const auto& c : cases) EXPECT_EQ(Table(c.text).LayoutNames(), c.names) << c.what;
}

TEST(FingerFile, KeysAreTheRestAfterTheSecondColon) {
    struct Case {
        std::string line;
        std::string keys;
    } cases[] = {
        {"3:\xcdndice izquierdo:fgrtvb", "fgrtvb"},
        {"::fgrtvb", "fgrtvb"},
        {"3:\xcdndice:", ""},
        {"3:a: f:g ", " f:g "},  // blanks and later colons belong to the keys
        {"3:fgrtvb", ""},        // fewer than two colons: no keys
        {"fgrtvb", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto table = Table("L\n0::\n1::\n2::\n" + c.line + "\n4::\n5::\n6::\n7::\n");
        ASSERT_EQ(table.LayoutCount(), 1) << c.line;
        EXPECT_EQ(table.Layouts()[0].fingers[3], c.keys) << c.line;
        EXPECT_EQ(table.Layouts()[0].fingers[8], "");
    }
}

TEST(FingerFile, LongLinesAreCutAndStayOneLine) {
    // 300 keys: the line is cut to 254 characters and its rest is not read as the next finger.
    const std::string keys(300, 'k');
    const std::string text = "L\n0::\n1::\n2::\n3::" + keys + "\n4::jh\n5::\n6::\n7::\n" +
                             std::string(600, 'N') + "\n0::\n1::\n2::\n3::\n4::\n5::\n6::\n7::z";
    const auto table = Table(text);
    ASSERT_EQ(table.LayoutCount(), 2);
    EXPECT_EQ(table.Layouts()[0].fingers[3], std::string(254 - 3, 'k'));
    EXPECT_EQ(table.Layouts()[0].fingers[4], "jh");
    EXPECT_EQ(table.Layouts()[1].name, std::string(254, 'N'));
    EXPECT_EQ(table.Layouts()[1].fingers[7], "z");

    // Exactly 255 characters before the line break, and 255 at the very end of the file.
    const auto edge = Table("L\n0::\n1::\n2::\n3::" + std::string(252, 'a') +
                            "\n4::b\n5::\n6::\n7::" + std::string(252, 'c'));
    ASSERT_EQ(edge.LayoutCount(), 1);
    EXPECT_EQ(edge.Layouts()[0].fingers[3], std::string(251, 'a'));
    EXPECT_EQ(edge.Layouts()[0].fingers[4], "b");
    EXPECT_EQ(edge.Layouts()[0].fingers[7], std::string(251, 'c'));
}

TEST(FingerFile, MissingFileIsReportedAndKeepsTheTable) {
    const zav::test::CScratchFolder dir;
    dir.Write("fingers.txt", "Uno\r\n0::a\r\n1::\r\n2::\r\n3::\r\n4::\r\n5::\r\n6::\r\n7::\r\n");
    zav::CFingerTable table;
    ASSERT_TRUE(table.LoadFingerFile(dir / "fingers.txt"));
    EXPECT_EQ(table.LayoutNames(), std::vector<std::string>{"Uno"});
    EXPECT_EQ(table.Layouts()[0].fingers[0], "a");
    EXPECT_FALSE(table.LoadFingerFile(dir / "missing.txt"));
    EXPECT_EQ(table.LayoutCount(), 1);
}

TEST(FingerTable, LayoutNamesInTwoCalls) {
    const auto table = Table(Block("Uno") + Block("Dos") + Block("Tres"));
    EXPECT_EQ(table.LayoutNames(nullptr, 0), 3);
    std::string names[3];
    EXPECT_EQ(table.LayoutNames(names, 2), 3);
    EXPECT_EQ(names[0], "");
    EXPECT_EQ(table.LayoutNames(names, 3), 1);
    EXPECT_EQ(names[2], "Tres");
}

TEST(FingerTable, ShowsTheFingersOfACharacter) {
    auto table = Table(Block("Uno") + Block("Dos", "f ", "X"));
    auto pressed = [](std::initializer_list<int> fingers) {
        std::array<bool, 8> p{};
        for (int f : fingers) p[f] = true;
        return p;
    };
    struct Case {
        int layout;
        char ch;
        zav::CFingerShown shown;
    } cases[] = {
        {0, 'f', {pressed({3}), false, 'f'}},
        {0, 'F', {pressed({}), false, ' '}},  // case-sensitive
        {0, '9', {pressed({}), false, ' '}},
        {0, ' ', {pressed({}), true, ' '}},
        {0, '\xf1', {pressed({7}), false, '\xf1'}},
        {1, ' ', {pressed({3}), true, ' '}},  // a blank in a key set lights that finger too
        {1, 'X', {pressed({4}), false, 'X'}},
        {1, '\0', {pressed({}), false, ' '}},  // the 0 of an empty line shows nothing
        {2, 'f', {pressed({}), false, ' '}},   // a layout the table does not have
        {2, ' ', {pressed({}), false, ' '}},
        {-1, 'f', {pressed({}), false, ' '}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.SetLayout(c.layout), 1);
        EXPECT_EQ(table.FingersFor(c.ch), c.shown) << c.layout << " " << int(c.ch);
    }
    EXPECT_EQ(zav::CFingerTable().FingersFor('f'), zav::CFingerShown{});
}

TEST(FingerTable, AddsOneExtraLetterPerFinger) {
    auto table = Table(Block("Uno") + Block("Dos", "fj", "jf"));
    struct Case {
        int layout;
        std::string letters;
        std::string result;
    } cases[] = {
        {0, "tu", "tufj"},
        {0, "ff", "fff"},
        {0, "", ""},
        {0, "9", "9"},
        {0, "ut", "utjf"},
        {0, "tqu", "tqufqj"},
        {1, "j", "jfj"},  // both fingers hold j; each adds
                          // its first key, in finger order
        {5, "tu", "tu"},  // no such layout: no extras
    };
    for (const auto& c : cases) {
        table.SetLayout(c.layout);
        EXPECT_EQ(table.AddExtraLetters(c.letters), c.result) << c.letters;
    }
}

}  // namespace
