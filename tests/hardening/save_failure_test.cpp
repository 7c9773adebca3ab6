// Saves and opens that fail at the file system: the user is told with the platform's message,
// and the progress in memory stays as it was, ready to be saved somewhere else.
#include <gtest/gtest.h>

#include "core/app/strings.h"
#include "core/course/progress_file.h"
#include "core/course/textfile.h"
#include "tests/typing/tutor_fixture.h"
#include "tutor/app/recent_files.h"

namespace zav::testing {
namespace {

using Answer = ui::CPrompts::Answer;

const QString kUntitled = QStringLiteral("Sin título - ZAVType");

// A tutor with one finished turn that has not been saved yet.
void StartWithATurn(TutorFixture& t) {
    ASSERT_TRUE(t.Start());
    t.Type("asdf jkl");
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ñ"),
                        Qt::NoModifier);
    ASSERT_EQ(t.Doc().stats.historyCount, 1);
    ASSERT_TRUE(t.app->Documents().Modified());
}

TEST(SaveFailure, FailedSavesAreReportedAndTheProgressIsKept) {
    TutorFixture t;
    StartWithATurn(t);
    const std::string progress = EncodeProgress(t.Doc(), t.Doc().course.Path());
    ASSERT_TRUE(QDir().mkpath(t.Path("folder.zav")));
    const QStringList filesBefore = QDir(t.dir.path()).entryList(QDir::Files);

    struct Case {
        const char* what;
        QString file;
    };
    const Case cases[] = {
        {"folder missing", t.Path("no/such/folder/mine.zav")},
        {"a folder in the way", t.Path("folder.zav")},
        {"a file in place of the folder", t.Path("config.txt/mine.zav")},
    };
    for (const Case& c : cases) {
        t.prompts.messages.clear();
        t.prompts.files = {c.file};
        t.Frame()->findChild<QAction*>(QStringLiteral("fileSaveAs"))->trigger();
        ASSERT_EQ(t.prompts.messages.size(), 1u) << c.what;
        EXPECT_EQ(t.prompts.messages[0], QString::fromLatin1(text::kCannotSaveDocument)) << c.what;
        EXPECT_TRUE(t.app->Documents().Modified()) << c.what;
        EXPECT_EQ(t.Frame()->windowTitle(), kUntitled) << c.what;
        EXPECT_TRUE(t.app->Recent().Files().isEmpty()) << c.what;
        EXPECT_EQ(EncodeProgress(t.Doc(), t.Doc().course.Path()), progress) << c.what;
    }
    EXPECT_TRUE(QFileInfo(t.Path("folder.zav")).isDir());
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), filesBefore) << "no file left behind";

    // The same progress then saves where it can, whole.
    t.prompts.files = {t.Path("mine.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSaveAs"))->trigger();
    EXPECT_FALSE(t.app->Documents().Modified());
    EXPECT_EQ(ReadBinaryFile(t.Path("mine.zav").toStdString()), progress);
}

TEST(SaveFailure, FilesThatCannotBeOpenedLeaveTheDocumentAsItWas) {
    TutorFixture t;
    StartWithATurn(t);
    const std::string progress = EncodeProgress(t.Doc(), t.Doc().course.Path());
    ASSERT_TRUE(QDir().mkpath(t.Path("folder.zav")));

    for (const QString& file : {t.Path("missing.zav"), t.Path("folder.zav")}) {
        t.prompts.messages.clear();
        t.prompts.answers = {Answer::No};  // keep it unsaved: only the failed open may act
        t.prompts.files = {file};
        t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
        ASSERT_EQ(t.prompts.messages.size(), 1u) << file.toStdString();
        EXPECT_EQ(t.prompts.messages[0], QString::fromLatin1(text::kCannotOpenDocument));
        EXPECT_EQ(EncodeProgress(t.Doc(), t.Doc().course.Path()), progress);
        EXPECT_TRUE(t.app->Documents().Modified());
        EXPECT_EQ(t.Frame()->windowTitle(), kUntitled);
    }
}

}  // namespace
}  // namespace zav::testing
