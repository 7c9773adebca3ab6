// The frame around the typing view, driven by keys and commands: the automatic advance by
// each rule, the navigation commands, the discs and texts of the bars.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "tests/app/frame_test_support.h"
#include "tutor/app/status_panes.h"
#include "tutor/stats/exercise_bar.h"
#include "tutor/stats/letters_bar.h"

namespace zav::testing {
namespace {

using Bar = ui::CExerciseBar;

TEST(FrameAdvance, PerfectRuleNeedsTwoCleanTurnsInARow) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoType = PerfectTurns;
    t.Doc().autoNum = 2;
    t.TypeTurn();
    EXPECT_EQ(t.Doc().exercise, 0);
    t.TypeTurn(1);  // a bad turn starts the count again
    t.TypeTurn();
    EXPECT_EQ(t.Doc().exercise, 0);
    t.TypeTurn();
    EXPECT_EQ(t.Doc().exercise, 1);
    EXPECT_EQ(t.Engine().TurnNumber(), 1);
}

TEST(FrameAdvance, OkRuleWithARestartNeedsThreeNewTurns) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoType = OkTurns;
    t.Doc().autoNum = 3;
    t.Doc().okThreshold = 2;
    t.TypeTurn(2);
    t.TypeTurn(0);
    t.Trigger("exerciseRestart");
    t.TypeTurn(1);
    t.TypeTurn(2);
    EXPECT_EQ(t.Doc().exercise, 0);
    t.TypeTurn(0);
    EXPECT_EQ(t.Doc().exercise, 1);
    t.TypeTurn(2);
    t.TypeTurn(0);
    t.TypeTurn(1);
    EXPECT_EQ(t.Doc().exercise, 2);  // 2, 0 and 1 errors: three OK turns
}

TEST(FrameAdvance, AnyRuleCountsARestartAsATurn) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoType = AnyTurns;
    t.Doc().autoNum = 2;
    t.TypeTurn(3);
    t.Trigger("exerciseRestart");
    EXPECT_EQ(t.Doc().exercise, 0);
    t.TypeTurn(4);
    EXPECT_EQ(t.Doc().exercise, 1);
}

TEST(FrameAdvance, NeverOnTheLastExerciseNorInAPractice) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoType = AnyTurns;
    t.Doc().autoNum = 0;
    for (int i = 0; i < 4; ++i) t.TypeTurn();
    EXPECT_EQ(t.Doc().exercise, 4);
    t.TypeTurn();
    EXPECT_EQ(t.Doc().exercise, 4);
    EXPECT_EQ(t.Engine().TurnNumber(), 2);

    ModalScript modal;
    modal.Next([](QDialog& d) {
        Child<QAbstractButton>(d, "inOrderRadio")->click();
        Child<QLineEdit>(d, "inOrderEdit")->setText(QStringLiteral("uvw"));
        Child<QAbstractButton>(d, "startButton")->click();
    });
    t.Doc().exercise = 0;
    t.Trigger("exercisePractice");
    ASSERT_EQ(modal.seen, 1);
    EXPECT_EQ(t.Doc().kind, LettersInOrder);
    t.TypeTurn();
    t.TypeTurn();
    EXPECT_EQ(t.Doc().kind, LettersInOrder);
    EXPECT_EQ(t.Doc().exercise, 0);

    t.Trigger("exercisePrevious");  // back to the course exercise it came from
    EXPECT_EQ(t.Doc().kind, CourseExercise);
    EXPECT_EQ(t.Doc().exercise, 0);
    EXPECT_EQ(t.Engine().SourceLine(), "abcd");
}

TEST(FrameAdvance, ConfirmNoStaysThenYesMovesOn) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoType = PerfectTurns;
    t.Doc().autoNum = 0;
    t.Doc().confirmAdvance = true;
    ModalScript modal;
    modal.Next([](QDialog& d) { Child<QAbstractButton>(d, "noButton")->click(); });
    t.TypeTurn();
    EXPECT_EQ(modal.seen, 1);
    EXPECT_EQ(t.Doc().exercise, 0);
    EXPECT_EQ(t.Engine().TurnNumber(), 2);
    modal.Next([](QDialog& d) { Child<QAbstractButton>(d, "yesButton")->click(); });
    t.TypeTurn();
    EXPECT_EQ(modal.seen, 2);
    EXPECT_EQ(t.Doc().exercise, 1);
}

TEST(FrameAdvance, PreviousNextAndTheirModifiedMark) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Trigger("exercisePrevious");  // the first exercise starts again
    EXPECT_EQ(t.Doc().exercise, 0);
    EXPECT_TRUE(t.app->Documents().Modified());
    for (int i = 0; i < 6; ++i) t.Trigger("exerciseNext");
    EXPECT_EQ(t.Doc().exercise, 4);
    t.Type("qr");
    t.Trigger("exerciseNext");  // last exercise: the turn goes on
    EXPECT_EQ(t.Engine().Position(), 2);
    t.Trigger("exercisePrevious");
    EXPECT_EQ(t.Doc().exercise, 3);
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->ExerciseText(),
              QStringLiteral("Ec 4: 'Dos' 1 de 2"));
}

TEST(FrameBars, LargeDiscFollowsErrorsByThreshold) {
    for (int threshold : {0, 3}) {
        FrameFixture t;
        ASSERT_TRUE(t.Start());
        t.Doc().autoAdvance = 0;
        t.Doc().okThreshold = threshold;
        Bar* bar = t.Frame()->findChild<ui::CExerciseBar*>();
        t.Type("a");
        EXPECT_EQ(bar->LargeDisc(), Disc::Green);
        t.Type("#");
        EXPECT_EQ(bar->LargeDisc(), threshold == 0 ? Disc::Red : Disc::Yellow) << threshold;
        t.Type("b#c#");
        EXPECT_EQ(bar->LargeDisc(), threshold == 0 ? Disc::Red : Disc::Yellow) << threshold;
        t.Type("d");  // three errors, the line is complete: the next turn has begun
        EXPECT_EQ(bar->LargeDisc(), Disc::Green);
        t.TypeTurn(1);
        t.TypeTurn(4);
        // Newest first: 4, 1 and 3 errors, then no turn.
        const Disc within = threshold == 0 ? Disc::Red : Disc::Yellow;
        EXPECT_EQ(bar->SmallDiscs(), (std::array<Disc, 4>{Disc::Red, within, within, Disc::Blank}))
            << threshold;
    }
}

TEST(FrameBars, RestartLeavesTheLargeDiscRedUntilTheNextKey) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoAdvance = 0;
    Bar* bar = t.Frame()->findChild<ui::CExerciseBar*>();
    t.Type("a#b");
    EXPECT_EQ(bar->LargeDisc(), Disc::Red);
    t.Trigger("exerciseRestart");
    EXPECT_EQ(bar->LargeDisc(), Disc::Red);
    EXPECT_EQ(bar->SmallDiscs()[0], Disc::Blank);
    t.Type("a");
    EXPECT_EQ(bar->LargeDisc(), Disc::Green);
    // The picture shown is the disc's: green at its centre, the face colour in its corner.
    const QImage picture = Child<QLabel>(*bar, "largeDisc")->pixmap().toImage();
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2 + 4), QColor(0, 255, 0));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(0xc0, 0xc0, 0xc0));
}

TEST(FrameBars, TextsDuringAndAfterATurn) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().autoAdvance = 0;
    Bar* bar = t.Frame()->findChild<ui::CExerciseBar*>();
    t.Type("a#b");
    t.View()->Engine().Tick();
    EXPECT_EQ(bar->Text(Bar::Letters), QStringLiteral("2"));
    EXPECT_EQ(bar->Text(Bar::Errors), QStringLiteral("1"));
    EXPECT_EQ(bar->Text(Bar::ErrorPercent), QStringLiteral("50%"));
    EXPECT_EQ(bar->Text(Bar::ErrorLetters), QStringLiteral("b"));
    EXPECT_EQ(bar->Text(Bar::TurnNumber), QStringLiteral("1"));
    EXPECT_TRUE(bar->Text(Bar::Duration).contains('.'));
    t.Type("cd");
    EXPECT_EQ(bar->Text(Bar::Letters), QStringLiteral("4"));
    EXPECT_EQ(bar->Text(Bar::ErrorPercent), QStringLiteral("25%"));
    EXPECT_EQ(bar->Text(Bar::TurnNumber), QStringLiteral("2"));  // no percent sign
    // The letters bar is filled when the next turn begins: b has one error in two.
    EXPECT_EQ(t.Frame()->findChild<ui::CLettersBar*>()->Bad(), QStringLiteral("b"));
    EXPECT_EQ(t.Frame()->findChild<ui::CLettersBar*>()->Good(), QStringLiteral("acd"));
}

TEST(FrameBars, AutoPaneAndCheckFollowTheDialog) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    QAction* command = t.Frame()->findChild<QAction*>(QStringLiteral("autoAdvance"));
    EXPECT_TRUE(command->isChecked());
    ModalScript modal;
    modal.Next([](QDialog& d) {
        Child<QAbstractButton>(d, "autoCheck")->click();
        Child<QAbstractButton>(d, "okButton")->click();
    });
    command->trigger();
    ASSERT_EQ(modal.seen, 1);
    EXPECT_EQ(t.Doc().autoAdvance, 0);
    EXPECT_FALSE(command->isChecked());
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->AutoText(), QString());
    EXPECT_FALSE(t.app->Documents().Modified());
}

TEST(FrameBars, LockPanesFollowTheKeyStates) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    ui::CStatusPanes* panes = t.Frame()->findChild<ui::CStatusPanes*>();
    EXPECT_EQ(panes->CapsText(), QString());
    const auto key = [&](QEvent::Type type, int code, quint32 state) {
        QKeyEvent event(type, code, Qt::NoModifier, 0, 0, state, QString());
        panes->TrackLocks(event);
    };
    key(QEvent::KeyPress, Qt::Key_CapsLock, 0);  // the state before the press
    EXPECT_EQ(panes->CapsText(), QStringLiteral("CAP"));
    key(QEvent::KeyRelease, Qt::Key_CapsLock, 0x2);
    key(QEvent::KeyPress, Qt::Key_A, 0x2 | 0x10);
    EXPECT_EQ(panes->CapsText(), QStringLiteral("CAP"));
    EXPECT_EQ(panes->NumText(), QStringLiteral("MAY"));
    key(QEvent::KeyPress, Qt::Key_NumLock, 0x10);
    EXPECT_EQ(panes->NumText(), QString());
    EXPECT_TRUE(panes->PromptText().startsWith(QStringLiteral("¡Escriba la línea")));
}

}  // namespace
}  // namespace zav::testing
