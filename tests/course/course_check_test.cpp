// The course checker finds, with their lines, the faults a teacher would otherwise only meet in
// front of the class; the page-table checker those of the help pages.
#include "core/course/course_check.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/fingers/finger_layout.h"
#include "core/help/page_table_check.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

using Found = std::vector<std::pair<int, CheckSeverity>>;
constexpr auto E = CheckSeverity::kError;
constexpr auto W = CheckSeverity::kWarning;
constexpr auto N = CheckSeverity::kNote;

Found Lines(const std::vector<CCheckFinding>& findings) {
    Found found;
    for (const auto& f : findings) found.emplace_back(f.line, f.severity);
    return found;
}

TEST(CourseCheck, FindsEveryFaultWithItsLine) {
    CFingerTable fingers;
    fingers.Parse(
        "Solo\n0:Izquierda:asdf\n1:Derecha:jkl\xf1\n2:-:\n3:-:\n4:-:\n5:-:\n6:-:\n7:-:\n");
    struct Case {
        const char* name;
        std::string bytes;
        Found found;
        int status;
    };
    const Case cases[] = {
        {"clean", "\tA\nasdf jkl\xf1\n", {}, 0},
        {"utf-8 is a note", "\tA\njkl\xc3\xb1\n", {{0, N}}, 0},
        {"empty file", "", {{0, E}}, 2},
        {"binary", std::string("\tA\nab\n\0\n", 9), {{3, E}}, 2},
        {"only sections", "\tA\n\tB\n", {{0, E}}, 2},
        {"no final line break", "\tA\nasdf\njkl", {{3, E}}, 2},
        {"unmappable utf-8", "\tA\nasdf\n\xc5\x91\n", {{0, N}, {3, E}}, 2},
        {"empty exercise and trailing blank", "\tA\n\nasdf \n", {{2, W}, {3, W}}, 1},
        {"tab and control inside", "\tA\nas\tdf\x01\n", {{2, E}}, 2},
        {"exercise before the first section", "asdf\nasdf\n\tA\nasdf\n", {{1, W}}, 1},
        {"too long for the window", "\tA\n" + std::string(61, 'a') + "\n", {{2, W}}, 1},
        {"split by the tutor", "\tA\n" + std::string(300, 'a') + "\n", {{2, E}}, 2},
        {"no key types it", "\tA\nasdf q\n", {{2, W}}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto findings = CheckCourse(c.bytes, &fingers);
        EXPECT_EQ(Lines(findings), c.found);
        EXPECT_EQ(CheckStatus(findings), c.status);
    }
    // Without a finger table every printable character is fine.
    EXPECT_TRUE(CheckCourse("\tA\nqwerty\n").empty());
}

TEST(PageTableCheck, FindsOrderIndicesPagesAndUnreadText) {
    test::CScratchFolder help;
    help.Write("a.htm", "a");
    help.Write("b.htm", "b");
    struct Case {
        const char* name;
        std::string table;
        Found found;
    };
    const Case cases[] = {
        {"clean", "0:a.htm\n5:b.htm\n", {}},
        {"not increasing", "0:a.htm\n5:b.htm\n5:a.htm\n3:b.htm\n", {{3, E}, {4, E}}},
        {"beyond the course", "0:a.htm\n10:b.htm\n", {{2, W}}},
        {"missing page", "0:a.htm\n\n2:c.htm\n", {{3, E}}},
        {"unread rest", "0:a.htm\n2 :b.htm\n3:b.htm\n", {{2, E}}},
        {"empty", "", {{0, E}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(CheckPageTable(c.table, 10, help.Path())), c.found);
    }
}

}  // namespace
}  // namespace zav
