// zavtool drill and report, run as the user runs them, from the build tree.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "core/course/document.h"
#include "core/course/progress_file.h"
#include "core/course/textfile.h"
#include "core/stats/report.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun Zavtool(const std::string& arguments) {
    const std::string command = std::string(ZAV_OUT_DIR) + "/zavtool " + arguments + " 2>/dev/null";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct ZavtoolTest : ::testing::Test {
    ZavtoolTest() {
        std::ofstream(dir / "fingers.txt", std::ios::binary)
            << "L\n0::qaz\n1::wsx\n2::edc\n3::fgrtvb\n4::jhyunm\n5::ik,\n6::ol.\n7::p\n";
        std::ofstream(dir / "config.txt", std::ios::binary) << "ok_thresh:2\n";
    }
    std::string In(const char* name) const { return "'" + (dir / name).string() + "'"; }

    zav::test::CScratchFolder scratch;
    const fs::path dir = scratch.Path();
};

TEST_F(ZavtoolTest, DrillPrintsTheDrillsOfAFreshRun) {
    struct Case {
        std::string arguments;
        int status;
        std::string out;
    } cases[] = {
        {"drill a", 0, "a a a a a a a a a a a a a a a a a a a a a a a a a \n"},
        {"drill --count 2 asdfjkl", 0,
         "klfdjsa akfljds sfdlajk lsjfdak skjafdl lskdfaj jf\n"
         "asldjfk aljdkfs falksjd jkafsld jaskldf afjklds fs\n"},
        {"drill --count 0 a", 0, ""},
        {"drill ''", 0, "tu Maooacesiejos erraesceestjp c nir  uieaopocroje\n"},
        {"drill --extra --fingers " + In("fingers.txt") + " tu", 0,
         "jftu tfju tufj uftj futj tjuf fjtu jtuf jutf ujtf \n"},
        {"drill --extra --layout 3 --fingers " + In("fingers.txt") + " tu", 0,
         "tu ut ut ut ut ut tu tu tu ut tu ut ut tu ut tu tu\n"},
        {"drill --extra --fingers " + In("missing.txt") + " tu", 1, ""},
        {"drill --count -1 a", 1, ""},
        {"drill", 1, ""},
        {"drill a b", 1, ""},
    };
    for (const auto& c : cases) {
        const ToolRun run = Zavtool(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST_F(ZavtoolTest, ReportWritesThePageOfAProgressFile) {
    zav::CZAVTypeDoc doc;
    doc.stats.history[0].errors = 2;
    doc.stats.history[0].duration = 500;
    doc.stats.historyCount = 1;
    doc.stats.letterCorrect['f'] = 8;
    doc.stats.letterErrors['f'] = 2;
    const std::string course = "/cursos/Mi <curso>";
    ASSERT_TRUE(zav::SaveProgress(doc, course, dir / "p.zav").Ok());

    const ToolRun run =
        Zavtool("report " + In("p.zav") + " " + In("out.html") + " --config " + In(""));
    ASSERT_EQ(run.status, 0);
    doc.okThreshold = 2;  // from the settings: the turn is "Regular"
    EXPECT_EQ(zav::ReadBinaryFile(dir / "out.html"),
              zav::ReportText(doc, (dir / "p.zav").string(), course));

    EXPECT_EQ(Zavtool("report " + In("p.zav") + " " + In("no/out.html")).status, 1);
    EXPECT_EQ(Zavtool("report " + In("none.zav") + " " + In("out.html")).status, 1);
    EXPECT_EQ(Zavtool("report " + In("p.zav")).status, 1);
}

}  // namespace
