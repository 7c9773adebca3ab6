// What the frame gives the learner around the typing: an exercise bar that starts clean with
// every new exercise or document, dialogs that take a typed answer at once, and typing marks
// kept in the user's settings rather than in the progress file.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "shared/user_settings.h"
#include "tests/app/frame_test_support.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/stats/exercise_bar.h"

namespace zav::testing {
namespace {

using Bar = ui::CExerciseBar;
using Answer = ui::CPrompts::Answer;

std::string FileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
}

TEST(FrameCleanStart, NewExercisesAndDocumentsStartWithAnEmptyBar) {
    const struct {
        const char* command;
        std::function<void(FrameFixture&)> prepare, start;
    } cases[] = {
        {"Nuevo", nullptr,
         [](FrameFixture& t) {
             t.prompts.answers.push_back(Answer::No);
             t.Trigger("fileNew");
         }},
        {"Abrir",
         [](FrameFixture& t) {
             t.prompts.files.push_back(t.Path("a.zav"));
             t.Trigger("fileSaveAs");
             t.Trigger("fileNew");
         },
         [](FrameFixture& t) {
             t.prompts.answers.push_back(Answer::No);
             t.prompts.files.push_back(t.Path("a.zav"));
             t.Trigger("fileOpen");
         }},
        {"Cargar Curso", nullptr,
         [](FrameFixture& t) {
             t.prompts.files.push_back(t.Path("Courses/Default"));
             t.Trigger("loadCourse");
         }},
        {"Saltar", nullptr,
         [](FrameFixture& t) {
             t.Trigger("exerciseJump");
             ui::CJumpDlg* jump = t.Frame()->JumpDlg();
             Child<QLineEdit>(*jump, "numberEdit")->setText(QStringLiteral("4"));
             Child<QAbstractButton>(*jump, "jumpButton")->click();
         }},
        {"Practicar", nullptr,
         [](FrameFixture& t) { ASSERT_TRUE(t.PracticeAnyOrder(QStringLiteral("xyz"))); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        FrameFixture t;
        ASSERT_TRUE(t.Start());
        if (c.prepare) c.prepare(t);
        Bar* bar = t.Frame()->findChild<ui::CExerciseBar*>();
        t.TypeTurn(1);
        t.Type("#");  // a finished turn's figures and a red disc from the turn after it
        ASSERT_EQ(bar->Text(Bar::Errors), QStringLiteral("1"));
        ASSERT_EQ(bar->LargeDisc(), Disc::Red);
        c.start(t);
        for (Bar::Field f :
             {Bar::Duration, Bar::Letters, Bar::Words, Bar::Errors, Bar::ErrorPercent,
              Bar::LettersPerMinute, Bar::WordsPerMinute, Bar::ErrorLetters})
            EXPECT_EQ(bar->Text(f), QString()) << f;
        EXPECT_EQ(bar->Text(Bar::TurnNumber), QStringLiteral("1"));
        EXPECT_EQ(bar->LargeDisc(), Disc::Blank);
        EXPECT_EQ(bar->SmallDiscs(), (std::array<Disc, 4>{}));
        t.Type(QString(QChar(t.Engine().SourceLine()[0])));
        EXPECT_EQ(bar->LargeDisc(), Disc::Green);
    }
}

// The user leaves the focus in the list and cancels; shown again, the dialog takes a number.
TEST(FrameDialogFocus, JumpTakesATypedNumberAndEnterEveryTime) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    ui::CJumpDlg* jump = t.Frame()->JumpDlg();
    auto* number = Child<QLineEdit>(*jump, "numberEdit");
    for (const char* typed : {"4", "2"}) {
        t.Trigger("exerciseJump");
        Child<QComboBox>(*jump, "sectionCombo")->setFocus();
        Child<QAbstractButton>(*jump, "cancelButton")->click();
        t.Trigger("exerciseJump");
        ASSERT_EQ(jump->focusWidget(), number);
        EXPECT_EQ(number->selectedText(), number->text());
        QTest::keyClicks(number, QString::fromLatin1(typed));
        QTest::keyClick(number, Qt::Key_Return);
        EXPECT_FALSE(jump->isVisible());
        EXPECT_EQ(t.Doc().exercise + 1, std::atoi(typed));
    }
}

TEST(FrameDialogFocus, PracticePutsTheCursorInTheChosenOptionsField) {
    FrameFixture t;
    ASSERT_TRUE(t.Start());
    ModalScript modal;
    // The names, not the widgets: the dialog is gone once its command returns.
    QString anyOrder, inOrder;
    const auto focused = [](const QDialog& d) {
        return d.focusWidget() ? d.focusWidget()->objectName() : QString();
    };
    modal.Next([&](QDialog& d) {
        QTest::mouseClick(Child<QAbstractButton>(d, "anyOrderRadio"), Qt::LeftButton);
        anyOrder = focused(d);
        QTest::mouseClick(Child<QAbstractButton>(d, "inOrderRadio"), Qt::LeftButton);
        inOrder = focused(d);
        Child<QAbstractButton>(d, "cancelButton")->click();
    });
    t.Trigger("exercisePractice");
    ASSERT_EQ(modal.seen, 1);
    EXPECT_EQ(anyOrder, QStringLiteral("anyOrderEdit"));
    EXPECT_EQ(inOrder, QStringLiteral("inOrderEdit"));
}

// Switched off in the dialog, the marks stay off in the next run; the progress file is the
// same with them on or off.
TEST(FrameSettings, TypingMarksAreKeptForTheUserNotInTheProgressFile) {
    {
        FrameFixture t;
        ASSERT_TRUE(t.Start());
        EXPECT_EQ(t.View()->Marks(), (TypingMarks{true, true}));
        t.prompts.files.push_back(t.Path("on.zav"));
        t.Trigger("fileSaveAs");
        t.Trigger("viewSettings");
        ui::CSettingsDlg* settings = t.Frame()->findChild<ui::CSettingsDlg*>();
        Child<QCheckBox>(*settings, "nextLetterCheck")->setChecked(false);
        Child<QCheckBox>(*settings, "wrongKeyCheck")->setChecked(false);
        Child<QAbstractButton>(*settings, "okButton")->click();
        EXPECT_EQ(t.View()->Marks(), (TypingMarks{false, false}));
        t.prompts.files.push_back(t.Path("off.zav"));
        t.Trigger("fileSaveAs");
        EXPECT_EQ(FileBytes(t.Path("off.zav")), FileBytes(t.Path("on.zav")));
    }
    FrameFixture next;
    ASSERT_TRUE(next.Start());
    EXPECT_EQ(next.View()->Marks(), (TypingMarks{false, false}));
    EXPECT_FALSE(Child<QCheckBox>(*next.Frame()->SettingsDlg(), "nextLetterCheck")->isChecked());
    EXPECT_FALSE(Child<QCheckBox>(*next.Frame()->SettingsDlg(), "wrongKeyCheck")->isChecked());
    ui::SaveTypingMarks(TypingMarks{});
}

}  // namespace
}  // namespace zav::testing
