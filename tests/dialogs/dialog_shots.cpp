// Saves a picture of each dialog, filled with sample data, into the folder given as the first
// argument: settings.png, fingers.png, practice.png, jump.png, auto_advance.png, confirm.png,
// font.png and one stats_<tab>.png per tab. Run it under Xvfb to look at the dialogs as a user
// would.
#include <QApplication>
#include <QDir>
#include <QTest>

#include "core/course/document.h"
#include "shared/translation.h"
#include "tests/dialogs/dialog_fixture.h"
#include "tutor/dialogs/advance_confirm_dlg.h"
#include "tutor/dialogs/auto_advance_dlg.h"
#include "tutor/dialogs/finger_dlg.h"
#include "tutor/dialogs/font_dlg.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/practice_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"

namespace {

using namespace zav;
using namespace zav::ui;

void Save(QWidget& dialog, const QDir& folder, const QString& name) {
    dialog.show();
    QTest::qWait(100);
    dialog.grab().save(folder.filePath(name + ".png"));
}

void SampleHistory(CZAVTypeDoc& doc) {
    const int letters[] = {120, 95, 140, 80, 110, 130, 60, 150, 100, 125, 90, 135};
    for (int i = 0; i < 12; ++i) {
        CTurnRecord turn;
        turn.letters = letters[i];
        // The newest turns are slow ones, over 100 s: five-digit durations in the table.
        turn.duration = i < 10 ? 3000 + 250 * i : 10642 + 1000 * i;
        turn.words = letters[i] / 6;
        turn.errors = i % 3;
        turn.errorLetters = i % 3 ? "fj" : "";
        turn.exercise = i;
        doc.AddTurn(turn);
    }
    const char* typed = "asdfghjkl\xf1qwertyuiop";
    for (int i = 0; typed[i]; ++i) {
        const auto k = static_cast<unsigned char>(typed[i]);
        doc.stats.letterCorrect[k] = 20;
        doc.stats.letterErrors[k] = (i * 7) % 9;
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zav::ui::InstallInterfaceLanguage();  // LANG=en_US.UTF-8 shows the English dialogs
    const QDir folder(argc > 1 ? argv[1] : ".");
    CRecordedPrompts prompts;
    CZAVTypeDoc doc;
    doc.course.Parse("\tFila central\nasdf\njkl\xf1\n\tFila superior\nqwer\nuiop\n");
    doc.exercise = 2;
    doc.anyOrderLetters = "fj";
    SampleHistory(doc);

    CFingerTable table;
    table.Parse(kTwoLayouts);
    CFingerDlg fingers(table);
    fingers.ShowFingerFor('f');
    Save(fingers, folder, "fingers");

    CSettingsDlg settings(prompts);
    settings.FillLayouts(table.LayoutNames());
    settings.LoadFromDocument(doc);
    Save(settings, folder, "settings");

    CPracticeDlg practice(prompts);
    practice.SetChoice(PracticeFromDocument(doc));
    Save(practice, folder, "practice");

    CJumpDlg jump;
    jump.ShowFor(doc);
    Save(jump, folder, "jump");

    CAutoAdvanceDlg autoAdvance;
    autoAdvance.SetValues(AutoAdvanceFromDocument(doc));
    Save(autoAdvance, folder, "auto_advance");

    CAdvanceConfirmDlg confirm;
    Save(confirm, folder, "confirm");

    CFontDlg font(QFont(QStringLiteral("DejaVu Sans Mono"), 12));
    Save(font, folder, "font");

    CStatsDlg stats;
    stats.ShowFor(doc);
    const char* tabs[] = {"history", "speed", "precision"};
    for (int tab = 0; tab < 3; ++tab) {
        stats.SelectTab(tab);
        Save(stats, folder, QString("stats_") + tabs[tab]);
    }
    return 0;
}
