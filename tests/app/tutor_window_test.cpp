// The tutor's window end to end: start-up, New, Open, Save, the save prompt, the recent files,
// a progress file on the command line, dropped files and courses that cannot be opened.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QMimeData>
#include <QStyleFactory>
#include <QToolBar>
#include <QTranslator>
#include <QUrl>

#include "core/course/progress_file.h"
#include "shared/translation.h"
#include "shared/user_settings.h"
#include "tests/typing/tutor_fixture.h"
#include "tutor/app/frame_toolbar.h"
#include "tutor/app/recent_files.h"
#include "tutor/app/status_panes.h"
#include "tutor/app/tutor_style.h"

namespace zav::testing {
namespace {

using Answer = ui::CPrompts::Answer;

void TypeLine(TutorFixture& t) {
    t.Type("asdf jkl");
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ñ"),
                        Qt::NoModifier);
}

TEST(TutorWindow, StartsUntitledWithTheDefaultCourse) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    EXPECT_TRUE(t.prompts.messages.empty());
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("Sin título - ZAVType"));
    EXPECT_EQ(t.Engine().SourceLine(), "asdf jkl\xf1");
    EXPECT_FALSE(t.app->Documents().Modified());
    for (const char* name :
         {"fileNew", "fileOpen", "fileSave", "fileSaveAs", "loadCourse", "appExit", "appAbout",
          "report", "viewSettings", "viewFingers", "viewStatistics", "exerciseNext", "soundSwitch"})
        EXPECT_TRUE(t.Frame()->findChild<QAction*>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_EQ(t.Frame()->windowIcon().availableSizes().size(), 5) << "the program's icon";
    EXPECT_EQ(t.Frame()->findChild<QAction*>(QStringLiteral("helpTips"))->statusTip(),
              QStringLiteral("Muestra consejos para este ejercicio"));
}

// The arrows of a menu bar or toolbar too narrow for its commands, and the toolbar's icons, are
// read as PNG, without a plugin: the same images at the same sizes as the style's own.
TEST(TutorWindow, TheStyleShowsItsOwnExtensionArrowsAndTheToolbarItsIcons) {
    const ui::CTutorStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon own = style.standardIcon(arrow);
        const QIcon base = style.baseStyle()->standardIcon(arrow);
        ASSERT_EQ(own.availableSizes(), base.availableSizes()) << arrow;
        for (const QSize& size : base.availableSizes())
            EXPECT_EQ(own.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                      base.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32))
                << arrow;
    }
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    const QList<QAction*> buttons = t.Frame()->findChild<QToolBar*>()->actions();
    ASSERT_FALSE(buttons.isEmpty());
    for (const QAction* button : buttons)
        EXPECT_TRUE(button->isSeparator() || !button->icon().isNull())
            << button->objectName().toStdString();
    // A desktop icon theme without the command's icon: our picture, read when asked for.
    const QString desktopTheme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("zav-no-such-theme"));
    EXPECT_EQ(ui::ToolIcon("document-new", "new").availableSizes(), QList<QSize>{QSize(24, 24)});
    QIcon::setThemeName(desktopTheme);
}

TEST(TutorWindow, TheFileArgumentIsTheFirstNonOptionOrTheOneAfterTwoDashes) {
    struct Case {
        QStringList arguments;
        QString file;
    } cases[] = {{{}, {}},
                 {{"mio.zav"}, "mio.zav"},
                 {{"-x", "mio.zav", "otro.zav"}, "mio.zav"},
                 {{"--", "-mio.zav"}, "-mio.zav"},
                 {{"--"}, {}},
                 {{"-unknown"}, {}}};
    for (const Case& c : cases)
        EXPECT_EQ(ui::CZAVTypeApp::FileArgument(c.arguments), c.file)
            << c.arguments.join(' ').toStdString();
}

TEST(TutorWindow, MissingSettingsAreReportedThenDefaultsUsed) {
    TutorFixture t("\tFila\nfj\n", "");
    ASSERT_TRUE(t.Start());
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].startsWith(QStringLiteral("¡Error! No hay archivo")));
    EXPECT_EQ(t.Doc().fontSize, 140);
}

TEST(TutorWindow, MissingDefaultCourseEndsStartUp) {
    TutorFixture t("");
    EXPECT_FALSE(t.Start());
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].startsWith(
        QStringLiteral("No se encuentra o no se puede leer el archivo ") +
        t.Path("Courses/Default")))
        << t.prompts.messages[0].toStdString();
}

TEST(TutorWindow, SaveOpenAndNewRoundTrip) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    TypeLine(t);
    ASSERT_TRUE(t.app->Documents().Modified());
    const QString file = t.Path("progreso.zav");
    t.prompts.files.push_back(t.Path("progreso"));  // the suffix comes from the dialog
    t.prompts.files.back() = file;
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSave"))->trigger();
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("progreso.zav - ZAVType"));
    EXPECT_FALSE(t.app->Documents().Modified());
    EXPECT_EQ(t.app->Recent().Files().value(0), file);

    t.Frame()
        ->findChild<QAction*>(QStringLiteral("fileNew"))
        ->trigger();  // not modified: no question
    EXPECT_TRUE(t.prompts.questions.empty());
    EXPECT_EQ(t.Doc().stats.historyCount, 0);
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("Sin título - ZAVType"));

    t.prompts.files.push_back(file);
    t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
    EXPECT_EQ(t.Doc().stats.historyCount, 1);
    EXPECT_EQ(t.Doc().stats.history[0].letters, 9);
    EXPECT_EQ(t.Doc().stats.letterCorrect[0xf1], 1);
    EXPECT_EQ(t.Engine().TurnNumber(), 1);
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("progreso.zav - ZAVType"));

    // Saving again writes the same bytes the core encodes.
    t.Frame()->findChild<QAction*>(QStringLiteral("fileSave"))->trigger();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_EQ(bytes.toStdString(), EncodeProgress(t.Doc(), t.Doc().course.Path()));
}

TEST(TutorWindow, ShortcutsShownInTheFileMenuWork) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("as");
    t.prompts.answers = {Answer::No};
    QTest::keyClick(t.View(), Qt::Key_N, Qt::ControlModifier);  // New, after the save prompt
    EXPECT_EQ(t.prompts.questions.size(), 1u);
    EXPECT_EQ(t.Engine().Position(), 0);
    t.Type("as");
    t.prompts.files = {t.Path("atajo.zav")};
    QTest::keyClick(t.View(), Qt::Key_G, Qt::ControlModifier);  // Save
    EXPECT_TRUE(QFile::exists(t.Path("atajo.zav")));
    t.prompts.files = {t.Path("otro.zav")};
    QTest::keyClick(t.View(), Qt::Key_A, Qt::ControlModifier);  // Open asks for a file
    EXPECT_TRUE(t.prompts.files.empty());
}

TEST(TutorWindow, FileDialogsStartInTheFolderOfTheLastFile) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(ui::CPrompts::StartPath(QStringLiteral("ZAVTyp.zav")), QStringLiteral("ZAVTyp.zav"));
    ui::CPrompts::RememberFolder(t.Path("cursos/mio.txt"));  // not there: never a start
    EXPECT_EQ(ui::CPrompts::StartPath(QString()), QString());
    ui::CPrompts::RememberFolder(t.Path("progreso.zav"));
    const struct {
        QString initial, start;
    } cases[] = {
        {QString(), t.dir.path()},
        {QStringLiteral("ZAVTyp.zav"), t.Path("ZAVTyp.zav")},
        {QStringLiteral("/otra/parte.zav"), QStringLiteral("/otra/parte.zav")},
    };
    for (const auto& c : cases) EXPECT_EQ(ui::CPrompts::StartPath(c.initial), c.start);
}

TEST(TutorWindow, QtsOwnWindowsSpeakSpanish) {
    ASSERT_TRUE(ui::InstallQtSpanish()) << "Debian qt6-translations-l10n";
    const struct {
        const char* context;
        const char* english;
        const char* spanish;
    } texts[] = {{"QFileDialog", "Look in:", "Ver en:"}, {"QPlatformTheme", "Cancel", "Cancelar"}};
    for (const auto& t : texts)
        EXPECT_EQ(QCoreApplication::translate(t.context, t.english), QString::fromUtf8(t.spanish));
}

// The interface is English under the English translation and the Spanish source without one.
TEST(TutorWindow, MenusSpeakTheInterfaceLanguage) {
    const struct {
        bool english;
        QStringList titles;
    } cases[] = {{false, {"&Archivo", "&Ver", "&Ejercicio", "&Mejorar", "&Ayuda"}},
                 {true, {"&File", "&View", "&Exercise", "&Improve", "&Help"}}};
    for (const auto& c : cases) {
        QTranslator english;
        if (c.english) {
            ASSERT_TRUE(english.load(QString::fromLatin1(ui::kEnglishTranslation)));
            QCoreApplication::installTranslator(&english);
        }
        TutorFixture t;
        ASSERT_TRUE(t.Start());
        QStringList titles;
        for (const QAction* menu : t.Frame()->menuBar()->actions()) titles << menu->text();
        EXPECT_EQ(titles, c.titles);
        EXPECT_TRUE(t.Frame()->close());
        QCoreApplication::removeTranslator(&english);
    }
}

TEST(TutorWindow, WindowPlaceAndBarsAreKeptForTheNextRun) {
    QRect placed;
    {
        TutorFixture t;
        ASSERT_TRUE(t.Start());
        t.Frame()->setGeometry(40, 50, 800, 500);
        t.Frame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->hide();
        placed = t.Frame()->geometry();
        EXPECT_TRUE(t.Frame()->close());
    }
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    EXPECT_EQ(t.Frame()->size(), placed.size());
    EXPECT_FALSE(t.Frame()->findChild<QToolBar*>(QStringLiteral("toolBar"))->isVisible());
    EXPECT_FALSE(t.Frame()->findChild<QAction*>(QStringLiteral("viewToolbar"))->isChecked());
    EXPECT_TRUE(t.Frame()->close());
    ui::UserSettings().remove(QStringLiteral("Settings"));  // later tests start afresh
}

TEST(TutorWindow, SavePromptOnNewOpenAndExit) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("as");
    ASSERT_TRUE(t.app->Documents().Modified());

    t.prompts.answers = {Answer::Cancel};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileNew"))->trigger();
    ASSERT_EQ(t.prompts.questions.size(), 1u);
    EXPECT_EQ(t.prompts.questions[0], QStringLiteral("¿Guardar cambios a Sin título?"));
    EXPECT_EQ(t.Engine().Position(), 2) << "cancel keeps the turn";

    t.prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(t.Frame()->close());
    EXPECT_EQ(t.prompts.questions.size(), 2u);

    t.prompts.answers = {Answer::Yes};
    t.prompts.files = {t.Path("saved.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileNew"))->trigger();
    EXPECT_TRUE(QFile::exists(t.Path("saved.zav")));
    EXPECT_EQ(t.Engine().Position(), 0);
    EXPECT_EQ(t.Doc().stats.letterCorrect['a'], 0);

    t.Type("as");
    t.prompts.answers = {Answer::No};
    t.prompts.files = {t.Path("saved.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
    EXPECT_EQ(t.Doc().stats.letterCorrect['a'], 1) << "the saved state, not the discarded one";
    EXPECT_TRUE(t.Frame()->close());
}

TEST(TutorWindow, ProgressFileOnTheCommandLineNeedsNoDefaultCourse) {
    TutorFixture t("\tOtro\nqwer\nuiop\n");
    CZAVTypeDoc doc;
    doc.course.Parse("\tOtro\nqwer\nuiop\n");
    doc.exercise = 1;
    doc.stats.letterCorrect['q'] = 7;
    QDir().rename(t.Path("Courses/Default"), t.Path("otro.txt"));
    const std::string bytes = EncodeProgress(doc, t.Path("otro.txt").toStdString());
    WriteFile(t.Path("mio.zav"), bytes);
    ASSERT_TRUE(t.Start(t.Path("mio.zav")));
    EXPECT_TRUE(t.prompts.messages.empty());
    EXPECT_EQ(t.Engine().SourceLine(), "uiop");
    EXPECT_EQ(t.Doc().stats.letterCorrect['q'], 7);
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("mio.zav - ZAVType"));
}

TEST(TutorWindow, UnreadableProgressFileOnTheCommandLineEndsStartUp) {
    TutorFixture t;
    EXPECT_FALSE(t.Start(t.Path("nada.zav")));
    EXPECT_EQ(t.prompts.messages.size(), 1u);
}

TEST(TutorWindow, CourseThatCannotBeOpenedKeepsCourseAndDocument) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    TypeLine(t);
    t.Type("as");
    const std::string coursePath = t.Doc().course.Path();

    // "Cargar Curso" of a file removed meanwhile.
    t.prompts.files = {t.Path("borrado")};
    t.Frame()->findChild<QAction*>(QStringLiteral("loadCourse"))->trigger();
    ASSERT_EQ(t.prompts.messages.size(), 1u);
    EXPECT_TRUE(t.prompts.messages[0].contains(t.Path("borrado")));
    EXPECT_EQ(t.Doc().course.Path(), coursePath);
    EXPECT_EQ(t.Doc().stats.historyCount, 1);
    EXPECT_EQ(t.Engine().Position(), 2);
    EXPECT_TRUE(t.app->Documents().Modified());

    // A progress file whose course is gone.
    CZAVTypeDoc other;
    WriteFile(t.Path("huerfano.zav"), EncodeProgress(other, t.Path("ido").toStdString()));
    t.prompts.answers = {Answer::No};
    t.prompts.files = {t.Path("huerfano.zav")};
    t.Frame()->findChild<QAction*>(QStringLiteral("fileOpen"))->trigger();
    ASSERT_EQ(t.prompts.messages.size(), 2u);
    EXPECT_TRUE(t.prompts.messages[1].contains(t.Path("ido")));
    EXPECT_EQ(t.Doc().stats.historyCount, 1);
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("Sin título - ZAVType"));

    // A course that does exist loads, starts at its first exercise and marks the document.
    WriteFile(t.Path("nuevo"), "\tNuevo\nqq\n");
    t.prompts.files = {t.Path("nuevo")};
    t.Frame()->findChild<QAction*>(QStringLiteral("loadCourse"))->trigger();
    EXPECT_EQ(t.Engine().SourceLine(), "qq");
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->ExerciseText(),
              QStringLiteral("Ec 1: 'Nuevo' 1 de 1"));
}

// A course saved by an editor in UTF-8 reads as the letters it shows; a file that is no course
// is refused by name and the tutor keeps what it has; at start-up it ends the tutor.
TEST(TutorWindow, Utf8CoursesLoadAndFilesThatAreNoCourseAreRefused) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    WriteFile(t.Path("vocales"), "\tVocales\nmam\xc3\xa1 pap\xc3\xa1 caf\xc3\xa9\n");
    t.prompts.files = {t.Path("vocales")};
    t.Frame()->findChild<QAction*>(QStringLiteral("loadCourse"))->trigger();
    EXPECT_EQ(t.Engine().SourceLine(), "mam\xe1 pap\xe1 caf\xe9");
    t.Type("mam");
    EXPECT_EQ(t.Engine().Position(), 3);

    WriteFile(t.Path("vacio"), "");
    WriteFile(t.Path("programa"), std::string("\x7f"
                                              "ELF\x00\x01\n",
                                              7));
    for (const QString& name : {QStringLiteral("vacio"), QStringLiteral("programa")}) {
        t.prompts.files = {t.Path(name)};
        t.Frame()->findChild<QAction*>(QStringLiteral("loadCourse"))->trigger();
        ASSERT_FALSE(t.prompts.messages.empty());
        EXPECT_TRUE(t.prompts.messages.back().contains(t.Path(name)))
            << t.prompts.messages.back().toStdString();
        EXPECT_EQ(t.Engine().SourceLine(), "mam\xe1 pap\xe1 caf\xe9");
        EXPECT_EQ(t.Engine().Position(), 3);
    }

    TutorFixture emptyDefault("\tSolo secciones\n");
    EXPECT_FALSE(emptyDefault.Start());
    ASSERT_FALSE(emptyDefault.prompts.messages.empty());
    EXPECT_TRUE(emptyDefault.prompts.messages[0].contains(emptyDefault.Path("Courses/Default")));
}

TEST(TutorWindow, RecentFilesAndDroppedFilesOpenDocuments) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    for (const char* name : {"uno.zav", "dos.zav", "tres.zav", "cuatro.zav", "cinco&seis.zav"}) {
        t.prompts.files = {t.Path(QString::fromLatin1(name))};
        t.Frame()->findChild<QAction*>(QStringLiteral("fileSaveAs"))->trigger();
    }
    ui::CRecentFiles stored;
    stored.Load();
    EXPECT_EQ(stored.Files(), (QStringList{t.Path("cinco&seis.zav"), t.Path("cuatro.zav"),
                                           t.Path("tres.zav"), t.Path("dos.zav")}));
    // An "&" of a path is shown as it is, not taken for a mnemonic.
    EXPECT_EQ(t.Frame()->findChild<QAction*>(QStringLiteral("recentFile1"))->text(),
              QStringLiteral("&1 ") + t.Path("cinco&&seis.zav"));
    t.Frame()->findChild<QAction*>(QStringLiteral("recentFile4"))->trigger();
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("dos.zav - ZAVType"));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(t.Path("tres.zav"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(t.Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(t.Frame(), &drop);
    EXPECT_EQ(t.Frame()->windowTitle(), QStringLiteral("tres.zav - ZAVType"));
}

}  // namespace
}  // namespace zav::testing
