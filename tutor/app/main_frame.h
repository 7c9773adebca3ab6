#pragma once
// The tutor's main window: the menus and the toolbar, the exercise view in the middle, the bars
// the view fills while the user types, the status panes, and the modeless dialogs it creates
// hidden and shows on command. File commands go to the document host.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "tutor/app/document_host.h"
#include "tutor/typing/view_host.h"

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

class CMainFrame : public QMainWindow, public IViewHost, public IDocumentViews {
    Q_OBJECT

  public:
    CMainFrame(const CConfig& config, CDocumentHost& documents, CPrompts& prompts,
               CRecentFiles& recent);
    ~CMainFrame() override;

    // The part of the creation that can fail: reads "fingers.txt" beside the program. False
    // after the message; the program then ends without showing the window.
    bool Create();

    CZAVTypeView* View() const { return view_; }
    QAction* Action(const QString& objectName) const;
    CExerciseBar* ExerciseBar() const { return exerciseBar_; }
    CLettersBar* LettersBar() const { return lettersBar_; }
    CStatusPanes* StatusPanes() const { return panes_; }
    QToolBar* ToolBar() const { return toolBar_; }
    CFingerDlg* FingerDlg() const { return fingerDlg_; }
    // The jump and statistics dialogs are made the first time they are asked for: nothing of
    // them is in the first window, and the statistics dialog's heat map is costly to build.
    CJumpDlg* JumpDlg();
    CSettingsDlg* SettingsDlg() const { return settingsDlg_; }
    CStatsDlg* StatsDlg();
    CJournalLink& Journal() const { return *journal_; }
    CKeyboardDock* KeyboardDock() const { return keyboardDock_; }
    bool FingerGuideShown() const { return fingerGuideShown_; }
    // The bars' texts at a glance.
    QString ExerciseBarText() const;
    QString LettersBarText() const;
    QString ExercisePaneText() const;
    QString AutoPaneText() const;
    // The error count of the last ShowErrorLevel.
    int ErrorLevel() const { return errorLevel_; }

    // IViewHost
    void ShowErrorLevel(int errors) override;
    void ShowTurnFigures(const CTurnRecord& record, int turnNumber) override;
    void ShowTurnDiscs(const std::array<int, 10>& history) override;
    void ClearTurnFigures(int turnNumber) override;
    void ShowLetterLists(const std::string& good, const std::string& bad) override;
    void ShowFingerFor(char next) override;
    void RefreshGraph() override;
    void TurnRecorded(const CTurnRecord& record, const CKeyTimes& keys) override;
    void MarkModified() override;
    void UpdateStatusPanes() override;
    bool ConfirmAdvance() override;
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
    QAction* AddAction(QMenu* menu, const char* text, const char* name, bool enabled);
    // Connects the command `name` to `handler`, enabled.
    void Connect(const char* name, void (CMainFrame::*handler)());
    // The checks of the commands that show a state of the document.
    void UpdateCommandStates();
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
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QToolBar* toolBar_ = nullptr;
    CStatusPanes* panes_ = nullptr;
    CExerciseBar* exerciseBar_ = nullptr;
    CLettersBar* lettersBar_ = nullptr;
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
    int errorLevel_ = 0;
    std::function<void(int)> exerciseHelp_;
    std::unique_ptr<CJournalLink> journal_;
};

}  // namespace zav::ui
