// The frame's dialog commands: each opens its dialog, and what the dialogs choose reaches the
// view, the document and the finger guide; the report goes to the file chosen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include "shared/user_settings.h"
#include "tests/app/frame_test_support.h"
#include "tutor/app/status_panes.h"
#include "tutor/app/window_place.h"
#include "tutor/dialogs/finger_dlg.h"
#include "tutor/dialogs/graph_wnd.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"

namespace zav::testing {
namespace {

TEST(FrameDialogs, ModelessDialogsAreCreatedHiddenAndShownByTheirCommands) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    ui::CMainFrame* f = t.Frame();
    EXPECT_EQ(f->findChild<ui::CSettingsDlg*>(), nullptr);  // made when first asked for
    EXPECT_EQ(f->findChild<ui::CJumpDlg*>(), nullptr);
    EXPECT_EQ(f->findChild<ui::CStatsDlg*>(), nullptr);
    EXPECT_EQ(f->findChild<ui::CFingerDlg*>(), nullptr);
    t.Trigger("viewSettings");
    EXPECT_TRUE(f->findChild<ui::CSettingsDlg*>()->isVisible());
    t.Trigger("exerciseJump");
    EXPECT_TRUE(f->findChild<ui::CJumpDlg*>()->isVisible());
    EXPECT_EQ(f->findChild<ui::CJumpDlg*>()->NumberText(), QStringLiteral("1"));
    t.Trigger("viewStatistics");
    EXPECT_TRUE(f->findChild<ui::CStatsDlg*>()->isVisible());
    EXPECT_EQ(f->size(), QSize(730, 620));  // with room for the keyboard
}

TEST(FrameDialogs, FingerGuideShowsHidesAndFollowsTheKeys) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    QAction* command = t.Frame()->findChild<QAction*>(QStringLiteral("viewFingers"));
    t.Trigger("viewFingers");
    ui::CFingerDlg* guide = t.Frame()->findChild<ui::CFingerDlg*>();
    EXPECT_EQ(guide->Letter(), QStringLiteral("a"));  // the next character, told before it existed
    EXPECT_TRUE(guide->isVisible());
    EXPECT_TRUE(command->isChecked());
    t.Type("a");
    EXPECT_EQ(guide->Letter(), QStringLiteral("b"));
    EXPECT_TRUE(guide->FingerButton(3)->isDown());
    t.Trigger("viewFingers");
    EXPECT_FALSE(guide->isVisible());
    EXPECT_FALSE(command->isChecked());
    t.Trigger("viewFingers");
    QTest::keyClick(guide, Qt::Key_Escape);  // Esc hides it and clears the mark
    EXPECT_FALSE(guide->isVisible());
    EXPECT_FALSE(command->isChecked());
    t.Trigger("viewFingers");
    EXPECT_TRUE(guide->isVisible());
}

TEST(FrameDialogs, MissingFingerTableEndsStartUp) {
    FrameFixture t;
    QFile::remove(t.Path("fingers.txt"));
    EXPECT_FALSE(t.Start());
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].contains(t.Path("fingers.txt")))
        << t.prompts.messages[0].toStdString();
}

TEST(FrameDialogs, FingerGuideOpensBesideTheWindowInsideTheScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const QSize guide(300, 200);
    const struct {
        QRect frame;
        QPoint corner;
    } cases[] = {
        {{100, 100, 730, 400}, {100, 500}},   // below
        {{100, 700, 730, 324}, {830, 700}},   // no room below: right
        {{500, 700, 780, 324}, {200, 700}},   // nor right: left
        {{0, 600, 1280, 424}, {0, 400}},      // only above
        {{0, 0, 1280, 1024}, {0, 824}},       // full screen: inside, at the bottom
        {{1100, 100, 730, 400}, {980, 500}},  // below, slid back onto the screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::PlaceBeside(c.frame, guide, screen), c.corner)
            << c.frame.x() << "," << c.frame.y();

    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("viewFingers");
    EXPECT_FALSE(t.Frame()->findChild<ui::CFingerDlg*>()->frameGeometry().intersects(
        t.Frame()->frameGeometry()));
}

TEST(FrameDialogs, FingerGuideOpensWhereTheUserLeftItUnlessOverTheExercise) {
    const QRect screen(0, 0, 1280, 1024), frame(100, 100, 730, 400), exercise(100, 250, 730, 100);
    const QSize guide(300, 200);
    const struct {
        QPoint kept, corner;
    } cases[] = {
        {{900, 50}, {900, 50}},    // where it was left
        {{1200, -40}, {980, 0}},   // slid back inside the screen
        {{300, 200}, {100, 500}},  // over the exercise: beside the window instead
        {{300, 900}, {300, 824}},  // half off the bottom: inside, clear of the exercise
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::PlaceKept(QRect(c.kept, guide), frame, exercise, screen), c.corner)
            << c.kept.x() << "," << c.kept.y();

    // Left somewhere by the user, closed with the window, found there in the next run.
    const QPoint left(20, 30);
    {
        FrameFixture t;
        ASSERT_TRUE(t.Start());
        t.Frame()->move(200, 300);
        t.Trigger("viewFingers");
        t.Frame()->findChild<ui::CFingerDlg*>()->move(left);
        t.Frame()->close();
    }
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Frame()->move(200, 300);
    t.Trigger("viewFingers");
    EXPECT_EQ(t.Frame()->findChild<ui::CFingerDlg*>()->pos(), left);
    QSettings store = ui::UserSettings();
    for (const char* key : {"WindowGeometry", "WindowState", "FingerGuidePos"})
        store.remove(QStringLiteral("Settings/") + QLatin1String(key));
}

TEST(FrameDialogs, JumpMovesTheViewWithoutMarkingTheDocument) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("exerciseJump");
    ui::CJumpDlg* jump = t.Frame()->findChild<ui::CJumpDlg*>();
    Child<QLineEdit>(*jump, "numberEdit")->setText(QStringLiteral("99"));
    Child<QAbstractButton>(*jump, "jumpButton")->click();
    EXPECT_FALSE(jump->isVisible());
    EXPECT_EQ(t.Doc().exercise, 4);
    EXPECT_EQ(t.Engine().SourceLine(), "qrst");
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->ExerciseText(),
              QStringLiteral("Ec 5: 'Dos' 2 de 2"));
    EXPECT_FALSE(t.app->Documents().Modified());
}

TEST(FrameDialogs, PracticeStartsAFreshDrillEveryTurn) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    ASSERT_TRUE(t.PracticeAnyOrder(QStringLiteral("xyz")));
    EXPECT_EQ(t.Doc().kind, RandomLetters);
    const std::string first = t.Engine().SourceLine();
    EXPECT_EQ(first.size(), 50u);
    EXPECT_EQ(first.find_first_not_of("xyz "), std::string::npos);
    t.TypeTurn();
    EXPECT_NE(t.Engine().SourceLine(), first);
    // Cancel changes nothing.
    ModalScript modal;
    modal.Next([](QDialog& d) { Child<QAbstractButton>(d, "cancelButton")->click(); });
    t.Trigger("exercisePractice");
    EXPECT_EQ(t.Doc().kind, RandomLetters);
}

TEST(FrameDialogs, SettingsOkRefreshesTheViewAndTheGuideLayout) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("viewSettings");
    ui::CSettingsDlg* settings = t.Frame()->findChild<ui::CSettingsDlg*>();
    Child<QLineEdit>(*settings, "regularEdit")->setText(QStringLiteral("3"));
    Child<QAbstractButton>(*settings, "okButton")->click();
    EXPECT_FALSE(settings->isVisible());
    EXPECT_EQ(t.Doc().okThreshold, 3);
    EXPECT_TRUE(t.app->Documents().Modified());
}

TEST(FrameDialogs, StatisticsDrawNothingBeforeTheirCommand) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoAdvance = 0;
    ui::CStatsDlg* stats = t.Frame()->StatsDlg();
    const QImage untouched = stats->Graph()->Canvas();
    t.TypeTurn();
    EXPECT_EQ(stats->Graph()->Canvas(), untouched);
    t.Trigger("viewStatistics");
    stats->SelectTab(1);
    const QImage before = stats->Graph()->Canvas();
    t.TypeTurn();  // a second dot: the graph is drawn again after the turn
    const QImage twoTurns = stats->Graph()->Canvas();
    EXPECT_NE(twoTurns, before);
    t.prompts.answers = {ui::CPrompts::Answer::No};
    t.Trigger("fileNew");  // the new, empty document shows at once, not after a tab click
    EXPECT_NE(stats->Graph()->Canvas(), twoTurns);
}

TEST(FrameDialogs, ReportIsWrittenWhereChosenOrSaidToFail) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.TypeTurn(1);
    t.prompts.files.push_back(t.Path("informe.html"));
    t.Trigger("report");
    QFile page(t.Path("informe.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    EXPECT_TRUE(bytes.startsWith("<html><head><title>ZAV Type : Informe de Evaluaci\xf3n"));
    EXPECT_TRUE(bytes.contains("Courses/Default"));
    EXPECT_TRUE(t.prompts.messages.empty());

    t.prompts.files.push_back(t.Path("no/such/folder/informe.html"));
    t.Trigger("report");
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].contains(QStringLiteral("informe.html")));
    t.Trigger("report");  // cancelled: nothing written, nothing said
    EXPECT_EQ(t.prompts.messages.size(), 1u);
}

QString ToolbarOrder(ui::CMainFrame& frame) {
    QStringList order;
    for (QAction* a : frame.findChild<QToolBar*>(QStringLiteral("toolBar"))->actions())
        order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    return order.join(' ');
}

TEST(FrameDialogs, EnglishToolbarAddsTheAddOnButtonBeforeHelp) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    FrameFixture t;
    const bool started = t.Start();
    QLocale::setDefault(before);
    ASSERT_TRUE(started);
    EXPECT_TRUE(
        ToolbarOrder(*t.Frame()).endsWith(QStringLiteral("fileSave | drillPlus helpIndex")));
    QAction* drillPlus = t.Frame()->findChild<QAction*>(QStringLiteral("drillPlus"));
    EXPECT_EQ(drillPlus->toolTip(), QStringLiteral("Launch ZAV Drill Plus"));
    EXPECT_EQ(drillPlus->statusTip(), QStringLiteral("Drill Plus"));
    // A picture of its own, not the practice button's.
    EXPECT_NE(drillPlus->icon().pixmap(24, 24).toImage(),
              t.Frame()
                  ->findChild<QAction*>(QStringLiteral("exercisePractice"))
                  ->icon()
                  .pixmap(24, 24)
                  .toImage());
}

TEST(FrameDialogs, ToolbarOrderSoundSwitchAndBarCommands) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    FrameFixture t;
    const bool started = t.Start();
    QLocale::setDefault(before);
    ASSERT_TRUE(started);
    EXPECT_EQ(ToolbarOrder(*t.Frame()),
              QStringLiteral("exercisePrevious exerciseRestart exerciseNext exerciseJump "
                             "exercisePractice | autoAdvance viewStatistics soundSwitch | "
                             "fileOpen fileNew fileSave | helpIndex"));
    QAction* next = t.Frame()->findChild<QAction*>(QStringLiteral("exerciseNext"));
    EXPECT_EQ(next->toolTip(), QStringLiteral("Siguiente ejercicio"));
    EXPECT_EQ(next->statusTip(), QStringLiteral("Avanza al siguiente ejercicio"));
    QAction* sound = t.Frame()->findChild<QAction*>(QStringLiteral("soundSwitch"));
    EXPECT_FALSE(sound->isChecked());  // "audio:off"
    sound->trigger();
    EXPECT_TRUE(t.Doc().soundOn);
    EXPECT_TRUE(sound->toolTip().isEmpty());
    t.Trigger("viewToolbar");
    EXPECT_FALSE(t.Frame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
    EXPECT_FALSE(t.Frame()->findChild<QAction*>(QStringLiteral("viewToolbar"))->isChecked());
    // The bars' own context menu names them, and the "Ver" check follows what it does.
    QMenu* barsMenu = t.Frame()->createPopupMenu();
    QStringList titles;
    for (QAction* a : barsMenu->actions())
        if (!a->isSeparator()) titles << a->text();
    delete barsMenu;
    titles.sort();
    EXPECT_EQ(
        titles,
        (QStringList{QStringLiteral("&Teclado"), QStringLiteral("Barra de herramientas"),
                     QStringLiteral("Barra de letras"), QStringLiteral("Barra del ejercicio")}));
    t.Frame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->toggleViewAction()->trigger();
    EXPECT_TRUE(t.Frame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
    EXPECT_TRUE(t.Frame()->findChild<QAction*>(QStringLiteral("viewToolbar"))->isChecked());
    t.Trigger("viewStatusBar");
    EXPECT_FALSE(t.Frame()->statusBar()->isVisible());

    TutorFixture disabled(kFiveLines, "audio:disable\n");
    ASSERT_TRUE(disabled.Start());
    EXPECT_FALSE(disabled.Frame()->findChild<QAction*>(QStringLiteral("soundSwitch"))->isEnabled());
}

}  // namespace
}  // namespace zav::testing
