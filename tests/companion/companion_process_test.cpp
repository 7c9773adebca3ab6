// The tutor's window in this process, its companions as real processes started from the build
// tree: ZAVTHelp (with its trace of the pages it shows), the add-on stand-in, and a recorder
// that stands in for the viewer where every message counts.
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/port/messages.h"
#include "core/port/string_codec.h"
#include "shared/port.h"
#include "shared/prompts.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/companion/add_on_missing_dlg.h"
#include "tutor/companion/companions.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::testing {
namespace {

constexpr int kWait = 15000;  // ms; generous for a loaded machine, never reached when all is well

// Records each message; with holdMs, stays "on screen" that long in a nested event loop, as a
// message box does.
class RecordingPrompts : public ui::CPrompts {
  public:
    void Message(const QString& text, QMessageBox::Icon) override {
        messages.push_back(text);
        if (holdMs > 0) QTest::qWait(holdMs);
    }
    std::vector<QString> messages;
    int holdMs = 0;
};

void WriteFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void CopyProgram(const QString& from, const QString& to) {
    QDir().mkpath(QFileInfo(to).path());
    ASSERT_TRUE(QFile::copy(from, to)) << from.toStdString();
    QFile::setPermissions(to, QFile::permissions(to) | QFile::ExeOwner);
}

std::vector<std::string> ReadLines(const QString& path) {
    std::vector<std::string> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty()) lines.push_back(line.toStdString());
    return lines;
}

// Fifteen exercises "ej 1" to "ej 15" under one section.
std::string Course(const std::string& word) {
    std::string course = "\tSecci\xf3n\n";
    for (int i = 1; i <= 15; ++i) course += word + " " + std::to_string(i) + "\n";
    return course;
}

// A tutor installed in root/tutor beside ZAVTHelp and its help pages, with the add-on stand-in
// in root/ZAV Drill Plus. Table "Default": 0:a.htm 5:b.htm 11:c.htm 12:d.htm; table "Español":
// 0:n.htm.
class CompanionFixture {
  public:
    CompanionFixture() {
        WriteFile(Path("config.txt"), "audio:off\n");
        EXPECT_TRUE(QFile::copy(QStringLiteral(ZAV_OUT_DIR "/fingers.txt"), Path("fingers.txt")));
        WriteFile(Path("Courses/Default"), Course("ej"));
        WriteFile(Path("Courses/Español"), Course("ni\xf1o"));
        for (const char* page : {"index.htm", "a.htm", "b.htm", "c.htm", "d.htm", "n.htm"})
            WriteFile(Path(QStringLiteral("help/") + page),
                      std::string("<html><body>") + page + "</body></html>");
        WriteFile(Path("help/Default"), "0:a.htm\n5:b.htm\n11:c.htm\n12:d.htm\n");
        WriteFile(Path("help/Español"), "0:n.htm\n");
        CopyProgram(QStringLiteral(ZAV_OUT_DIR "/ZAVTHelp"), Path("ZAVTHelp"));
        CopyProgram(QStringLiteral(ZAV_BINARY_DIR "/tests/addon/DrillPlus"), AddOnPath());
    }
    ~CompanionFixture() {
        app.reset();
        // Only programs that still read a port of this test's folder: an id that has ended may
        // already belong to an unrelated process.
        for (port::PortId pid : started)
            if (port::IsPortOpen(pid)) ::kill(static_cast<pid_t>(pid), SIGKILL);
    }

    QString Path(const QString& name) const { return root.path() + "/tutor/" + name; }
    QString AddOnPath() const { return root.path() + "/ZAV Drill Plus/DrillPlus"; }
    QString Trace() const { return root.path() + "/trace.txt"; }
    QString Record() const { return root.path() + "/record.txt"; }
    std::string Page(const char* name) const {
        return "page " + Path(QStringLiteral("help/") + name).toStdString();
    }

    // Puts the recorder in the viewer's place.
    void UseRecorder() {
        QFile::remove(Path("ZAVTHelp"));
        CopyProgram(QStringLiteral(ZAV_BINARY_DIR "/tests/companion/zav_viewer_recorder"),
                    Path("ZAVTHelp"));
        ::setenv("ZAV_RECORD", Record().toLocal8Bit().constData(), 1);
    }

    bool Start() {
        app = std::make_unique<ui::CZAVTypeApp>(Path(QString()).toStdString(), prompts);
        if (!app->Start()) return false;
        Companions().SetViewerArguments({QStringLiteral("--trace"), Trace()});
        Companions().SetUrlOpener([this](const QUrl& url) { opened.push_back(url); });
        return Companions().PortOpen();
    }

    ui::CCompanions& Companions() const { return *app->Companions(); }
    QAction* Action(const char* name) const {
        return app->Frame()->findChild<QAction*>(QString::fromLatin1(name));
    }
    bool HelpChecked() const { return Action("helpIndex")->isChecked(); }
    port::PortId HelpId() const { return Companions().Link().HelpId(); }
    CZAVTypeDoc& Doc() const { return app->Document(); }

    // A menu command; remembers a viewer it starts so that the fixture can end it.
    void Trigger(const char* name) {
        Action(name)->trigger();
        if (HelpId() != 0) started.push_back(HelpId());
    }
    void StartExercise(int exercise, ExerciseKind kind = CourseExercise) {
        Doc().exercise = exercise;
        Doc().kind = kind;
        app->Frame()->View()->StartExercise();
    }
    // Waits, handling the tutor's events, until the file holds `count` lines.
    std::vector<std::string> WaitForLines(const QString& file, std::size_t count) {
        (void)QTest::qWaitFor([&] { return ReadLines(file).size() >= count; }, kWait);
        return ReadLines(file);
    }
    bool WaitForCoursePath(const QString& endsWith) {
        return QTest::qWaitFor(
            [&] { return QString::fromStdString(Doc().course.Path()).endsWith(endsWith); }, kWait);
    }
    // The add-on stand-in posting `path` to the tutor's port, as a process of its own.
    bool PostPathFromAddOn(const QString& path, bool utf8 = false) {
        QProcess addOn;
        QStringList args{QStringLiteral("--to"), QString::number(Companions().OwnId()), path};
        if (utf8) args.prepend(QStringLiteral("--utf8"));
        addOn.start(AddOnPath(), args);
        if (!addOn.waitForStarted(kWait)) return false;
        (void)QTest::qWaitFor([&] { return addOn.state() == QProcess::NotRunning; }, kWait);
        return addOn.exitStatus() == QProcess::NormalExit && addOn.exitCode() == 0;
    }

    QTemporaryDir root;
    RecordingPrompts prompts;
    std::unique_ptr<ui::CZAVTypeApp> app;
    std::vector<port::PortId> started;
    std::vector<QUrl> opened;
};

bool ProcessEnded(port::PortId pid) {
    return QTest::qWaitFor([&] { return !port::IsPortOpen(pid); }, kWait);
}

TEST(CompanionProcess, HelpTwiceStartsThenClosesTheViewer) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    EXPECT_FALSE(t.HelpChecked());

    QElapsedTimer clock;
    clock.start();
    t.Trigger("helpIndex");
    const port::PortId viewer = t.HelpId();
    ASSERT_NE(viewer, 0u);
    EXPECT_TRUE(t.HelpChecked());
    EXPECT_EQ(t.WaitForLines(t.Trace(), 1), std::vector<std::string>{t.Page("index.htm")});
    std::printf("[ figure ] \"&Ayuda\" to the viewer's first page: %lld ms\n",
                static_cast<long long>(clock.elapsed()));

    t.Trigger("helpIndex");
    EXPECT_TRUE(t.HelpChecked());  // until the viewer's goodbye has arrived
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.HelpChecked(); }, kWait));
    EXPECT_EQ(t.HelpId(), 0u);
    EXPECT_TRUE(ProcessEnded(viewer));
    const QString proc = QStringLiteral("/proc/%1").arg(viewer);  // no zombie left behind
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(proc); }, kWait));
    EXPECT_TRUE(t.prompts.messages.empty());
}

TEST(CompanionProcess, StartSequenceAndExercisesAsTheViewerReceivesThem) {
    CompanionFixture t;
    t.UseRecorder();
    ASSERT_TRUE(t.Start());
    t.StartExercise(2);
    t.Trigger("helpIndex");
    const std::string tutor = std::to_string(static_cast<std::int32_t>(t.Companions().OwnId()));
    std::vector<std::string> expected{"1028 " + tutor + " 0"};
    const std::string name = "Default";
    for (int i = 0; i < 7; ++i)
        expected.push_back("1030 " + std::to_string(name[i]) + " " + std::to_string(i));
    expected.push_back("1030 0 7");
    expected.push_back("1026 2 0");
    EXPECT_EQ(t.WaitForLines(t.Record(), expected.size()), expected);

    t.StartExercise(11);                 // shown to the user as number 12
    t.StartExercise(0, ProblemLetters);  // drills send nothing
    t.StartExercise(0, RandomLetters);
    t.StartExercise(0, LettersInOrder);
    t.Trigger("helpTips");  // a known viewer: only the page is asked for
    t.Trigger("helpIndex");
    for (const char* line : {"1026 11 1", "1026 0 1"}) expected.push_back(line);
    expected.push_back("1029 " + tutor + " 0");
    EXPECT_EQ(t.WaitForLines(t.Record(), expected.size()), expected);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.HelpChecked(); }, kWait));
}

TEST(CompanionProcess, TipsWithNoViewerStartOneThatEndsOnTheExercisesPage) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.StartExercise(6);
    t.Trigger("helpTips");
    EXPECT_TRUE(t.HelpChecked());
    EXPECT_EQ(t.WaitForLines(t.Trace(), 2),
              (std::vector<std::string>{t.Page("index.htm"), t.Page("b.htm")}));
}

TEST(CompanionProcess, TheViewerFollowsCourseExercisesButNotDrills) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("helpIndex");
    ASSERT_EQ(t.WaitForLines(t.Trace(), 1).size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.Companions().Starting(); }, kWait));
    t.StartExercise(11);
    t.StartExercise(0, ProblemLetters);
    t.StartExercise(12);
    EXPECT_EQ(t.WaitForLines(t.Trace(), 3),
              (std::vector<std::string>{t.Page("index.htm"), t.Page("c.htm"), t.Page("d.htm")}));
}

TEST(CompanionProcess, TheAddOnLoadsACourseWhoseNameReachesTheViewerAsF1) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.StartExercise(4);
    const QString course = t.Path(QStringLiteral("Courses/Español"));
    ::setenv("ZAV_ADDON_COURSE", course.toLocal8Bit().constData(), 1);
    t.Companions().OnAddOn();
    ASSERT_NE(t.Companions().AddOnId(), 0u);
    t.started.push_back(t.Companions().AddOnId());
    ASSERT_TRUE(t.WaitForCoursePath(QStringLiteral("Español")));
    EXPECT_EQ(t.Doc().exercise, 0);
    EXPECT_EQ(t.Doc().kind, CourseExercise);
    EXPECT_EQ(t.app->Frame()->View()->Engine().SourceLine(), "ni\xf1o 1");
    EXPECT_TRUE(t.app->Documents().Modified());

    // The viewer is told the name "Espa\xf1ol" and finds the page table of that name.
    t.Trigger("helpIndex");
    t.Trigger("helpTips");
    EXPECT_EQ(t.WaitForLines(t.Trace(), 2),
              (std::vector<std::string>{t.Page("index.htm"), t.Page("n.htm")}));
    EXPECT_TRUE(t.prompts.messages.empty());
}

TEST(CompanionProcess, AMissingAddOnShowsWhereItWasLookedForAndNothingMore) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    QFile::remove(t.AddOnPath());
    QString title, tried;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<ui::CAddOnMissingDlg*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        tried = dialog->TriedPath();
        QTest::keyClick(dialog, Qt::Key_Return);  // the site's button: the dialog stays
        if (dialog->isVisible()) dialog->reject();
    });
    t.Companions().OnAddOn();
    EXPECT_EQ(title, QStringLiteral("ZAV Drill Plus"));
    EXPECT_EQ(tried, t.AddOnPath());
    EXPECT_EQ(t.Companions().AddOnId(), 0u);
    EXPECT_EQ(t.opened, std::vector<QUrl>{QUrl::fromLocalFile(t.Path("help/proyecto.htm"))});
}

TEST(CompanionProcess, AKilledViewerIsForgottenAtOnceAndQuietly) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("helpIndex");
    const port::PortId first = t.HelpId();
    ASSERT_EQ(t.WaitForLines(t.Trace(), 1).size(), 1u);
    // Killed once the tutor has its answer: before that, it rightly reports a viewer that ended
    // without answering, which a loaded machine made this test see now and then.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.Companions().Starting(); }, kWait));
    ASSERT_EQ(::kill(static_cast<pid_t>(first), SIGKILL), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.HelpChecked(); }, kWait));  // nobody said goodbye

    t.Trigger("helpIndex");
    EXPECT_NE(t.HelpId(), 0u);
    EXPECT_NE(t.HelpId(), first);
    EXPECT_TRUE(t.HelpChecked());
    EXPECT_EQ(t.WaitForLines(t.Trace(), 2),
              (std::vector<std::string>{t.Page("index.htm"), t.Page("index.htm")}));
    EXPECT_TRUE(t.prompts.messages.empty()) << t.prompts.messages[0].toStdString();
}

// The window takes keys while a slow viewer starts, and the viewer still gets the whole
// sequence, ending with the exercise on screen by then.
TEST(CompanionProcess, TheWindowTypesOnWhileTheViewerStarts) {
    CompanionFixture t;
    t.UseRecorder();
    QFile::rename(t.Path("ZAVTHelp"), t.Path("recorder"));
    WriteFile(t.Path("ZAVTHelp"), "#!/bin/sh\nsleep 1\nexec \"$(dirname \"$0\")/recorder\"\n");
    QFile::setPermissions(t.Path("ZAVTHelp"),
                          QFile::permissions(t.Path("ZAVTHelp")) | QFile::ExeOwner);
    ASSERT_TRUE(t.Start());
    t.Trigger("helpIndex");
    EXPECT_TRUE(t.Companions().Starting());
    EXPECT_TRUE(t.HelpChecked());
    auto* view = t.app->Frame()->View();
    QTest::keyClicks(view, "ej");
    EXPECT_EQ(view->Engine().Position(), 2);
    EXPECT_TRUE(t.Companions().Starting());  // the keys did not wait for the viewer
    t.StartExercise(3);
    const std::vector<std::string> lines = t.WaitForLines(t.Record(), 11);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].rfind("1028 ", 0), 0u);
    EXPECT_EQ(lines[9], "1026 3 0");
    EXPECT_EQ(lines[10], "1026 3 1");
}

TEST(CompanionProcess, AStoppedViewerNeverHoldsTheWindowAndIsForgotten) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("helpIndex");
    const port::PortId viewer = t.HelpId();
    ASSERT_EQ(t.WaitForLines(t.Trace(), 1).size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.Companions().Starting(); }, kWait));
    ASSERT_EQ(::kill(static_cast<pid_t>(viewer), SIGSTOP), 0);
    for (int i = 0; i < 40; ++i) t.StartExercise(i % 15);  // far more than its socket holds
    EXPECT_TRUE(t.HelpChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.HelpChecked(); }, kWait));
    EXPECT_EQ(t.prompts.messages,
              std::vector<QString>{QString::fromUtf8(
                  "El programa de ayuda no responde; deja de seguir los ejercicios.")});
    ::kill(static_cast<pid_t>(viewer), SIGKILL);
    ::kill(static_cast<pid_t>(viewer), SIGCONT);
}

// A viewer that cannot run, and a tutor that cannot receive: told once per command, the check
// mark off, and the next "&Ayuda" tries again.
TEST(CompanionProcess, HelpThatCannotWorkIsReportedAndNeverStuckOn) {
    struct Case {
        const char* what;
        bool refuseFolder;
        const char* message;  // the beginning
    } cases[] = {{"exits at once", false, "El programa de ayuda terminó antes de responder."},
                 {"no port", true, "La ayuda no puede seguir los ejercicios"}};
    for (const Case& c : cases) {
        CompanionFixture t;
        WriteFile(t.Path("ZAVTHelp"), "#!/bin/sh\nexit 1\n");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (c.refuseFolder) {  // the port folder is a file: no program can open a port
            qputenv("XDG_RUNTIME_DIR", t.root.path().toLocal8Bit());
            WriteFile(t.root.path() + "/zavtype", "x");
        }
        EXPECT_EQ(t.Start(), !c.refuseFolder) << c.what;
        for (int attempt = 1; attempt <= 2; ++attempt) {
            t.Trigger("helpIndex");
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return t.prompts.messages.size() == std::size_t(attempt); }, kWait))
                << c.what;
            EXPECT_FALSE(t.HelpChecked()) << c.what;
        }
        QTest::qWait(100);
        ASSERT_EQ(t.prompts.messages.size(), 2u)
            << c.what << ": " << t.prompts.messages.back().toStdString();
        EXPECT_TRUE(t.prompts.messages[1].startsWith(QString::fromUtf8(c.message)))
            << t.prompts.messages[1].toStdString();
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
}

// A course changed by "Cargar Curso", the add-on or Open reaches a running viewer before the
// next exercise; a name too long for a socket's queue arrives whole from a stopped viewer's
// point of view.
TEST(CompanionProcess, TheViewerFollowsCourseChangesAndLosesNoCharacter) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("helpIndex");
    ASSERT_EQ(t.WaitForLines(t.Trace(), 1).size(), 1u);
    ASSERT_TRUE(t.app->Documents().LoadCourse(t.Path(QStringLiteral("Courses/Español"))));
    EXPECT_EQ(t.WaitForLines(t.Trace(), 2),
              (std::vector<std::string>{t.Page("index.htm"), t.Page("n.htm")}));

    CompanionFixture r;
    r.UseRecorder();
    const std::string longName(200, 'x');
    WriteFile(r.Path(QStringLiteral("Courses/") + QString::fromStdString(longName)), Course("ej"));
    ASSERT_TRUE(r.Start());
    r.Trigger("helpIndex");
    const port::PortId viewer = r.HelpId();
    ASSERT_EQ(r.WaitForLines(r.Record(), 10).size(), 10u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !r.Companions().Starting(); }, kWait));
    ::kill(static_cast<pid_t>(viewer), SIGSTOP);
    ASSERT_TRUE(r.app->Documents().LoadCourse(
        r.Path(QStringLiteral("Courses/") + QString::fromStdString(longName))));
    QTest::qWait(300);
    ::kill(static_cast<pid_t>(viewer), SIGCONT);
    const std::size_t count = 10 + longName.size() + 2;
    const auto lines = r.WaitForLines(r.Record(), count);
    ASSERT_EQ(lines.size(), count);
    for (std::size_t i = 0; i < longName.size(); ++i)
        ASSERT_EQ(lines[10 + i], "1030 120 " + std::to_string(i)) << i;
    EXPECT_EQ(lines[10 + longName.size()], "1030 0 " + std::to_string(longName.size()));
    EXPECT_EQ(lines.back(), "1026 0 1");
    EXPECT_TRUE(r.HelpChecked());
}

TEST(CompanionProcess, APathTooLongForTheBufferLoadsNothing) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    const std::string before = t.Doc().course.Path();
    QString longPath = t.Path(QString());
    longPath += QString(300 - longPath.size(), QChar('x'));
    ASSERT_TRUE(t.PostPathFromAddOn(longPath));
    QTest::qWait(100);
    EXPECT_EQ(t.Doc().course.Path(), before);
    EXPECT_TRUE(t.prompts.messages.empty());
    EXPECT_FALSE(t.app->Documents().Modified());

    // The buffer starts afresh: a path that fits is loaded; one that cannot be opened is named.
    ASSERT_TRUE(t.PostPathFromAddOn(t.Path(QStringLiteral("Courses/Español"))));
    EXPECT_TRUE(t.WaitForCoursePath(QStringLiteral("Español")));
    ASSERT_TRUE(t.PostPathFromAddOn(t.Path(QStringLiteral("Courses/Nada"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.prompts.messages.empty(); }, kWait));
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].contains(QStringLiteral("Courses/Nada")));
    EXPECT_TRUE(QString::fromStdString(t.Doc().course.Path()).endsWith(QStringLiteral("Español")));

    // The same path sent in UTF-8 finds the same file.
    ASSERT_TRUE(t.PostPathFromAddOn(t.Path(QStringLiteral("Courses/Default")), true));
    EXPECT_TRUE(t.WaitForCoursePath(QStringLiteral("Default")));
    ASSERT_TRUE(t.PostPathFromAddOn(t.Path(QStringLiteral("Courses/Español")), true));
    EXPECT_TRUE(t.WaitForCoursePath(QStringLiteral("Español")));
    EXPECT_EQ(t.prompts.messages.size(), 1u);
}

// A flood of the same course path that cannot be opened: one message while it is on screen,
// not one per copy; the same path sent again later is reported again.
TEST(CompanionProcess, TheSameBadPathFloodedGivesOneMessage) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.prompts.holdMs = 300;
    const port::PortId tutor = t.Companions().OwnId();
    const std::string path = t.Path(QStringLiteral("Courses/Nada")).toStdString();
    auto flood = [&](int copies) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < copies; ++i)
                for (std::int32_t c : EncodeString(path))
                    port::TryPost(tutor, {TM_LOAD_COURSE_CHAR, c, 0}, std::chrono::seconds(5));
            ::_exit(0);
        }
        bool done = false;
        (void)QTest::qWaitFor(
            [&] {
                done = done || ::waitpid(pid, nullptr, WNOHANG) == pid;
                return done && !t.Companions().Receiver().Backlogged();
            },
            kWait);
        QTest::qWait(50);
    };
    flood(30);
    EXPECT_EQ(t.prompts.messages.size(), 1u);
    QTest::qWait(1100);
    flood(1);
    EXPECT_EQ(t.prompts.messages.size(), 2u);
}

TEST(CompanionProcess, StrayDatagramsOfAnotherSizeAreIgnored) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    const std::string socket =
        (port::PortFolder() / std::to_string(t.Companions().OwnId())).string();
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof(addr.sun_path), "%s", socket.c_str());
    // Each begins like a TM_LOAD_COURSE_CHAR of 'x': taken, it would spoil the path below.
    const auto message = port::EncodeDatagram({TM_LOAD_COURSE_CHAR, 'x', 0});
    for (std::size_t size : {0, 1, 11, 13, 24}) {
        std::vector<unsigned char> junk(size, 0);
        for (std::size_t i = 0; i < size; ++i) junk[i] = message[i % message.size()];
        ::sendto(fd, junk.data(), junk.size(), 0, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    }
    ::close(fd);
    ASSERT_TRUE(t.PostPathFromAddOn(t.Path(QStringLiteral("Courses/Español"))));
    EXPECT_TRUE(t.WaitForCoursePath(QStringLiteral("Español")));
    EXPECT_TRUE(t.prompts.messages.empty());
}

TEST(CompanionProcess, AViewerThatCannotBeStartedIsReportedAndLeavesHelpOff) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    QFile::remove(t.Path("ZAVTHelp"));
    t.Trigger("helpIndex");
    EXPECT_FALSE(t.HelpChecked());
    EXPECT_EQ(t.HelpId(), 0u);
    EXPECT_EQ(t.prompts.messages,
              std::vector<QString>{
                  QStringLiteral("No se puede iniciar el programa %1.").arg(t.Path("ZAVTHelp"))});
}

TEST(CompanionProcess, UpgradePageAndProjectPageOpenOutsideTheTutor) {
    CompanionFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("aboutDrillPlus");
    t.Trigger("webSite");
    EXPECT_EQ(t.opened, (std::vector<QUrl>{QUrl::fromLocalFile(t.Path("help/upgrade.htm")),
                                           QUrl::fromLocalFile(t.Path("help/proyecto.htm"))}));
}

}  // namespace
}  // namespace zav::testing
