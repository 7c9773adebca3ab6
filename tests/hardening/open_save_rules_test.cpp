// Open and Save at the window: what the document keeps of its own, what it takes from the file,
// and a file that another tutor changed under it.
#include <gtest/gtest.h>

#include "core/course/progress_file.h"
#include "core/course/textfile.h"
#include "tests/typing/tutor_fixture.h"

namespace zav::testing {
namespace {

using Answer = ui::CPrompts::Answer;

// Types the exercise once; no automatic advance asks in between.
void TypeATurn(TutorFixture& t) {
    t.Doc().autoAdvance = 0;
    const int before = t.Doc().stats.historyCount;
    t.Type("asdf jkl");
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ñ"),
                        Qt::NoModifier);
    ASSERT_EQ(t.Doc().stats.historyCount, before + 1);
}

void SaveAs(TutorFixture& t, const QString& file) {
    t.prompts.files = {file};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSaveAs"))->trigger();
    ASSERT_FALSE(t.app->Documents().Modified());
}

TEST(OpenSaveRules, SavingOverAFileChangedOnDiskAsksFirst) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    TypeATurn(t);
    const QString file = t.Path("mine.zav");
    SaveAs(t, file);

    // Another tutor with the same file saves its own turns.
    CZAVTypeDoc other = t.Doc();
    other.fontName = "Other";
    ASSERT_TRUE(SaveProgress(other, file.toStdString()).Ok());
    const auto theirs = ReadBinaryFile(file.toStdString());

    TypeATurn(t);
    t.prompts.answers = {Answer::No};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSave"))->trigger();
    ASSERT_EQ(t.prompts.questions.size(), 1u);
    EXPECT_TRUE(t.prompts.questions[0].contains(QStringLiteral("mine.zav")));
    EXPECT_TRUE(t.prompts.questions[0].contains(QStringLiteral("¿Sobrescribir")));
    EXPECT_EQ(ReadBinaryFile(file.toStdString()), theirs) << "their turns are kept";
    EXPECT_TRUE(t.app->Documents().Modified()) << "ours wait to be saved";

    t.prompts.answers = {Answer::Yes};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSave"))->trigger();
    EXPECT_EQ(ReadBinaryFile(file.toStdString()), EncodeProgress(t.Doc(), t.Doc().course.Path()));
    EXPECT_FALSE(t.app->Documents().Modified());

    // Our own saves change the file without a question.
    TypeATurn(t);
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSave"))->trigger();
    EXPECT_EQ(t.prompts.questions.size(), 2u);
    EXPECT_FALSE(t.app->Documents().Modified());
}

TEST(OpenSaveRules, OpeningTheDocumentsOwnFileKeepsTheStateInMemory) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    SaveAs(t, t.Path("mine.zav"));
    TypeATurn(t);
    const std::string inMemory = EncodeProgress(t.Doc(), t.Doc().course.Path());

    t.prompts.files = {t.Path("./mine.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
    EXPECT_TRUE(t.prompts.questions.empty()) << "nothing to ask: nothing is opened";
    EXPECT_TRUE(t.app->Documents().Modified());
    EXPECT_EQ(EncodeProgress(t.Doc(), t.Doc().course.Path()), inMemory);
}

// The threshold is not in the file; the exercise and layout are brought into what the course
// and the finger table have; the font's name is Windows-1252 like every stored text.
TEST(OpenSaveRules, OpenKeepsTheThresholdAndFitsTheFile) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Doc().okThreshold = 4;  // as the settings dialog leaves it
    CZAVTypeDoc stored = t.Doc();
    stored.exercise = 100001;
    stored.keyboardLayout = 5;
    stored.fontName = "Caf\xe9 Sans";
    WriteFile(t.Path("old.zav"), EncodeProgress(stored, t.Path("Courses/Default").toStdString()));

    t.prompts.files = {t.Path("old.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
    ASSERT_TRUE(t.prompts.messages.empty());
    EXPECT_EQ(t.Doc().okThreshold, 4);
    EXPECT_EQ(t.Doc().exercise, 1) << "the last exercise of the course";
    EXPECT_EQ(t.Doc().keyboardLayout, 0) << "the finger table has one layout";
    EXPECT_EQ(t.View()->ExerciseFont().family(), QStringLiteral("Café Sans"));
}

}  // namespace
}  // namespace zav::testing
