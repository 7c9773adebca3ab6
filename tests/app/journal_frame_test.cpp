// The journal seen from the tutor: turns typed in the window reach it under the document they
// belong to, the "Progreso" tab draws them, "Letras lentas" drills from them, and a journal
// that cannot be written costs one message, when it is first needed, and nothing else.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QRadioButton>
#include <cstdlib>

#include "tests/app/frame_test_support.h"
#include "tutor/dialogs/graph_wnd.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/stats/journal_link.h"
#include "tutor/stats/progress_chart.h"

namespace zav::testing {
namespace {

// Points the tutor's data folder at `folder` for one test.
class DataHome {
  public:
    explicit DataHome(const QString& folder) : old_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    }
    ~DataHome() { qputenv("XDG_DATA_HOME", old_); }

  private:
    QByteArray old_;
};

std::filesystem::path JournalFile(const FrameFixture& t) {
    return t.Path("data/zavtype/journal.sqlite").toStdString();
}

bool HasColour(const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) return true;
    return false;
}

TEST(JournalFrame, TurnsFollowTheDocumentToItsFileAndShowInProgreso) {
    FrameFixture t;
    DataHome home(t.Path("data"));
    ASSERT_TRUE(t.Start());
    t.Doc().autoAdvance = 0;
    t.TypeTurn();
    t.TypeTurn(1);
    const std::string untitled = t.Frame()->Journal().DocumentKey();
    CJournal journal(JournalFile(t));
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    ASSERT_EQ(journal.Days(untitled, "").size(), 1u);
    EXPECT_EQ(journal.Days(untitled, "")[0].turns, 2);
    EXPECT_EQ(journal.Days(untitled, "")[0].errors, 1);

    const QString file = t.Path("ana.zav");
    t.prompts.files.push_back(file);
    t.Trigger("fileSave");
    EXPECT_EQ(t.Frame()->Journal().DocumentKey(), file.toStdString());
    EXPECT_TRUE(journal.Days(untitled, "").empty());
    EXPECT_EQ(journal.Days(file.toStdString(), "")[0].turns, 2);

    t.Trigger("viewStatistics");
    ui::CStatsDlg* stats = t.Frame()->findChild<ui::CStatsDlg*>();
    stats->SelectTab(stats->ProgressTab());
    EXPECT_TRUE(stats->Progress()->isVisible());
    EXPECT_FALSE(stats->Graph()->isVisible());
    EXPECT_TRUE(HasColour(stats->Progress()->Canvas(), qRgb(0x10, 0x40, 0xc0)));  // lpm
    stats->SelectTab(0);
    EXPECT_TRUE(stats->Graph()->isVisible());
    EXPECT_TRUE(t.prompts.messages.empty());
}

TEST(JournalFrame, UnusableJournalCostsOneMessageAndNothingElse) {
    FrameFixture t;
    // A file where the data folder should be: no folder can be made there, not even by root.
    WriteFile(t.Path("data"), "not a folder");
    DataHome home(t.Path("data"));
    ASSERT_TRUE(t.Start());
    // The journal is first needed when the first turn ends: the message comes then, once.
    EXPECT_TRUE(t.prompts.messages.empty());
    t.Doc().autoAdvance = 0;
    t.TypeTurn();
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].contains(QStringLiteral("diario")));
    t.TypeTurn();
    EXPECT_EQ(t.Doc().stats.historyCount, 2);
    EXPECT_EQ(t.prompts.messages.size(), 1u);
    t.Trigger("viewStatistics");
    t.Frame()->findChild<ui::CStatsDlg*>()->SelectTab(
        t.Frame()->findChild<ui::CStatsDlg*>()->ProgressTab());
    EXPECT_FALSE(HasColour(t.Frame()->findChild<ui::CStatsDlg*>()->Progress()->Canvas(),
                           qRgb(0x10, 0x40, 0xc0)));
}

TEST(JournalFrame, SlowLettersDrillTakesTheJournalsSlowestLetters) {
    FrameFixture t;
    DataHome home(t.Path("data"));
    ASSERT_TRUE(t.Start());
    ModalScript modal;
    const auto chooseSlow = [](QDialog& d) {
        Child<QRadioButton>(d, "slowRadio")->click();
        Child<QAbstractButton>(d, "startButton")->click();
        if (d.isVisible()) Child<QAbstractButton>(d, "cancelButton")->click();
    };
    // Nothing in the journal yet: the dialog says so and nothing changes.
    modal.Next(chooseSlow);
    t.Trigger("exercisePractice");
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_EQ(t.Doc().kind, CourseExercise);

    CJournal journal(JournalFile(t));
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    CKeyTimes keys;
    TimeStamp now{0, 0};
    for (int i = 0; i < 30; ++i)
        for (const char c : {'q', 'w', 'a'}) {
            now.seconds += c == 'a' ? 0 : 1;
            keys.Correct(static_cast<unsigned char>(c), now);
        }
    JournalTurn turn{std::time(nullptr), t.Frame()->Journal().DocumentKey(), "c", {}, &keys};
    ASSERT_EQ(journal.AddTurn(turn), JournalStatus::Ok);

    modal.Next(chooseSlow);
    t.Trigger("exercisePractice");
    EXPECT_EQ(t.Doc().kind, ProblemLetters);
    const std::string slow = t.Doc().slowLetters;
    EXPECT_EQ(std::string(slow.begin(), slow.begin() + 2).find('a'), std::string::npos);
    EXPECT_EQ(t.Engine().SourceLine().find_first_not_of("qwa "), std::string::npos);
    EXPECT_EQ(t.View()->StatusText(), QStringLiteral("Ejercicio con sus letras lentas"));
}

}  // namespace
}  // namespace zav::testing
