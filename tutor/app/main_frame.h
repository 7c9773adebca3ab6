#pragma once
// The tutor's main window: the menus and the toolbar, the exercise view in the middle, the bars
// the view fills while the user types, the status panes, and the modeless dialogs it creates
// hidden and shows on command. File commands go to the document host.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/fingers/finger_layout.h"
#include "core/typing/typing_engine.h"
#include "tutor/app/document_host.h"
#include "tutor/app/frame_actions.h"

class QMenu;
class QAction;
class QToolBar;

namespace zav {
class CKeyboardMap;
}

namespace zav::ui {

class CExerciseBar;
class CFingerDlg;
class CJournalLink;
class CJumpDlg;
class CKeyboardDock;
class CLettersBar;
class CPrompts;
class CRecentFiles;
class CSettingsDlg;
class CStatsDlg;
class CStatusPanes;
class CZAVTypeView;

class CMainFrame : public QMainWindow, public ITypingListener, public IDocumentViews {
    Q_OBJECT

  public:
    CMainFrame(const CConfig& config, CDocumentHost& documents, CPrompts& prompts,
               CRecentFiles& recent);
    ~CMainFrame() override;

    // The part of the creation that can fail: reads "fingers.txt" beside the program. False
    // after the message; the program then ends without showing the window.
    bool Create();

    CZAVTypeView* View() const { return view_; }
    const FrameActions& Actions() const { return actions_; }
    // The finger guide and the settings, jump and statistics dialogs are made the first time
    // they are asked for: nothing of them is in the first window, and the statistics dialog's
    // heat map is costly.
    CFingerDlg* FingerDlg();
    CSettingsDlg* SettingsDlg();
    CJumpDlg* JumpDlg();
    CStatsDlg* StatsDlg();
    CJournalLink& Journal() const { return *journal_; }

    // ITypingListener: what the view's typing engine reports, shown by the view and the bars.
    void StopSound() override;
    void PlaySound(Sound sound) override;
    void ShowErrorLevel(int errors) override;
    void ShowTurnFigures(const CTurnRecord& record, int turnNumber) override;
    void ShowTurnDiscs(const TurnHistory& history) override;
    void ClearTurnFigures(int turnNumber) override;
    void ShowLetterLists(const std::string& good, const std::string& bad) override;
    void ShowFingerFor(char next) override;
    void Redraw(bool full) override;
    void StartTimer() override;
    void StopTimer() override;
    void RefreshGraph() override;
    void TurnRecorded(const CTurnRecord& record, const CKeyTimes& keys) override;
    bool AskAutoAdvance() override;
    void MarkModified() override;
    void PostExerciseHelp(int exercise) override {
        if (exerciseHelp_) exerciseHelp_(exercise);
    }
    // Who tells the help viewer about the course exercises the view starts.
    void SetExerciseHelpSink(std::function<void(int)> sink) { exerciseHelp_ = std::move(sink); }

    // IDocumentViews
    void DocumentReplaced() override;
    void TitleChanged() override;
    int LayoutCount() const override;

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnLoadCourse();
    void OnRecentFile(int index);
    void OnAppExit();
    void OnAppAbout();
    void OnReport();
    void OnViewToolBar(bool shown);
    void OnViewStatusBar(bool shown);
    void OnViewSettings();
    void OnViewFingers();
    void OnViewStatistics();
    void OnPrevious();
    void OnNext();
    void OnRestart();
    void OnJump();
    void OnPractice();
    void OnAutoAdvance();
    void OnSoundSwitch(bool on);
    // Opens `file` as if chosen with "Abrir..": prompts to save first.
    void OpenFile(const QString& file);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The whole window, frame included, inside its screen's free area.
    void FitScreen();
    void CreateMenus();
    void CreateBars();
    void CreateDialogs();
    void RebuildRecentMenu();
    // A menu command; `name` lets tests find it.
    QAction* AddAction(QMenu* menu, const char* text, const char* name);
    // A menu command of the frame's own, connected to `handler`.
    QAction* AddAction(QMenu* menu, const char* text, const char* name,
                       void (CMainFrame::*handler)());
    // The checks of the commands that show a state of the document.
    void UpdateCommandStates();
    // The exercise caption and "AUTO" in the status bar.
    void UpdateStatusPanes();
    void OnFingerGuideClosed();
    void OnSettingsApplied();
    void OnLayoutApplied(int layoutIndex);
    void OnExerciseChosen();
    void OnKeyboardMapChanged(std::shared_ptr<const CKeyboardMap> map);
    // The on-screen keyboard follows the document's layout or the desktop's.
    void ApplyKeyboardLayout();

    const CConfig& config_;
    CDocumentHost& documents_;
    CPrompts& prompts_;
    CRecentFiles& recent_;
    CZAVTypeView* view_ = nullptr;
    FrameActions actions_;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    CStatusPanes* panes_ = nullptr;
    CExerciseBar* exerciseBar_ = nullptr;
    CLettersBar* lettersBar_ = nullptr;
    // Read from "fingers.txt": the view's drills, the finger guide and the keyboard use it.
    CFingerTable fingerTable_;
    // The character the guide shows, kept while the guide does not exist yet.
    char nextCharacter_ = '\0';
    CFingerDlg* fingerDlg_ = nullptr;
    CJumpDlg* jumpDlg_ = nullptr;
    CSettingsDlg* settingsDlg_ = nullptr;
    CStatsDlg* statsDlg_ = nullptr;
    // The keyboard's latest map, for a statistics dialog made after it was built.
    std::shared_ptr<const CKeyboardMap> keyboardMap_;
    bool fingerGuidePlaced_ = false;
    CKeyboardDock* keyboardDock_ = nullptr;
    bool fingerGuideShown_ = false;
    // The statistics graph draws nothing before the first "Es&tadística".
    bool statsShown_ = false;
    std::function<void(int)> exerciseHelp_;
    std::unique_ptr<CJournalLink> journal_;
};

}  // namespace zav::ui
