// Runs the built zavtool on files of a private folder and checks what it prints.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "core/app/strings.h"
#include "core/course/text_encoding.h"
#include "core/course/textfile.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class ZavtoolTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    // Arguments are passed in single quotes; the tests' own names hold none.
    // Runs in the C locale unless another is named.
    ToolRun Tool(const std::string& args, const std::string& locale = "C") const {
        const std::string err = Path("stderr");
        const std::string command =
            "LC_ALL=" + locale + " '" + ZAV_OUT_DIR "/zavtool' " + args + " 2>'" + err + "'";
        ToolRun run;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe) return run;
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
        const int status = ::pclose(pipe);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadBinaryFile(err).value_or("");
        return run;
    }
    zav::test::CScratchFolder scratch_;
    const std::filesystem::path folder_ = scratch_.Path();
};

TEST_F(ZavtoolTest, HelpListsTheCommands) {
    const ToolRun run = Tool("--help");
    EXPECT_EQ(run.status, 0);
    for (const char* command : {"config", "course", "new", "progress"}) {
        EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_EQ(Tool("frobnicate").status, 1);
    EXPECT_EQ(Tool("").status, 1);
}

// The tool's messages are English in an English locale and Spanish in any other.
TEST_F(ZavtoolTest, MessagesFollowTheLocaleLanguage) {
    const struct {
        const char* locale;
        const char* message;
    } cases[] = {{"C", "orden desconocida «frobnicate»"},
                 {"es_ES.UTF-8", "orden desconocida «frobnicate»"},
                 {"en_US.UTF-8", "unknown command \"frobnicate\""}};
    for (const auto& c : cases) {
        // UTF-8 where the locale is installed, Windows-1252 where it is not.
        const std::string err = Tool("frobnicate", c.locale).err;
        EXPECT_TRUE(err.find(c.message) != std::string::npos ||
                    Utf8FromCp1252(err).find(c.message) != std::string::npos)
            << c.locale << ": " << err;
    }
    EXPECT_EQ(Tool("--help", "en_US.UTF-8").out.rfind("usage: zavtool COMMAND", 0), 0u);
}

// Every command that --help lists has its page, the text the manual page shows too.
TEST_F(ZavtoolTest, HelpCommandDescribesEveryListedCommand) {
    const std::string list = Tool("--help").out;
    int commands = 0;
    for (std::size_t at = list.find("\n  "); at != std::string::npos;
         at = list.find("\n  ", at + 1)) {
        const std::string name = list.substr(at + 3, list.find(' ', at + 3) - at - 3);
        const ToolRun run = Tool("help " + name);
        EXPECT_EQ(run.status, 0) << name;
        EXPECT_EQ(run.out.rfind("usage: zavtool " + name, 0), 0u) << run.out;
        EXPECT_GT(run.out.size(), 80u) << name;
        ++commands;
    }
    EXPECT_GE(commands, 7);
    EXPECT_EQ(Tool("help frobnicate").status, 1);
}

TEST_F(ZavtoolTest, ConfigPrintsTheEffectiveSettings) {
    Write("config.txt",
          "col_blobs:ff0000#blue\r\naudio:off\r\naffiliation:Escuela Espa\xf1"
          "a\r\n"
          "cursor_shape:|\r\nauto_num:9");
    const ToolRun run = Tool("config '" + folder_.string() + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "col_bgnd=dde3e3\ncol_top_tl=bbbbbb\ncol_top_br=ffffff\ncol_status=aaa0a0\n"
              "col_srce=1010aa\ncol_box=ffffff\ncol_bottom_tl=000000\ncol_bottom_br=000000\n"
              "col_ex=10aa10\ncol_caret=000000\ncol_blobs=ff0000\ncursor_shape=false\n"
              "cursor_flash=true\naffiliation=Escuela Espa\xf1"
              "a\naudio=0\nauto_advance=1\n"
              "auto_num=5\nauto_type=2\nauto_check=true\nok_thresh=0\nfont_name=MS San Serif\n"
              "font_size=140\n");
}

TEST_F(ZavtoolTest, ConfigWithoutAFileGivesTheDefaultsAndTheMessage) {
    const ToolRun run = Tool("config '" + Path("nothing") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, std::string(text::kConfigMissing) + "\n");
    EXPECT_NE(run.out.find("col_blobs=0000ff\n"), std::string::npos);
    EXPECT_NE(run.out.find("font_size=140\n"), std::string::npos);
}

TEST_F(ZavtoolTest, CourseListsSectionsAndExercises) {
    Write("curso", "lead\n\tFila central\r\nasdf jkl\xf1\n\n\tFila superior\nqwer\nunfinished");
    const ToolRun run = Tool("course '" + Path("curso") + "'");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "sections=3 exercises=4\n"
              "S\t0\t0\t\nS\t1\t1\tFila central\nS\t2\t3\tFila superior\n"
              "E\t0\t0\tlead\nE\t1\t1\tasdf jkl\xf1\nE\t2\t1\t\nE\t3\t2\tqwer\n");
    const ToolRun missing = Tool("course '" + Path("none") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none"), std::string::npos);
}

TEST_F(ZavtoolTest, NewThenProgress) {
    Write("config.txt", "ok_thresh:2\nfont_name:Arial\n");
    const std::string zav = Path("new.zav");
    Write("Curso", "\tA\nasdf\n");
    const std::string course = Path("Curso");
    const ToolRun made =
        Tool("new '" + zav + "' --config '" + folder_.string() + "' --course '" + course + "'");
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string bytes = ReadBinaryFile(zav).value_or("");
    EXPECT_EQ(bytes.size(), 5700u + 154 + 5 + course.size());
    EXPECT_EQ(bytes.substr(8, 6),
              "\x05"
              "Arial");

    const ToolRun run = Tool("progress '" + zav + "' --config '" + folder_.string() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "includeExtraLetters=false\nconfirmAdvance=true\nfontName=Arial\nfontSize=140\n"
              "keyboardLayout=0\ngoodLimit=0.100000001\nbadLimit=0.200000003\nautoAdvance=1\n"
              "autoNum=2\nautoType=2\nsoundOn=true\nkind=0\nexercise=0\nanyOrderLetters=\n"
              "inOrderText=\nhistoryCount=0\ncourse=" +
                  course +
                  "\ntotal=0h 0m 0.00s\n"
                  "wpm20=0.0\nwpm100=0.0\nwpmAll=0.0\ngrades=0 0 0\ngood=\nbad=\n");
}

TEST_F(ZavtoolTest, NewDefaultsToTheCourseBesideTheTool) {
    ASSERT_EQ(Tool("new '" + Path("a.zav") + "'").status, 0);
    const std::string bytes = ReadBinaryFile(Path("a.zav")).value_or("");
    const std::string course = std::string(ZAV_OUT_DIR) + "/Courses/Default";
    EXPECT_EQ(bytes.substr(bytes.size() - course.size()), course);
}

TEST_F(ZavtoolTest, TruncatedProgressFileFails) {
    ASSERT_EQ(Tool("new '" + Path("a.zav") + "'").status, 0);
    const std::string bytes = ReadBinaryFile(Path("a.zav")).value_or("");
    Write("short.zav", bytes.substr(0, 3000));
    const ToolRun run =
        Tool("progress '" + Path("short.zav") + "' --config '" + folder_.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(text::kUnexpectedFormat), std::string::npos);
    EXPECT_EQ(Tool("progress '" + Path("none.zav") + "'").status, 1);
}

// In a UTF-8 terminal text crosses as UTF-8; in the C locale it stays Windows-1252.
TEST_F(ZavtoolTest, SpeaksTheTerminalsEncoding) {
    Write("curso",
          "\tFila gu\xed"
          "a\n\xf1\xe1\n");
    const ToolRun bytes = Tool("course '" + Path("curso") + "'");
    EXPECT_NE(bytes.out.find("\tFila gu\xed"
                             "a\n"),
              std::string::npos)
        << bytes.out;
    const ToolRun utf8 = Tool("course '" + Path("curso") + "'", "C.UTF-8");
    EXPECT_NE(utf8.out.find("\tFila gu\xc3\xad"
                            "a\n"),
              std::string::npos)
        << utf8.out;
    EXPECT_NE(utf8.out.find("\t\xc3\xb1\xc3\xa1\n"), std::string::npos);

    const ToolRun drill = Tool("drill --count 3 '\xc3\xb1\xc3\xa1'", "C.UTF-8");
    ASSERT_EQ(drill.status, 0) << drill.err;
    for (std::size_t i = 0; i < drill.out.size();) {
        const std::string_view rest = std::string_view(drill.out).substr(i);
        const bool ok = rest.starts_with("\xc3\xb1") || rest.starts_with("\xc3\xa1");
        ASSERT_TRUE(ok || rest[0] == ' ' || rest[0] == '\n') << drill.out;
        i += ok ? 2 : 1;
    }
    const ToolRun wrong = Tool("course '" + Path("nada") + "'", "C.UTF-8");
    EXPECT_EQ(wrong.err.rfind("zavtool: No se puede abrir el archivo de curso", 0), 0u);
}

TEST_F(ZavtoolTest, NewNeedsACourseThatLoadsAndStoresItsWholePath) {
    EXPECT_EQ(Tool("new '" + Path("a.zav") + "' --course /no/such").status, 1);
    Write("vacio", "");
    const ToolRun empty = Tool("new '" + Path("a.zav") + "' --course '" + Path("vacio") + "'");
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find(Path("vacio")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Path("a.zav")));
}

TEST_F(ZavtoolTest, CheckStatusSaysCleanWarningsOrErrors) {
    Write("bien", "\tA\nasdf\n");
    Write("aviso", "\tA\nasdf \n");
    Write("mal", "\tA\nasdf\nfin");
    EXPECT_EQ(Tool("check '" + Path("bien") + "'").status, 0);
    EXPECT_EQ(Tool("check '" + Path("aviso") + "'").status, 1);
    const ToolRun bad = Tool("check '" + Path("mal") + "'", "C.UTF-8");
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.out.find(Path("mal") + ":3: error: "), std::string::npos) << bad.out;
    EXPECT_EQ(Tool("check '" + Path("nada") + "'").status, 2);
}

// Every course shipped with the tutor, with its page table and the shipped finger table.
TEST_F(ZavtoolTest, ShippedCoursesAndPageTablesAreClean) {
    const std::filesystem::path dist = std::filesystem::path(ZAV_SOURCE_DIR) / "data" / "dist";
    for (const auto& entry : std::filesystem::directory_iterator(dist / "Courses")) {
        const ToolRun run =
            Tool("check '" + entry.path().string() + "' --fingers '" +
                 (dist / "fingers.txt").string() + "' --help '" + (dist / "help").string() + "'");
        EXPECT_EQ(run.status, 0) << run.out << run.err;
    }
}

TEST_F(ZavtoolTest, ImportWritesACourseAndNeverOverwritesOne) {
    Write("k.xml",
          "<course><title>T</title><lessons><lesson><title>Uno</title><text>asdf\n"
          "caf\xc3\xa9 \xc5\x91</text></lesson></lessons></course>");
    const ToolRun run = Tool("import '" + Path("k.xml") + "' '" + Path("curso") + "'", "C.UTF-8");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBinaryFile(Path("curso")), "\tUno\nasdf\n");
    EXPECT_NE(run.out.find("1 lecciones, 1 ejercicios"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("l\xc3\xadnea 2"), std::string::npos) << run.out;

    const ToolRun again = Tool("import '" + Path("k.xml") + "' '" + Path("curso") + "'");
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(ReadBinaryFile(Path("curso")), "\tUno\nasdf\n");
}

}  // namespace
}  // namespace zav
