// The viewer's window and application object in this process, driven by clicks on the real
// toolbar and by messages through a real port.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/port/messages.h"
#include "helpviewer/help_app.h"
#include "helpviewer/help_window.h"
#include "helpviewer/message_sink.h"
#include "helpviewer/trace.h"
#include "shared/about_dlg.h"

namespace {

namespace fs = std::filesystem;
using namespace zav;
using namespace std::chrono_literals;

struct CRecordedMessages : help::IMessageSink {
    QStringList shown;
    void ShowMessage(const QString& text) override { shown << text; }
};

class HelpWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        char pattern[] = "/tmp/zav_help_window_test_XXXXXX";
        root_ = ::mkdtemp(pattern);
        ::setenv("XDG_RUNTIME_DIR", root_.c_str(), 1);
        fs::create_directories(root_ / "help");
        for (const char* page : {"index.htm", "a.htm", "b.htm", "c.htm"}) {
            std::ofstream(root_ / "help" / page) << "<html><body>" << page << "</body></html>";
        }
        std::ofstream(root_ / "help" / "Default") << "0:a.htm\n5:b.htm\n12:c.htm\n";
        static int argc = 1;
        static char name[] = "help_window_test";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    void SetUp() override {
        window_ = std::make_unique<help::CHelpWindow>(
            QString::fromStdString((root_ / "help").native()), messages_);
        window_->show();
    }

    void Click(const char* action) {
        auto* bar = window_->findChild<QToolBar*>("toolBar");
        QWidget* button = bar->widgetForAction(window_->findChild<QAction*>(action));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString OnScreen() const {
        return fs::path(window_->Browser()->source().toLocalFile().toStdString())
            .filename()
            .c_str();
    }

    static inline fs::path root_;
    static inline QApplication* app_ = nullptr;
    CRecordedMessages messages_;
    std::unique_ptr<help::CHelpWindow> window_;
};

TEST_F(HelpWindowTest, HasTheTitleSizeMenusAndToolbarOfTheViewer) {
    EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Sin título - ZAVTHelp"));
    EXPECT_EQ(window_->size(), QSize(780, 600));
    QStringList menus;
    for (QAction* a : window_->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Ayuda", "&Ir"}));
    QStringList buttons;
    for (QAction* a : window_->findChild<QToolBar*>("toolBar")->actions()) {
        buttons << (a->isSeparator() ? "|" : a->text());
    }
    EXPECT_EQ(buttons, (QStringList{"&Anterior", "&Siguiente", "|", "Contenido",
                                    "&Ayuda de este ejercicio"}));
    // The program's icon on the window, its dialogs and its About box, not the platform's.
    EXPECT_EQ(window_->windowIcon().availableSizes().size(), 6);
    ui::CAboutDlg about({QStringLiteral("ZAVTHelp"), {}, {}}, window_.get());
    EXPECT_EQ(about.windowIcon().cacheKey(), window_->windowIcon().cacheKey());
    EXPECT_EQ(about.findChild<QLabel*>("icon")->pixmap().toImage(),
              window_->windowIcon().pixmap(32, 32).toImage());
}

TEST_F(HelpWindowTest, AHandStartedViewerNavigatesItsOwnHistory) {
    EXPECT_EQ(OnScreen(), "index.htm");
    Click("actionExerciseHelp");  // no exercise page yet: the contents stand in
    EXPECT_EQ(OnScreen(), "index.htm");
    window_->Browser()->setSource(QUrl::fromLocalFile(
        QString::fromStdString((root_ / "help" / "a.htm").native())));  // a followed link
    Click("actionBack");
    EXPECT_EQ(OnScreen(), "index.htm");
    Click("actionForward");
    EXPECT_EQ(OnScreen(), "a.htm");
    Click("actionContents");
    EXPECT_EQ(OnScreen(), "index.htm");
}

TEST_F(HelpWindowTest, RememberedPagesWaitForTheExerciseButton) {
    window_->LoadPageTable("Default");
    EXPECT_EQ(window_->PageCount(), 3);
    window_->SelectExercisePage(5, 0);
    EXPECT_EQ(OnScreen(), "index.htm");
    Click("actionExerciseHelp");
    EXPECT_EQ(OnScreen(), "b.htm");
    window_->SelectExercisePage(12, 1);
    EXPECT_EQ(OnScreen(), "c.htm");
    window_->SelectExercisePage(0, 2);  // any flag but 1 only remembers
    EXPECT_EQ(OnScreen(), "c.htm");
    Click("actionExerciseHelp");
    EXPECT_EQ(OnScreen(), "a.htm");
}

TEST_F(HelpWindowTest, AMissingTableKeepsTheOneBefore) {
    window_->LoadPageTable("Default");
    window_->LoadPageTable("Nada");
    EXPECT_EQ(messages_.shown, QStringList{QString::fromUtf8(
                                   "ZAVType no puede acceder a la información de este ejercicio")});
    EXPECT_EQ(window_->PageCount(), 3);
}

// A table or a page that names a pipe nobody writes to, or a device without end, is refused
// like a missing one: the viewer neither waits nor fills its memory.
TEST_F(HelpWindowTest, PipesAndDevicesAreNeitherTablesNorPages) {
    const fs::path pipe = root_ / "help" / "pipe.htm";
    ASSERT_TRUE(fs::exists(pipe) || ::mkfifo(pipe.c_str(), 0600) == 0);
    std::ofstream(root_ / "help" / "Especial") << "0:pipe.htm\n1:/dev/zero\n2:a.htm\n";
    window_->LoadPageTable("Especial");
    for (const char* table : {"/dev/zero", "pipe.htm"}) window_->LoadPageTable(table);
    EXPECT_EQ(messages_.shown.size(), 2);
    ASSERT_EQ(window_->PageCount(), 3);
    for (int exercise : {0, 1}) {
        window_->SelectExercisePage(exercise, 1);
        EXPECT_TRUE(window_->Browser()->toPlainText().isEmpty()) << exercise;
    }
    window_->SelectExercisePage(2, 1);
    EXPECT_EQ(window_->Browser()->toPlainText(), "a.htm");
}

// `ZAVTHelp --trace` naming a pipe that nobody reads once held the viewer before its window
// showed; it is refused at once, while a file gets the trace.
TEST_F(HelpWindowTest, ATraceGoesToAFileNeverToAPipe) {
    const fs::path pipe = root_ / "trace.pipe";
    ASSERT_TRUE(fs::exists(pipe) || ::mkfifo(pipe.c_str(), 0600) == 0);
    EXPECT_FALSE(help::CTrace(QString::fromStdString(pipe.native())).IsOpen());
    const fs::path file = root_ / "trace.txt";
    help::CTrace(QString::fromStdString(file.native())).ShowMessage("hola");
    std::ifstream written(file);
    std::string line;
    EXPECT_TRUE(std::getline(written, line) && line == "message hola") << line;
}

TEST_F(HelpWindowTest, ClosingTheViewerTellsTheTutorOnce) {
    constexpr port::PortId kTutor = 0x7E000002, kViewer = 0x7E000003;
    auto tutor = port::CPortSocket::Open(kTutor, nullptr);
    ASSERT_TRUE(tutor);
    int ended = -1;
    help::CHelpApp helpApp(
        *window_, [&](int status) { ended = status; }, kViewer);
    ASSERT_TRUE(helpApp.Receiver().IsOpen());
    ASSERT_TRUE(port::Post(kViewer, TM_TUTOR_THREAD, static_cast<std::int32_t>(kTutor), 0));
    for (int i = 0; i < 50 && helpApp.TutorThreadId() == 0; ++i) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    EXPECT_EQ(helpApp.TutorThreadId(), kTutor);
    window_->close();
    helpApp.ExitStep();
    helpApp.ExitStep();
    EXPECT_EQ(tutor->Wait(1s), (port::Message{TM_HELP_CLOSED, 0, 0}));
    EXPECT_FALSE(tutor->Wait(100ms));
    EXPECT_EQ(ended, -1);
}

// A flood of the same bad message: one box per text at a time, a new one once it is closed.
TEST_F(HelpWindowTest, BoxesShowTheSameTextOnceAtATime) {
    help::CBoxMessageSink boxes(nullptr);
    for (int i = 0; i < 1000; ++i) boxes.ShowMessage(QStringLiteral("malo"));
    boxes.ShowMessage(QStringLiteral("otro"));
    EXPECT_EQ(boxes.OpenBoxes(), 2);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QMessageBox")) w->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(boxes.OpenBoxes(), 0);
    boxes.ShowMessage(QStringLiteral("malo"));
    EXPECT_EQ(boxes.OpenBoxes(), 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QMessageBox")) w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
