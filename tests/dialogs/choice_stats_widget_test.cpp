// The practice, jump, auto-advance, confirmation and statistics dialogs, driven with real keys
// and clicks; the graph checked on its canvas.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>

#include "core/course/document.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tutor/dialogs/advance_confirm_dlg.h"
#include "tutor/dialogs/auto_advance_dlg.h"
#include "tutor/dialogs/graph_wnd.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/practice_dlg.h"
#include "tutor/dialogs/stats_dlg.h"

namespace zav::ui {
namespace {

template <typename T>
T* Child(QWidget& dlg, const char* name) {
    T* child = dlg.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Click(QWidget& dlg, const char* name) {
    ClickButton(Child<QAbstractButton>(dlg, name));
}

// --- Practice -----------------------------------------------------------------------------------

TEST(PracticeDialog, EmptyLettersAreRefusedThenTypedLettersStart) {
    CRecordedPrompts prompts;
    CZAVTypeDoc doc;
    CPracticeDlg dlg(prompts);
    dlg.SetChoice(PracticeFromDocument(doc));
    dlg.show();
    EXPECT_TRUE(Child<QRadioButton>(dlg, "problemRadio")->isChecked());
    EXPECT_FALSE(Child<QLineEdit>(dlg, "anyOrderEdit")->isEnabled());

    Click(dlg, "startButton");  // no problem letters yet: the message although nothing is typed
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0],
              QString::fromUtf8("¡No hay letras para practicar!\nEscriba algunas letras."));

    Click(dlg, "anyOrderRadio");
    auto* letters = Child<QLineEdit>(dlg, "anyOrderEdit");
    EXPECT_TRUE(letters->isEnabled());
    Click(dlg, "startButton");
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(dlg.isVisible());

    letters->setFocus();
    QTest::keyClicks(letters, "asd");
    QTest::sendKeyEvent(QTest::Click, letters, Qt::Key_unknown, QString::fromUtf8("ñ"),
                        Qt::NoModifier);
    QSignalSpy accepted(&dlg, &QDialog::accepted);
    Click(dlg, "startButton");
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(prompts.messages.size(), 2);
    ApplyPractice(dlg.Choice(), doc);
    EXPECT_EQ(doc.kind, RandomLetters);
    EXPECT_EQ(doc.anyOrderLetters, "asd\xf1");
}

TEST(PracticeDialog, CharactersOutsideTheCoursesCharacterSetAreRefusedByName) {
    struct Case {
        const char* field;
        const char* typed;  // UTF-8
        const char* named;
    } cases[] = {{"anyOrderEdit", "żółw", "ż"},
                 {"inOrderEdit", "la \u20ac y ł", "ł"},  // the euro sign is in the set
                 {"inOrderEdit", "casa 🐢", "🐢"}};
    for (const Case& c : cases) {
        CRecordedPrompts prompts;
        CZAVTypeDoc doc;
        CPracticeDlg dlg(prompts);
        dlg.SetChoice(PracticeFromDocument(doc));
        dlg.show();
        Click(dlg, "inOrderRadio");
        Child<QLineEdit>(dlg, "anyOrderEdit")->setText(QStringLiteral("asd"));
        Child<QLineEdit>(dlg, c.field)->setText(QString::fromUtf8(c.typed));
        Click(dlg, "startButton");
        ASSERT_EQ(prompts.messages.size(), 1) << c.typed;
        EXPECT_TRUE(
            prompts.messages[0].contains(QString::fromUtf8("«%1»").arg(QString::fromUtf8(c.named))))
            << prompts.messages[0].toStdString();
        EXPECT_TRUE(dlg.isVisible()) << c.typed;
        EXPECT_EQ(dlg.result(), QDialog::Rejected) << c.typed;
    }
}

TEST(PracticeDialog, InOrderGreysTheExtraLettersButKeepsTheirState) {
    CRecordedPrompts prompts;
    CZAVTypeDoc doc;
    doc.includeExtraLetters = true;
    doc.inOrderText = "la casa";
    doc.anyOrderLetters = std::string(300, 'x');  // longer than the field: kept whole
    CPracticeDlg dlg(prompts);
    dlg.SetChoice(PracticeFromDocument(doc));
    dlg.show();
    Click(dlg, "inOrderRadio");
    EXPECT_FALSE(Child<QCheckBox>(dlg, "extraCheck")->isEnabled());
    EXPECT_TRUE(Child<QLineEdit>(dlg, "inOrderEdit")->isEnabled());
    Click(dlg, "startButton");
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ApplyPractice(dlg.Choice(), doc);
    EXPECT_EQ(doc.kind, LettersInOrder);
    EXPECT_TRUE(doc.includeExtraLetters);
    EXPECT_EQ(doc.anyOrderLetters.size(), 300u);
}

// --- Jump ---------------------------------------------------------------------------------------

class JumpDialog : public ::testing::Test {
  protected:
    JumpDialog() {
        // 11 exercises in "Uno", then "Unos más" from the 12th.
        doc.course.Parse("\tUno\na\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\n\tUnos m\xe1s\nl\nm\n");
        doc.exercise = 3;
        doc.kind = ProblemLetters;
    }
    QLineEdit* Number() { return Child<QLineEdit>(dlg, "numberEdit"); }
    QComboBox* Sections() { return Child<QComboBox>(dlg, "sectionCombo"); }

    CZAVTypeDoc doc;
    CJumpDlg dlg;
};

TEST_F(JumpDialog, ShowsTheCurrentExerciseAndItsSection) {
    dlg.ShowFor(doc);
    EXPECT_EQ(Number()->text(), "4");
    EXPECT_EQ(Sections()->count(), 2);
    EXPECT_EQ(Sections()->currentIndex(), 0);
    TypeInto(Number(), "13");
    EXPECT_EQ(Sections()->currentIndex(), 1) << "the number selects its section";
}

TEST_F(JumpDialog, NumbersAreClampedToTheCourse) {
    QSignalSpy chosen(&dlg, &CJumpDlg::exerciseChosen);
    struct Case {
        const char* typed;
        int exercise;
    } cases[] = {{"0", 0}, {"99", 12}, {"7", 6}};
    for (const Case& c : cases) {
        dlg.ShowFor(doc);
        TypeInto(Number(), c.typed);
        Click(dlg, "jumpButton");
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(doc.exercise, c.exercise) << c.typed;
        EXPECT_EQ(doc.kind, CourseExercise);
    }
    EXPECT_EQ(chosen.count(), 3);
}

TEST_F(JumpDialog, FieldWithoutANumberLeavesTheExercise) {
    QSignalSpy chosen(&dlg, &CJumpDlg::exerciseChosen);
    dlg.ShowFor(doc);
    TypeInto(Number(), "doce");
    QTest::keyClick(Number(), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(doc.exercise, 3);
    EXPECT_EQ(doc.kind, ProblemLetters);
    EXPECT_EQ(chosen.count(), 0);
}

TEST_F(JumpDialog, ChoosingASectionProposesItsFirstExercise) {
    dlg.ShowFor(doc);
    Sections()->setFocus();
    QTest::keyClick(Sections(), Qt::Key_Down);
    EXPECT_EQ(Number()->text(), "12");
    EXPECT_EQ(Sections()->currentIndex(), 1);
    Click(dlg, "jumpButton");
    EXPECT_EQ(doc.exercise, 11);
}

TEST_F(JumpDialog, ArrowKeysWrapAtBothEnds) {
    dlg.ShowFor(doc);
    TypeInto(Number(), "13");
    QTest::keyClick(Number(), Qt::Key_Up);
    EXPECT_EQ(Number()->text(), "1");
    QTest::keyClick(Number(), Qt::Key_Down);
    EXPECT_EQ(Number()->text(), "13");
    EXPECT_EQ(Sections()->currentIndex(), 1);
}

// --- Auto-advance -------------------------------------------------------------------------------

TEST(AutoAdvanceDialog, ValuesAndTheLimitOfAvanceCada) {
    struct Case {
        const char* typed;
        int autoNum;
    } cases[] = {{"4", 4}, {"25", 10}, {"nada", 2}, {"", 2}};
    for (const Case& c : cases) {
        CAutoAdvanceDlg dlg;
        dlg.SetValues({1, 2, PerfectTurns, true});
        dlg.show();
        auto* every = Child<QComboBox>(dlg, "everyCombo");
        EXPECT_EQ(every->currentText(), "2");
        EXPECT_EQ(Child<QComboBox>(dlg, "ruleCombo")->currentIndex(), PerfectTurns);
        TypeInto(every->lineEdit(), c.typed);
        Click(dlg, "autoCheck");
        auto* rule = Child<QComboBox>(dlg, "ruleCombo");
        rule->setFocus();
        QTest::keyClick(rule, Qt::Key_Up);
        Click(dlg, "okButton");
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.Values(), (AutoAdvanceValues{0, c.autoNum, OkTurns, true})) << c.typed;
    }
}

TEST(AdvanceConfirmDialog, YesIsTheDefaultAndEverythingElseIsNo) {
    struct Case {
        const char* button;
        Qt::Key key;
        int result;
    } cases[] = {{"yesButton", Qt::Key_unknown, QDialog::Accepted},
                 {"noButton", Qt::Key_unknown, QDialog::Rejected},
                 {nullptr, Qt::Key_Return, QDialog::Accepted},
                 {nullptr, Qt::Key_Escape, QDialog::Rejected}};
    for (const Case& c : cases) {
        CAdvanceConfirmDlg dlg;
        dlg.show();
        if (c.button) {
            Click(dlg, c.button);
        } else {
            QTest::keyClick(&dlg, c.key);
        }
        EXPECT_EQ(dlg.result(), c.result);
        EXPECT_FALSE(dlg.isVisible());
    }
}

// --- Statistics ---------------------------------------------------------------------------------

class StatsDialog : public ::testing::Test {
  protected:
    static bool IsRed(QRgb pixel) { return pixel == qRgb(255, 0, 0); }
    static bool IsGrey(QRgb pixel) { return pixel == qRgb(0xc0, 0xc0, 0xc0); }
    const QImage& Canvas() { return dlg.Graph()->Canvas(); }
    // The columns holding red pixels, as [first, last] runs.
    std::vector<std::pair<int, int>> RedRuns() {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < Canvas().width(); ++x) {
            bool red = false;
            for (int y = 0; y < Canvas().height() && !red; ++y) red = IsRed(Canvas().pixel(x, y));
            if (!red) continue;
            if (!runs.empty() && runs.back().second == x - 1) {
                runs.back().second = x;
            } else {
                runs.push_back({x, x});
            }
        }
        return runs;
    }
    // Whether anything but the grey background lies in the rectangle.
    bool Inked(int x, int y, int w, int h) {
        for (int i = x; i < x + w; ++i) {
            for (int j = y; j < y + h; ++j) {
                if (!IsGrey(Canvas().pixel(i, j))) return true;
            }
        }
        return false;
    }
    void AddTurn(int letters, int duration) {
        CTurnRecord turn;
        turn.letters = letters;
        turn.duration = duration;
        doc.AddTurn(turn);
    }

    CZAVTypeDoc doc;
    CStatsDlg dlg;
};

TEST_F(StatsDialog, NothingIsDrawnBeforeTheFirstShow) {
    AddTurn(100, 6000);
    dlg.RefreshGraph();
    EXPECT_EQ(Canvas().pixel(5, 5), qRgba(0, 0, 0, 0));
    dlg.ShowFor(doc);
    EXPECT_TRUE(IsGrey(Canvas().pixel(305, 145)));
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("Estadística"));
}

TEST_F(StatsDialog, EmptyHistoryOnEveryTab) {
    dlg.ShowFor(doc);
    // "Historial": the header only.
    EXPECT_TRUE(Inked(0, 0, 310, 14));
    EXPECT_FALSE(Inked(0, 20, 310, 120));
    // "Velocidad": the caption, the five labels and the axis, no dot.
    dlg.SelectTab(1);
    EXPECT_TRUE(Inked(0, 135, 150, 12));
    for (int k = 0; k < 5; ++k) EXPECT_TRUE(Inked(10, 120 - 25 * k, 25, 10)) << k;
    EXPECT_TRUE(Inked(40, 60, 1, 1));
    EXPECT_TRUE(RedRuns().empty());
    // "Precisión": the background alone.
    dlg.SelectTab(2);
    EXPECT_FALSE(Inked(0, 0, 310, 150));
}

TEST_F(StatsDialog, DotsOfOneAndTwoTurns) {
    dlg.SelectTab(1);
    AddTurn(100, 6000);
    dlg.ShowFor(doc);
    auto runs = RedRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_LE(runs[0].first, 49);
    EXPECT_GE(runs[0].second, 50);

    AddTurn(50, 6000);
    dlg.RefreshGraph();  // as the view does after a finished turn
    runs = RedRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].first <= 49 && runs[0].second >= 50);
    EXPECT_TRUE(runs[1].first <= 149 && runs[1].second >= 150);
    // The older turn (100 lpm) sits at the scale top S = 104, 23 pixels down.
    EXPECT_TRUE(IsRed(Canvas().pixel(149, 22)));
}

TEST_F(StatsDialog, HistoryRowsStopAtTen) {
    for (int i = 0; i < 12; ++i) AddTurn(10, 600);
    dlg.ShowFor(doc);
    EXPECT_TRUE(Inked(0, 128, 40, 10));
    EXPECT_FALSE(Inked(0, 140, 310, 10));
}

TEST_F(StatsDialog, LetterOfRatioHalfInColumn22) {
    doc.stats.letterCorrect['a'] = 10;  // ratio 0: never drawn
    doc.stats.letterCorrect['f'] = 4;
    doc.stats.letterErrors['f'] = 2;
    dlg.SelectTab(2);
    dlg.ShowFor(doc);
    EXPECT_TRUE(Inked(220, 50, 10, 13));
    EXPECT_FALSE(Inked(0, 50, 220, 100));
    EXPECT_TRUE(Inked(0, 30, 300, 1));  // the scale line
    dlg.hide();
    dlg.ShowFor(doc);
    EXPECT_EQ(dlg.SelectedTab(), 2) << "the tab stays selected";
}

}  // namespace
}  // namespace zav::ui
