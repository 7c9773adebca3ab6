#pragma once
// The tutor's main window: the menus, the exercise view in the middle, the bars the view fills
// while the user types, and the status panes. File commands go to the document host.
#include <QMainWindow>
#include <array>
#include <functional>
#include <string>

#include "tutor/app/document_host.h"
#include "tutor/typing/view_host.h"

class QLabel;
class QMenu;
class QAction;

namespace zav::ui {

class CPrompts;
class CRecentFiles;
class CZAVTypeView;

class CMainFrame : public QMainWindow, public IViewHost, public IDocumentViews {
    Q_OBJECT

  public:
    CMainFrame(const CConfig& config, CDocumentHost& documents, CPrompts& prompts,
               CRecentFiles& recent);
    ~CMainFrame() override;

    CZAVTypeView* View() const { return view_; }
    QAction* Action(const QString& objectName) const;
    // The texts the placeholder bars show, for the tests.
    QString ExerciseBarText() const;
    QString LettersBarText() const;
    QString ExercisePaneText() const;
    QString AutoPaneText() const;
    int ErrorLevel() const { return errorLevel_; }

    // IViewHost
    void ShowErrorLevel(int errors) override;
    void ShowTurnFigures(const CTurnRecord& record, int turnNumber) override;
    void ShowTurnDiscs(const std::array<int, 10>& history) override;
    void ShowLetterLists(const std::string& good, const std::string& bad) override;
    void MarkModified() override;
    void UpdateStatusPanes() override;
    void PostExerciseHelp(int exercise) override {
        if (exerciseHelp_) exerciseHelp_(exercise);
    }
    // Who tells the help viewer about the course exercises the view starts.
    void SetExerciseHelpSink(std::function<void(int)> sink) { exerciseHelp_ = std::move(sink); }

    // IDocumentViews
    void DocumentReplaced() override;
    void TitleChanged() override;

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnLoadCourse();
    void OnRecentFile(int index);
    void OnAppExit();
    void OnAppAbout();
    // Opens `file` as if chosen with "Abrir..": prompts to save first.
    void OpenFile(const QString& file);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void CreateMenus();
    void CreateBars();
    void RebuildRecentMenu();
    QAction* AddAction(QMenu* menu, const char* text, const char* name, bool enabled);

    const CConfig& config_;
    CDocumentHost& documents_;
    CPrompts& prompts_;
    CRecentFiles& recent_;
    CZAVTypeView* view_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    QAction* exitSeparator_ = nullptr;
    QList<QAction*> recentActions_;
    QLabel* figures_ = nullptr;
    QLabel* discs_ = nullptr;
    QLabel* letters_ = nullptr;
    QLabel* exercisePane_ = nullptr;
    QLabel* autoPane_ = nullptr;
    int errorLevel_ = 0;
    std::function<void(int)> exerciseHelp_;
};

}  // namespace zav::ui
