// Starts the real ZAVTHelp (offscreen) beside help pages of the test's own and steers it
// through its message port as the tutor does.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/port/messages.h"
#include "core/port/string_codec.h"
#include "shared/port.h"

namespace {

namespace fs = std::filesystem;
using namespace zav;
using namespace std::chrono_literals;

constexpr port::PortId kTutor = 0x7E000001;  // the test's port stands in for the tutor
const std::string kNoTable = "message ZAVType no puede acceder a la información de este ejercicio";

struct CRuntime {
    fs::path dir;
    CRuntime() {
        char pattern[] = "/tmp/zav_viewer_test_XXXXXX";
        dir = ::mkdtemp(pattern);
        ::setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
        fs::create_directory(dir / "run");
    }
    ~CRuntime() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};
const CRuntime runtime;

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A viewer installed in a folder of its own, with a contents page, the table "Default"
// (0:a.htm, 5:b.htm, 12:c.htm) and the table "Español" (0:n.htm).
class CViewer {
  public:
    CViewer() {
        static int argc = 1;
        static char name[] = "viewer_process_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
        static int count = 0;
        dir_ = runtime.dir / ("viewer" + std::to_string(++count));
        fs::create_directories(dir_ / "help");
        fs::copy_file(fs::path(ZAV_OUT_DIR) / "ZAVTHelp", dir_ / "ZAVTHelp");
        for (const char* page : {"index.htm", "a.htm", "b.htm", "c.htm", "n.htm"}) {
            Write(dir_ / "help" / page, std::string("<html><body>") + page + "</body></html>");
        }
        Write(dir_ / "help" / "Default", "0:a.htm\n5:b.htm\n12:c.htm\n");
        Write(dir_ / "help" / "Español", "0:n.htm\n");
    }

    ~CViewer() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // Starts the viewer and waits, at most 10 s, until its port answers.
    bool Start() {
        process_.setProgram(QString::fromStdString((dir_ / "ZAVTHelp").native()));
        process_.setArguments({"--trace", QString::fromStdString(Trace().native())});
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process_.setProcessEnvironment(env);
        process_.start();
        if (!process_.waitForStarted(5000)) return false;
        id_ = static_cast<port::PortId>(process_.processId());
        for (int i = 0; i < 200; ++i) {
            if (port::IsPortOpen(id_)) return true;
            QThread::msleep(50);
        }
        return false;
    }

    bool Post(std::uint32_t message, std::int32_t wparam, std::int32_t lparam = 0) {
        return port::Post(id_, message, wparam, lparam);
    }

    void SendCourseName(const std::string& name) {
        std::int32_t position = 0;
        for (std::int32_t c : EncodeString(name)) Post(TM_COURSE_NAME_CHAR, c, position++);
    }

    // Waits until the trace holds `count` lines and returns them.
    std::vector<std::string> WaitForTrace(std::size_t count) {
        std::vector<std::string> lines;
        for (int i = 0; i < 250 && lines.size() < count; ++i) {
            lines.clear();
            std::ifstream in(Trace());
            for (std::string line; std::getline(in, line);) lines.push_back(line);
            if (lines.size() < count) QThread::msleep(20);
        }
        return lines;
    }

    std::string Page(const char* name) const { return "page " + (dir_ / "help" / name).native(); }
    fs::path Trace() const { return dir_ / "trace.txt"; }
    port::PortId Id() const { return id_; }
    QProcess& Process() { return process_; }

  private:
    fs::path dir_;
    QProcess process_;
    port::PortId id_ = 0;
};

TEST(ViewerProcess, StartsOnTheContentsAndFollowsTheTutorsExercises) {
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    viewer.SendCourseName("Default");
    viewer.Post(TM_SHOW_EXERCISE_HELP, 5, 0);  // only remembered: the contents stay on screen
    viewer.Post(TM_SHOW_EXERCISE_HELP, 0, 1);
    viewer.Post(TM_SHOW_EXERCISE_HELP, 12, 1);
    viewer.Post(TM_SHOW_EXERCISE_HELP, 11, 1);
    viewer.Post(TM_SHOW_EXERCISE_HELP, 4, 1);
    EXPECT_EQ(viewer.WaitForTrace(5),
              (std::vector<std::string>{viewer.Page("index.htm"), viewer.Page("a.htm"),
                                        viewer.Page("c.htm"), viewer.Page("b.htm"),
                                        viewer.Page("a.htm")}));
}

TEST(ViewerProcess, IgnoresDatagramsOfAnotherSizeAndUnknownMessages) {
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    const fs::path socket = port::PortFolder() / std::to_string(viewer.Id());
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof(addr.sun_path), "%s", socket.c_str());
    for (std::size_t size : {0, 1, 11, 13, 24}) {
        const std::vector<char> junk(size, '\x06');
        ::sendto(fd, junk.data(), junk.size(), 0, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    }
    ::close(fd);
    viewer.Post(1031, 0, 0);
    viewer.SendCourseName("Default");
    viewer.Post(TM_SHOW_EXERCISE_HELP, 6, 1);
    EXPECT_EQ(viewer.WaitForTrace(2),
              (std::vector<std::string>{viewer.Page("index.htm"), viewer.Page("b.htm")}));
}

TEST(ViewerProcess, CourseNamesTravelAsWindows1252AndBadOnesAreReported) {
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    viewer.SendCourseName("Nada");                // no such table
    viewer.SendCourseName(std::string(64, 'x'));  // longer than the viewer's buffer
    viewer.Post(TM_SHOW_EXERCISE_HELP, 3, 1);     // no table yet: nothing to show
    viewer.SendCourseName("Espa\xF1ol");          // 0xF1 travels as 0xFFFFFFF1
    viewer.Post(TM_SHOW_EXERCISE_HELP, 3, 1);
    EXPECT_EQ(viewer.WaitForTrace(4), (std::vector<std::string>{viewer.Page("index.htm"), kNoTable,
                                                                kNoTable, viewer.Page("n.htm")}));
}

TEST(ViewerProcess, QuitTellsTheTutorAndEndsAtOnceWithStatusZero) {
    auto tutor = port::CPortSocket::Open(kTutor, nullptr);
    ASSERT_TRUE(tutor);
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    viewer.Post(TM_TUTOR_THREAD, static_cast<std::int32_t>(kTutor));
    viewer.Post(TM_QUIT_HELP, static_cast<std::int32_t>(kTutor));
    EXPECT_EQ(tutor->Wait(10s), (port::Message{TM_HELP_CLOSED, 0, 0}));
    ASSERT_TRUE(viewer.Process().waitForFinished(10000));
    EXPECT_EQ(viewer.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.Process().exitCode(), 0);
    EXPECT_FALSE(fs::exists(port::PortFolder() / std::to_string(viewer.Id())));
    EXPECT_FALSE(tutor->Receive());
}

TEST(ViewerProcess, AHandStartedViewerEndsWithoutReporting) {
    auto tutor = port::CPortSocket::Open(kTutor, nullptr);
    ASSERT_TRUE(tutor);
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    viewer.Post(TM_SHOW_EXERCISE_HELP, 3, 1);  // no table: stays on the contents
    viewer.Post(TM_QUIT_HELP, 0);
    ASSERT_TRUE(viewer.Process().waitForFinished(10000));
    EXPECT_EQ(viewer.Process().exitCode(), 0);
    EXPECT_FALSE(tutor->Wait(200ms));
    EXPECT_EQ(viewer.WaitForTrace(1), (std::vector<std::string>{viewer.Page("index.htm")}));
}

// Qt's own options are Qt's: both programs start with them; the viewer ignores what remains.
TEST(ViewerProcess, BothProgramsLeaveQtsOptionsToQt) {
    struct Case {
        const char* program;
        QStringList arguments;
    } cases[] = {{"ZAVType", {"-style", "fusion", "-platform", "offscreen"}},
                 {"ZAVTHelp", {"-platform", "offscreen", "-style", "fusion", "sobra", "-x"}}};
    for (const Case& c : cases) {
        QProcess process;
        auto env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(runtime.dir.native()));
        process.setProcessEnvironment(env);
        process.start(QString(ZAV_OUT_DIR) + "/" + c.program, c.arguments);
        ASSERT_TRUE(process.waitForStarted(5000)) << c.program;
        const auto id = static_cast<port::PortId>(process.processId());
        bool open = false;
        for (int i = 0; i < 200 && !open && process.state() == QProcess::Running; ++i) {
            open = port::IsPortOpen(id);
            if (!open) QThread::msleep(50);
        }
        EXPECT_TRUE(open) << c.program << " exit " << process.exitCode();
        process.kill();
        process.waitForFinished(5000);
    }
}

// A flood of 10,001 characters for one name: refused as too long, and the next name works.
TEST(ViewerProcess, AHugeCourseNameIsRefusedAndTheNextOneLoads) {
    CViewer viewer;
    ASSERT_TRUE(viewer.Start());
    viewer.SendCourseName(std::string(10001, 'x'));
    viewer.SendCourseName("Default");
    viewer.Post(TM_SHOW_EXERCISE_HELP, 6, 1);
    EXPECT_EQ(viewer.WaitForTrace(3),
              (std::vector<std::string>{viewer.Page("index.htm"), kNoTable, viewer.Page("b.htm")}));
}

TEST(ViewerProcess, PrintsHelpAndVersion) {
    CViewer viewer;
    QProcess process;
    process.start(QString(ZAV_OUT_DIR) + "/ZAVTHelp", {"--version"});
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "ZAVTHelp Version 1.0\n");
    process.start(QString(ZAV_OUT_DIR) + "/ZAVTHelp", {"--help"});
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().startsWith("Uso: ZAVTHelp"));
}

}  // namespace
