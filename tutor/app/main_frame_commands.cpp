// The main window's commands of the "Ver" and "Ejercicio" menus, the report, and the answers
// from its modeless dialogs. The file commands and the frame's creation are in main_frame.cpp.
#include <QFileInfo>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "core/app/strings.h"
#include "core/stats/report.h"
#include "core/typing/navigation.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "shared/user_settings.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/window_place.h"
#include "tutor/dialogs/advance_confirm_dlg.h"
#include "tutor/dialogs/auto_advance_dlg.h"
#include "tutor/dialogs/finger_dlg.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/practice_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/keyboard/keyboard_dock.h"
#include "tutor/stats/journal_link.h"
#include "tutor/texts.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::ui {

void CMainFrame::OnViewToolBar(bool shown) {
    toolBar_->setVisible(shown);
}

void CMainFrame::OnViewStatusBar(bool shown) {
    statusBar()->setVisible(shown);
}

void CMainFrame::OnViewSettings() {
    CSettingsDlg* dialog = SettingsDlg();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void CMainFrame::OnViewFingers() {
    fingerGuideShown_ = !fingerGuideShown_;
    if (fingerGuideShown_) {
        CFingerDlg* guide = FingerDlg();
        // It first opens where the user left it in an earlier run, or beside the window, clear
        // of the line to copy either way; after that where the user puts it.
        if (!fingerGuidePlaced_ && screen()) {
            guide->adjustSize();
            const QSize size = guide->frameGeometry().size();
            const QRect screenArea = screen()->availableGeometry();
            const QVariant kept = UserSettings().value(QStringLiteral("Settings/FingerGuidePos"));
            const QRect exercise(view_->mapToGlobal(view_->ExerciseArea().topLeft()),
                                 view_->ExerciseArea().size());
            guide->move(kept.canConvert<QPoint>() ? PlaceKept(QRect(kept.toPoint(), size),
                                                              frameGeometry(), exercise, screenArea)
                                                  : PlaceBeside(frameGeometry(), size, screenArea));
            fingerGuidePlaced_ = true;
        }
        guide->show();
        // The guide is for looking at: the keys stay with the exercise.
        view_->activateWindow();
        view_->setFocus();
    } else {
        if (fingerDlg_) fingerDlg_->hide();
    }
    actions_.viewFingers->setChecked(fingerGuideShown_);
}

void CMainFrame::OnFingerGuideClosed() {
    fingerGuideShown_ = false;
    actions_.viewFingers->setChecked(false);
}

void CMainFrame::OnViewStatistics() {
    statsShown_ = true;
    StatsDlg()->ShowFor(documents_.Document());
}

// The settings dialog's OK: the new font, a full redraw and a modified document. The typing
// marks are the user's, not the document's: they go to the user's settings.
void CMainFrame::OnSettingsApplied() {
    view_->RefreshFont();
    MarkModified();
    SaveTypingMarks(settingsDlg_->Marks());
    view_->SetTypingMarks(settingsDlg_->Marks());
    view_->repaint();
}

void CMainFrame::OnLayoutApplied(int layoutIndex) {
    fingerTable_.SetLayout(layoutIndex);
    ApplyKeyboardLayout();
}

void CMainFrame::ApplyKeyboardLayout() {
    const auto& layouts = fingerTable_.Layouts();
    const int index = fingerTable_.CurrentLayout();
    const bool listed = index >= 0 && index < static_cast<int>(layouts.size());
    keyboardDock_->SetLayout(listed ? &layouts[index] : nullptr,
                             CSettingsDlg::DesktopKeyboardSetting());
}

void CMainFrame::OnPrevious() {
    view_->OnPrevious();
}

void CMainFrame::OnNext() {
    view_->OnNext();
}

void CMainFrame::OnRestart() {
    view_->OnRestart();
}

void CMainFrame::OnJump() {
    JumpDlg()->ShowFor(documents_.Document());
}

// "Saltar" moved the document to a course exercise; the jump marks nothing modified.
void CMainFrame::OnExerciseChosen() {
    view_->StartExercise();
}

void CMainFrame::OnPractice() {
    CZAVTypeDoc& doc = documents_.Document();
    CPracticeDlg dialog(prompts_, this);
    dialog.SetChoice(PracticeFromDocument(doc));
    dialog.SetSlowLetters(journal_->SlowLetters());
    if (dialog.exec() != QDialog::Accepted) return;
    ApplyPractice(dialog.Choice(), doc, dialog.SlowLetters());
    view_->StartExercise();
}

// The settings change the document without marking it; the check mark and "AUTO" follow at once.
void CMainFrame::OnAutoAdvance() {
    CZAVTypeDoc& doc = documents_.Document();
    CAutoAdvanceDlg dialog(this);
    dialog.SetValues(AutoAdvanceFromDocument(doc));
    if (dialog.exec() == QDialog::Accepted) ApplyAutoAdvance(dialog.Values(), doc);
    UpdateCommandStates();
}

void CMainFrame::OnSoundSwitch(bool on) {
    documents_.Document().soundOn = on;
}

// Asked after every finished turn: the rule of the document answers, or the user.
bool CMainFrame::AskAutoAdvance() {
    const CTypingEngine& engine = view_->Engine();
    const TurnHistory& history = engine.TurnHistory();
    switch (ShouldAutoAdvance(documents_.Document(), engine.TurnNumber(), history, history[0])) {
        case AdvanceAnswer::Yes:
            return true;
        case AdvanceAnswer::Confirm: {
            CAdvanceConfirmDlg dialog(this);
            return dialog.exec() == QDialog::Accepted;
        }
        case AdvanceAnswer::No:
            break;
    }
    return false;
}

// The page goes where the user chooses; a file that cannot be written is said so, rather than
// passed over as if the report were there.
void CMainFrame::OnReport() {
    QString title = Tr(text::kMenuReport);
    title.remove('&');
    const QString file = prompts_.SaveFileName(
        title, Tr(text::kReportFilter), Tr(text::kReportDefaultName), QStringLiteral("html"));
    if (file.isEmpty()) return;
    const CZAVTypeDoc& doc = documents_.Document();
    const std::string page = ReportText(doc, ToCp1252(documents_.FilePath()),
                                        ToCp1252(QString::fromStdString(doc.course.Path())));
    if (!WriteReportBytes(QFileInfo(file).absoluteFilePath().toStdString(), page)) {
        QString message = Tr(text::kReportCannotWrite);
        message.replace(QStringLiteral("%1"), file);
        prompts_.Message(message, QMessageBox::Warning);
    }
}

}  // namespace zav::ui
