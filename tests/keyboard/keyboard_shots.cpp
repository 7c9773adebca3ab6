// Pictures of the keyboard for a person to look at, saved into the folder given as the first
// argument: the tutor on the shipped data with the keyboard of each shipped layout
// (keyboard_<n>.png, the next key of "Ángel" lit), and the heat map of the statistics dialog
// after the first section was typed with errors (heat_map.png). Runs offscreen by default.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "tests/typing/tutor_fixture.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/keyboard/keyboard_dock.h"

namespace {

using namespace zav;
using namespace zav::ui;

void TypeLine(CZAVTypeView* view, const std::string& line, int errorEvery) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (errorEvery > 0 && i % errorEvery == 3)
            QTest::sendKeyEvent(QTest::Click, view, Qt::Key_unknown, QStringLiteral("x"),
                                Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, view, Qt::Key_unknown,
                            QString(QChar(static_cast<unsigned char>(line[i]))), Qt::NoModifier);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir home;
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
    QApplication qt(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    testing::ScriptedPrompts prompts;
    CZAVTypeApp app(ZAV_OUT_DIR, prompts);
    if (!app.Start()) return 1;
    CMainFrame* frame = app.Frame();
    CZAVTypeDoc& doc = app.Document();
    CZAVTypeView* view = frame->View();
    doc.autoAdvance = 0;

    // The first section, every exercise once, with a wrong key every few letters.
    const int first = doc.course.SectionStart(1);
    for (int exercise = 0; exercise < first; ++exercise) {
        doc.exercise = exercise;
        view->StartExercise();
        TypeLine(view, view->Engine().SourceLine(), 5 + exercise);
    }

    // Each shipped layout, chosen in the settings dialog, on a line with a dead-key letter.
    CSettingsDlg* settings = frame->SettingsDlg();
    auto* layouts = settings->findChild<QComboBox*>(QStringLiteral("layoutCombo"));
    for (int layout = 0; layout < layouts->count(); ++layout) {
        layouts->setCurrentIndex(layout);
        settings->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        frame->findChild<ui::CKeyboardDock*>()->WaitForMap();
        frame->findChild<ui::CKeyboardDock*>()->ShowNext('\xC1', "\xC1ngel");
        QTest::qWait(100);
        frame->grab().save(out.filePath(QStringLiteral("keyboard_%1.png").arg(layout)));
    }
    layouts->setCurrentIndex(0);
    settings->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    frame->findChild<ui::CKeyboardDock*>()->WaitForMap();

    frame->findChild<QAction*>(QStringLiteral("viewStatistics"))->trigger();
    CStatsDlg* stats = frame->findChild<ui::CStatsDlg*>();
    stats->SelectTab(stats->KeyboardTab());
    QTest::qWait(100);
    stats->grab().save(out.filePath(QStringLiteral("heat_map.png")));
    return 0;
}
