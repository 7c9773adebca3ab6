#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "core/help/page_table.h"
#include "tests/support/scratch_folder.h"

namespace {

using zav::CPageTable;

std::vector<std::pair<int, std::string>> Entries(const std::string& text) {
    std::vector<std::pair<int, std::string>> out;
    for (const auto& e : zav::ParsePageTable(text).entries) out.emplace_back(e.first, e.file);
    return out;
}

TEST(PageTable, ReadsEntriesLikeFormattedInput) {
    using E = std::vector<std::pair<int, std::string>>;
    const std::string long_name(200, 'n');
    struct Case {
        std::string text;
        E expected;
    } cases[] = {
        {"0:intro.htm\n5:fila2.htm\n12:fila3.htm\n",
         {{0, "intro.htm"}, {5, "fila2.htm"}, {12, "fila3.htm"}}},
        {"0:a.htm\r\n5:b.htm\r\n", {{0, "a.htm"}, {5, "b.htm"}}},  // CR is white space
        {"  \t0:\n  a.htm 5: b.htm", {{0, "a.htm"}, {5, "b.htm"}}},
        {"0:a.htm b.htm", {{0, "a.htm"}}},        // the name ends at a blank
        {"0 :a.htm", {}},                         // no blank before the colon
        {"0:a.htm\n5:\n", {{0, "a.htm"}}},        // a number with no name
        {"0:a.htm\n#5:b.htm\n", {{0, "a.htm"}}},  // anything else ends the table
        {"-3:a.htm\n+4:b.htm", {{-3, "a.htm"}, {4, "b.htm"}}},
        {"99999999999:a.htm", {{2147483647, "a.htm"}}},
        {"0:" + long_name + "\n5:b.htm", {{0, std::string(127, 'n')}, {5, "b.htm"}}},
        {"", {}},
        {"\n\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Entries(c.text), c.expected) << c.text;
}

TEST(PageTable, KeepsAtMost300Entries) {
    std::string text;
    for (int i = 0; i < 320; ++i) text += std::to_string(i) + ":p" + std::to_string(i) + ".htm\n";
    const auto table = zav::ParsePageTable(text);
    ASSERT_EQ(table.entries.size(), CPageTable::kMaxEntries);
    EXPECT_EQ(table.entries.back().file, "p299.htm");
    EXPECT_EQ(zav::SelectExercisePage(table, 1000), "p299.htm");
}

TEST(PageTable, SelectsTheEntryCoveringTheExercise) {
    struct Case {
        std::string table;
        int index;
        std::string page;
    } cases[] = {
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 0, "a.htm"},
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 4, "a.htm"},
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 5, "b.htm"},
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 11, "b.htm"},
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 12, "c.htm"},
        {"0:a.htm\n5:b.htm\n12:c.htm\n", 500, "c.htm"},
        // The first entry's number is never looked at.
        {"3:a.htm\n", 0, "a.htm"},
        {"3:a.htm\n8:b.htm\n", -1, "a.htm"},
        // The scan stops at the first number above the index.
        {"0:a.htm\n9:b.htm\n5:c.htm\n", 7, "a.htm"},
        {"0:a.htm\n9:b.htm\n5:c.htm\n", 10, "c.htm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(zav::SelectExercisePage(zav::ParsePageTable(c.table), c.index), c.page)
            << c.table << " @" << c.index;
    }
    EXPECT_EQ(zav::SelectExercisePage(CPageTable{}, 0), std::nullopt);
}

TEST(PageTable, LoadsFromAFileAndReportsAMissingOne) {
    const zav::test::CScratchFolder dir;
    dir.Write("Default", "0:intro.htm\n5:fila2.htm\n");
    const auto table = zav::LoadPageTable(dir / "Default");
    ASSERT_TRUE(table);
    EXPECT_EQ(table->entries.size(), 2u);
    EXPECT_FALSE(zav::LoadPageTable(dir / "Missing"));
}

}  // namespace
