#include "tutor/app/main_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "core/app/strings.h"
#include "shared/about_dlg.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "shared/user_settings.h"
#include "tutor/app/frame_toolbar.h"
#include "tutor/app/recent_files.h"
#include "tutor/app/status_panes.h"
#include "tutor/dialogs/finger_dlg.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/keyboard/keyboard_dock.h"
#include "tutor/stats/exercise_bar.h"
#include "tutor/stats/journal_link.h"
#include "tutor/stats/letters_bar.h"
#include "tutor/texts.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::ui {
namespace {

// Calls `fit` whenever the window manager moves the window it watches, for one second.
class CFitWhilePlaced : public QObject {
  public:
    CFitWhilePlaced(QWidget* window, std::function<void()> fit)
        : QObject(window), fit_(std::move(fit)) {
        window->installEventFilter(this);
        QTimer::singleShot(1000, this, &QObject::deleteLater);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move) fit_();
        return false;
    }

  private:
    std::function<void()> fit_;
};

}  // namespace

CMainFrame::CMainFrame(const CConfig& config, CDocumentHost& documents, CPrompts& prompts,
                       CRecentFiles& recent)
    : config_(config),
      documents_(documents),
      prompts_(prompts),
      recent_(recent),
      journal_(std::make_unique<CJournalLink>(prompts)) {
    // Room for the keyboard under the exercise, readable whole.
    resize(730, 620);
    setAcceptDrops(true);
    view_ = new CZAVTypeView(config_, documents_.Document(), *this, this);
    setCentralWidget(view_);
    CreateMenus();
    CreateBars();
    CreateDialogs();
    documents_.SetViews(this);
    prompts_.SetParent(this);
    TitleChanged();
}

CMainFrame::~CMainFrame() {
    // The view goes first: its focus leaving as the window goes must not reach a half-destroyed
    // frame.
    delete view_;
    documents_.SetViews(nullptr);
    prompts_.SetParent(nullptr);
}

QAction* CMainFrame::AddAction(QMenu* menu, const char* text, const char* name) {
    QAction* action = menu->addAction(Tr(text));
    action->setObjectName(QString::fromLatin1(name));
    // A shortcut the menu shows is one that works.
    const QString shown = action->text().section(QLatin1Char('\t'), 1);
    if (!shown.isEmpty()) action->setShortcut(QKeySequence(shown));
    return action;
}

QAction* CMainFrame::AddAction(QMenu* menu, const char* text, const char* name,
                               void (CMainFrame::*handler)()) {
    QAction* action = AddAction(menu, text, name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void CMainFrame::CreateMenus() {
    FrameActions& a = actions_;
    fileMenu_ = menuBar()->addMenu(Tr(text::kMenuFile));
    a.fileNew = AddAction(fileMenu_, text::kMenuNew, "fileNew", &CMainFrame::OnFileNew);
    a.fileOpen = AddAction(fileMenu_, text::kMenuOpen, "fileOpen", &CMainFrame::OnFileOpen);
    a.fileSave = AddAction(fileMenu_, text::kMenuSave, "fileSave", &CMainFrame::OnFileSave);
    a.fileSaveAs = AddAction(fileMenu_, text::kMenuSaveAs, "fileSaveAs", &CMainFrame::OnFileSaveAs);
    fileMenu_->addSeparator();
    a.loadCourse =
        AddAction(fileMenu_, text::kMenuLoadCourse, "loadCourse", &CMainFrame::OnLoadCourse);
    a.report = AddAction(fileMenu_, text::kMenuReport, "report", &CMainFrame::OnReport);
    recentSeparator_ = fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    a.appExit = AddAction(fileMenu_, text::kMenuExit, "appExit", &CMainFrame::OnAppExit);
    RebuildRecentMenu();

    QMenu* view = menuBar()->addMenu(Tr(text::kMenuView));
    a.viewToolbar = AddAction(view, text::kMenuToolbar, "viewToolbar");
    a.viewStatusBar = AddAction(view, text::kMenuStatusBar, "viewStatusBar");
    for (QAction* bar : {a.viewToolbar, a.viewStatusBar}) {
        bar->setCheckable(true);
        bar->setChecked(true);
    }
    connect(a.viewToolbar, &QAction::triggered, this, &CMainFrame::OnViewToolBar);
    connect(a.viewStatusBar, &QAction::triggered, this, &CMainFrame::OnViewStatusBar);
    a.viewSettings =
        AddAction(view, text::kMenuSettings, "viewSettings", &CMainFrame::OnViewSettings);
    a.viewFingers = AddAction(view, text::kMenuFingers, "viewFingers", &CMainFrame::OnViewFingers);
    a.viewFingers->setCheckable(true);
    a.viewStatistics =
        AddAction(view, text::kMenuStatistics, "viewStatistics", &CMainFrame::OnViewStatistics);

    QMenu* exercise = menuBar()->addMenu(Tr(text::kMenuExercise));
    a.exercisePrevious =
        AddAction(exercise, text::kMenuPrevious, "exercisePrevious", &CMainFrame::OnPrevious);
    a.exerciseNext = AddAction(exercise, text::kMenuNext, "exerciseNext", &CMainFrame::OnNext);
    a.exerciseRestart =
        AddAction(exercise, text::kMenuRestart, "exerciseRestart", &CMainFrame::OnRestart);
    a.exerciseJump = AddAction(exercise, text::kMenuJump, "exerciseJump", &CMainFrame::OnJump);
    a.exercisePractice =
        AddAction(exercise, text::kMenuPractice, "exercisePractice", &CMainFrame::OnPractice);
    exercise->addSeparator();
    a.autoAdvance =
        AddAction(exercise, text::kMenuAutoAdvance, "autoAdvance", &CMainFrame::OnAutoAdvance);
    a.autoAdvance->setCheckable(true);
    // The sound switch has a toolbar button only; it is off limits while "audio" is "disable".
    a.soundSwitch = new QAction(this);
    a.soundSwitch->setObjectName(QStringLiteral("soundSwitch"));
    a.soundSwitch->setCheckable(true);
    a.soundSwitch->setEnabled(config_.audio != AudioMode::Disabled);
    connect(a.soundSwitch, &QAction::triggered, this, &CMainFrame::OnSoundSwitch);
    // The toolbar of an English-speaking user also starts the add-on.
    if (QLocale().language() == QLocale::English) {
        a.drillPlus = new QAction(this);
        a.drillPlus->setObjectName(QStringLiteral("drillPlus"));
    }

    QMenu* improve = menuBar()->addMenu(Tr(text::kMenuImprove));
    a.aboutDrillPlus = AddAction(improve, text::kMenuAboutDrillPlus, "aboutDrillPlus");
    QMenu* help = menuBar()->addMenu(Tr(text::kMenuHelp));
    a.helpIndex = AddAction(help, text::kMenuHelpPage, "helpIndex");
    a.helpTips = AddAction(help, text::kMenuTips, "helpTips");
    a.appAbout = AddAction(help, text::kMenuAbout, "appAbout", &CMainFrame::OnAppAbout);
    a.webSite = AddAction(help, text::kMenuWebSite, "webSite");
    // The companions' commands work once the companions attach and connect them.
    for (QAction* companion : {a.drillPlus, a.aboutDrillPlus, a.helpIndex, a.helpTips, a.webSite})
        if (companion) companion->setEnabled(false);
}

// The toolbar, the status bar and the two bars docked at the bottom, letters bar lowest.
void CMainFrame::CreateBars() {
    toolBar_ = CreateFrameToolBar(*this, actions_);
    panes_ = new CStatusPanes(statusBar(), CStatusPanes::PlatformReportsLocks());
    lettersBar_ = new CLettersBar(this);
    exerciseBar_ = new CExerciseBar(this);
    // The keyboard right under the exercise, then the bars, as rows of the bottom edge.
    keyboardDock_ = new CKeyboardDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, keyboardDock_, Qt::Vertical);
    keyboardDock_->WatchKeys(view_);
    keyboardDock_->AddToMenu(actions_.viewStatistics);
    addDockWidget(Qt::BottomDockWidgetArea, exerciseBar_, Qt::Vertical);
    addDockWidget(Qt::BottomDockWidgetArea, lettersBar_, Qt::Vertical);
    // Titled, so that the bars' context menu and a floating bar name them; the "Ver" check marks
    // follow the bars however they are shown or hidden.
    toolBar_->setWindowTitle(Tr(text::kToolBarTitle));
    exerciseBar_->setWindowTitle(Tr(text::kExerciseBarTitle));
    lettersBar_->setWindowTitle(Tr(text::kLettersBarTitle));
    exerciseBar_->setObjectName(QStringLiteral("exerciseBar"));
    lettersBar_->setObjectName(QStringLiteral("lettersBar"));
    connect(toolBar_->toggleViewAction(), &QAction::toggled, actions_.viewToolbar,
            &QAction::setChecked);
}

// The modeless dialogs live as long as the frame, hidden until their commands show them; each is
// made the first time it is asked for.
void CMainFrame::CreateDialogs() {
    view_->SetFingerTable(&fingerTable_);
    view_->SetTypingMarks(LoadTypingMarks());
    connect(keyboardDock_, &CKeyboardDock::mapChanged, this, &CMainFrame::OnKeyboardMapChanged);
}

CFingerDlg* CMainFrame::FingerDlg() {
    if (!fingerDlg_) {
        fingerDlg_ = new CFingerDlg(fingerTable_, this);
        connect(fingerDlg_, &CFingerDlg::closedByUser, this, &CMainFrame::OnFingerGuideClosed);
        fingerDlg_->ShowFingerFor(nextCharacter_);
    }
    return fingerDlg_;
}

CSettingsDlg* CMainFrame::SettingsDlg() {
    if (!settingsDlg_) {
        settingsDlg_ = new CSettingsDlg(prompts_, this);
        connect(settingsDlg_, &CSettingsDlg::settingsApplied, this, &CMainFrame::OnSettingsApplied);
        connect(settingsDlg_, &CSettingsDlg::layoutApplied, this, &CMainFrame::OnLayoutApplied);
        settingsDlg_->SetTypingMarks(LoadTypingMarks());
        settingsDlg_->FillLayouts(fingerTable_.LayoutNames());
        settingsDlg_->LoadFromDocument(documents_.Document());
    }
    return settingsDlg_;
}

CJumpDlg* CMainFrame::JumpDlg() {
    if (!jumpDlg_) {
        jumpDlg_ = new CJumpDlg(this);
        connect(jumpDlg_, &CJumpDlg::exerciseChosen, this, &CMainFrame::OnExerciseChosen);
    }
    return jumpDlg_;
}

CStatsDlg* CMainFrame::StatsDlg() {
    if (!statsDlg_) {
        statsDlg_ = new CStatsDlg(this);
        statsDlg_->SetProgressSource([this] { return journal_->Progress(); });
        statsDlg_->SetKeySpeedSource([this] { return journal_->KeySpeeds(); });
        if (keyboardMap_) statsDlg_->SetKeyboardMap(keyboardMap_);
    }
    return statsDlg_;
}

void CMainFrame::OnKeyboardMapChanged(std::shared_ptr<const CKeyboardMap> map) {
    keyboardMap_ = map;
    if (statsDlg_) statsDlg_->SetKeyboardMap(std::move(map));
}

bool CMainFrame::Create() {
    const std::filesystem::path fingers = documents_.ProgramFolder() / "fingers.txt";
    if (!fingerTable_.LoadFingerFile(fingers)) {
        prompts_.Message(
            FromCp1252(text::kImportantFileMissing).arg(QString::fromStdString(fingers.string())),
            QMessageBox::Critical);
        return false;
    }
    fingerGuideShown_ = false;
    // Without a journal the tutor works as before: the link says why, once, when it first
    // needs the journal.
    journal_->Use();
    // The window comes back where the user left it, its bars too; the first time it fits the
    // screen, however large the scale.
    const QSettings store = UserSettings();
    if (!restoreGeometry(store.value(QStringLiteral("Settings/WindowGeometry")).toByteArray()) &&
        screen())
        resize(size().boundedTo(screen()->availableGeometry().size()));
    restoreState(store.value(QStringLiteral("Settings/WindowState")).toByteArray());
    actions_.viewToolbar->setChecked(!toolBar_->isHidden());
    return true;
}

void CMainFrame::RebuildRecentMenu() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        delete action;
    }
    recentActions_.clear();
    const QStringList& files = recent_.Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = QString(files.at(i)).replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(this);
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(file));
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { OnRecentFile(i); });
        fileMenu_->insertAction(exitSeparator_, action);
        recentActions_.append(action);
    }
    exitSeparator_->setVisible(!files.isEmpty());
}

void CMainFrame::StopSound() {
    view_->Sounds().StopAll();
}

void CMainFrame::PlaySound(Sound sound) {
    view_->Sounds().Play(sound);
}

void CMainFrame::Redraw(bool full) {
    view_->DrawExercise(full);
}

void CMainFrame::StartTimer() {
    view_->SetTicking(true);
}

void CMainFrame::StopTimer() {
    view_->SetTicking(false);
}

void CMainFrame::ShowErrorLevel(int errors) {
    keyboardDock_->AfterCharacter(view_->Engine());
    exerciseBar_->ShowLargeDisc(ErrorLevelDisc(errors, documents_.Document().okThreshold));
}

void CMainFrame::ShowTurnFigures(const CTurnRecord& record, int turnNumber) {
    exerciseBar_->ShowFigures(FormatTurnFigures(record, turnNumber));
}

void CMainFrame::ShowTurnDiscs(const TurnHistory& history) {
    exerciseBar_->ShowSmallDiscs(TurnDiscs(history, documents_.Document().okThreshold));
}

void CMainFrame::ClearTurnFigures(int turnNumber) {
    TurnFigureTexts blank;
    blank.turnNumber = std::to_string(turnNumber);
    exerciseBar_->ShowFigures(blank);
    exerciseBar_->ShowLargeDisc(Disc::Blank);
}

void CMainFrame::ShowLetterLists(const std::string& good, const std::string& bad) {
    lettersBar_->ShowLists(FromCp1252(good), FromCp1252(bad));
    // The lists come at the start of every turn, after the engine set the exercise caption.
    UpdateStatusPanes();
}

void CMainFrame::ShowFingerFor(char next) {
    nextCharacter_ = next;
    if (fingerDlg_) fingerDlg_->ShowFingerFor(next);
    keyboardDock_->ShowNext(next, view_->Engine().SourceLine());
}

void CMainFrame::RefreshGraph() {
    if (statsShown_) statsDlg_->RefreshGraph();
}

void CMainFrame::TurnRecorded(const CTurnRecord& record, const CKeyTimes& keys) {
    journal_->AddTurn(record, keys, documents_.Document().course.Path());
}

void CMainFrame::MarkModified() {
    documents_.SetModified(true);
}

void CMainFrame::UpdateStatusPanes() {
    panes_->SetExercise(view_->StatusText());
    panes_->SetAuto(documents_.Document().autoAdvance != 0);
}

void CMainFrame::UpdateCommandStates() {
    const CZAVTypeDoc& doc = documents_.Document();
    actions_.autoAdvance->setChecked(doc.autoAdvance != 0);
    actions_.soundSwitch->setChecked(doc.soundOn);
    actions_.viewFingers->setChecked(fingerGuideShown_);
    UpdateStatusPanes();
}

// New, Open and another course: the settings dialog shows the document's values again, and
// the finger guide follows the document's layout (New resets it to the first).
void CMainFrame::DocumentReplaced() {
    CZAVTypeDoc& doc = documents_.Document();
    journal_->DocumentReplaced(documents_.FilePath());
    doc.slowLetters.clear();
    if (settingsDlg_) settingsDlg_->LoadFromDocument(doc);
    fingerTable_.SetLayout(doc.keyboardLayout);
    ApplyKeyboardLayout();
    view_->RefreshFont();
    view_->StartExercise();
    UpdateCommandStates();
    RefreshGraph();  // an open statistics dialog shows the new document at once
}

int CMainFrame::LayoutCount() const {
    return fingerTable_.LayoutCount();
}

void CMainFrame::TitleChanged() {
    setWindowTitle(documents_.Title() + QStringLiteral(" - ") + FromCp1252(text::kWindowTitle));
    journal_->PathChanged(documents_.FilePath());
    RebuildRecentMenu();
}

void CMainFrame::OnFileNew() {
    if (documents_.SaveModified() && documents_.NewDocument()) journal_->StartUntitled();
}

void CMainFrame::OnFileOpen() {
    const QString file =
        prompts_.OpenFileName(Tr(text::kOpenTitle), Tr(text::kProgressFilter), QString());
    if (!file.isEmpty()) OpenFile(file);
}

// The document's own file is not opened again: the state in memory stays, unsaved changes too.
void CMainFrame::OpenFile(const QString& file) {
    if (documents_.IsDocumentFile(file)) return;
    if (documents_.SaveModified()) documents_.OpenDocument(file);
    RebuildRecentMenu();
}

void CMainFrame::OnFileSave() {
    documents_.Save();
}

void CMainFrame::OnFileSaveAs() {
    documents_.SaveAs();
}

void CMainFrame::OnLoadCourse() {
    const QString file =
        prompts_.OpenFileName(Tr(text::kLoadCourseTitle), QString(),
                              QString::fromStdString(documents_.Document().course.Path()));
    if (!file.isEmpty()) documents_.LoadCourse(file);
}

void CMainFrame::OnRecentFile(int index) {
    if (index < recent_.Files().size()) OpenFile(recent_.Files().at(index));
}

void CMainFrame::OnAppExit() {
    close();
}

void CMainFrame::OnAppAbout() {
    CAboutDlg dialog(
        {Tr(text::kAboutTitle), QStringLiteral("ZAVType Version 1.40-es"), Tr(text::kAboutClosing)},
        this);
    dialog.exec();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The window manager's frame is known only once the window is up, and it moves the window
    // as it adds it: for a moment after showing, the whole window, frame and all, is brought
    // inside the screen. Later the user places it as they like.
    if (event->spontaneous()) return;
    QTimer::singleShot(0, this, &CMainFrame::FitScreen);
    new CFitWhilePlaced(this, [this] { FitScreen(); });
}

void CMainFrame::FitScreen() {
    if (!screen() || isMaximized() || isFullScreen()) return;
    const QRect area = screen()->availableGeometry();
    const QRect outer = frameGeometry();
    if (area.contains(outer)) return;
    const QSize decoration = outer.size() - size();
    resize(size().boundedTo(area.size() - decoration));
    const QSize fitted = size() + decoration;
    move(std::clamp(outer.x(), area.left(),
                    std::max(area.left(), area.right() + 1 - fitted.width())),
         std::clamp(outer.y(), area.top(),
                    std::max(area.top(), area.bottom() + 1 - fitted.height())));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!documents_.SaveModified()) {
        event->ignore();
        return;
    }
    recent_.Save();
    QSettings store = UserSettings();
    store.setValue(QStringLiteral("Settings/WindowGeometry"), saveGeometry());
    store.setValue(QStringLiteral("Settings/WindowState"), saveState());
    if (fingerGuidePlaced_)
        store.setValue(QStringLiteral("Settings/FingerGuidePos"), fingerDlg_->pos());
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            return;
        }
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            activateWindow();
            OpenFile(url.toLocalFile());
            return;
        }
}

}  // namespace zav::ui
