#include "tutor/app/main_frame.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "core/app/strings.h"
#include "shared/qt_text.h"
#include "tutor/app/about_dlg.h"
#include "tutor/app/frame_toolbar.h"
#include "tutor/app/prompts.h"
#include "tutor/app/recent_files.h"
#include "tutor/app/status_panes.h"
#include "tutor/app/user_settings.h"
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
    view_ = new CZAVTypeView(config_, documents_.Document(), this);
    view_->SetHost(this);
    setCentralWidget(view_);
    CreateMenus();
    CreateBars();
    CreateDialogs();
    documents_.SetViews(this);
    prompts_.SetParent(this);
    TitleChanged();
}

CMainFrame::~CMainFrame() {
    // The view outlives this body; its focus leaving as the window goes must not reach the frame.
    view_->SetHost(nullptr);
    documents_.SetViews(nullptr);
    prompts_.SetParent(nullptr);
}

QAction* CMainFrame::AddAction(QMenu* menu, const char* text, const char* name, bool enabled) {
    QAction* action = menu->addAction(Tr(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    // A shortcut the menu shows is one that works.
    const QString shown = action->text().section(QLatin1Char('\t'), 1);
    if (!shown.isEmpty()) action->setShortcut(QKeySequence(shown));
    return action;
}

void CMainFrame::CreateMenus() {
    fileMenu_ = menuBar()->addMenu(Tr(text::kMenuFile));
    connect(AddAction(fileMenu_, text::kMenuNew, "fileNew", true), &QAction::triggered, this,
            &CMainFrame::OnFileNew);
    connect(AddAction(fileMenu_, text::kMenuOpen, "fileOpen", true), &QAction::triggered, this,
            &CMainFrame::OnFileOpen);
    connect(AddAction(fileMenu_, text::kMenuSave, "fileSave", true), &QAction::triggered, this,
            &CMainFrame::OnFileSave);
    connect(AddAction(fileMenu_, text::kMenuSaveAs, "fileSaveAs", true), &QAction::triggered, this,
            &CMainFrame::OnFileSaveAs);
    fileMenu_->addSeparator();
    connect(AddAction(fileMenu_, text::kMenuLoadCourse, "loadCourse", true), &QAction::triggered,
            this, &CMainFrame::OnLoadCourse);
    connect(AddAction(fileMenu_, text::kMenuReport, "report", true), &QAction::triggered, this,
            &CMainFrame::OnReport);
    recentSeparator_ = fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    connect(AddAction(fileMenu_, text::kMenuExit, "appExit", true), &QAction::triggered, this,
            &CMainFrame::OnAppExit);
    RebuildRecentMenu();

    QMenu* view = menuBar()->addMenu(Tr(text::kMenuView));
    QAction* toolBar = AddAction(view, text::kMenuToolbar, "viewToolbar", true);
    QAction* statusBar = AddAction(view, text::kMenuStatusBar, "viewStatusBar", true);
    for (QAction* bar : {toolBar, statusBar}) {
        bar->setCheckable(true);
        bar->setChecked(true);
    }
    connect(toolBar, &QAction::triggered, this, &CMainFrame::OnViewToolBar);
    connect(statusBar, &QAction::triggered, this, &CMainFrame::OnViewStatusBar);
    AddAction(view, text::kMenuSettings, "viewSettings", false);
    AddAction(view, text::kMenuFingers, "viewFingers", false)->setCheckable(true);
    AddAction(view, text::kMenuStatistics, "viewStatistics", false);
    Connect("viewSettings", &CMainFrame::OnViewSettings);
    Connect("viewFingers", &CMainFrame::OnViewFingers);
    Connect("viewStatistics", &CMainFrame::OnViewStatistics);

    QMenu* exercise = menuBar()->addMenu(Tr(text::kMenuExercise));
    AddAction(exercise, text::kMenuPrevious, "exercisePrevious", false);
    AddAction(exercise, text::kMenuNext, "exerciseNext", false);
    AddAction(exercise, text::kMenuRestart, "exerciseRestart", false);
    AddAction(exercise, text::kMenuJump, "exerciseJump", false);
    AddAction(exercise, text::kMenuPractice, "exercisePractice", false);
    exercise->addSeparator();
    AddAction(exercise, text::kMenuAutoAdvance, "autoAdvance", false)->setCheckable(true);
    Connect("exercisePrevious", &CMainFrame::OnPrevious);
    Connect("exerciseNext", &CMainFrame::OnNext);
    Connect("exerciseRestart", &CMainFrame::OnRestart);
    Connect("exerciseJump", &CMainFrame::OnJump);
    Connect("exercisePractice", &CMainFrame::OnPractice);
    Connect("autoAdvance", &CMainFrame::OnAutoAdvance);
    // The sound switch has a toolbar button only; it is off limits while "audio" is "disable".
    auto* sound = new QAction(this);
    sound->setObjectName(QStringLiteral("soundSwitch"));
    sound->setCheckable(true);
    sound->setEnabled(config_.audio > -1);
    connect(sound, &QAction::triggered, this, &CMainFrame::OnSoundSwitch);
    // The toolbar of an English-speaking user also starts the add-on; the companions connect
    // the button when they attach.
    if (QLocale().language() == QLocale::English) {
        auto* drillPlus = new QAction(this);
        drillPlus->setObjectName(QStringLiteral("drillPlus"));
        drillPlus->setEnabled(false);
    }

    QMenu* improve = menuBar()->addMenu(Tr(text::kMenuImprove));
    AddAction(improve, text::kMenuAboutDrillPlus, "aboutDrillPlus", false);

    QMenu* help = menuBar()->addMenu(Tr(text::kMenuHelp));
    AddAction(help, text::kMenuHelpPage, "helpIndex", false);
    AddAction(help, text::kMenuTips, "helpTips", false);
    connect(AddAction(help, text::kMenuAbout, "appAbout", true), &QAction::triggered, this,
            &CMainFrame::OnAppAbout);
    AddAction(help, text::kMenuWebSite, "webSite", false);
}

void CMainFrame::Connect(const char* name, void (CMainFrame::*handler)()) {
    QAction* action = Action(QString::fromLatin1(name));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, handler);
}

// The toolbar, the status bar and the two bars docked at the bottom, letters bar lowest.
void CMainFrame::CreateBars() {
    toolBar_ = CreateFrameToolBar(*this, [this](const QString& name) { return Action(name); });
    panes_ = new CStatusPanes(statusBar(), CStatusPanes::PlatformReportsLocks());
    lettersBar_ = new CLettersBar(this);
    exerciseBar_ = new CExerciseBar(this);
    // The keyboard right under the exercise, then the bars, as rows of the bottom edge.
    keyboardDock_ = new CKeyboardDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, keyboardDock_, Qt::Vertical);
    keyboardDock_->WatchKeys(view_);
    keyboardDock_->AddToMenu(Action(QStringLiteral("viewStatistics")));
    addDockWidget(Qt::BottomDockWidgetArea, exerciseBar_, Qt::Vertical);
    addDockWidget(Qt::BottomDockWidgetArea, lettersBar_, Qt::Vertical);
    // Titled, so that the bars' context menu and a floating bar name them; the "Ver" check marks
    // follow the bars however they are shown or hidden.
    toolBar_->setWindowTitle(Tr(text::kToolBarTitle));
    exerciseBar_->setWindowTitle(Tr(text::kExerciseBarTitle));
    lettersBar_->setWindowTitle(Tr(text::kLettersBarTitle));
    exerciseBar_->setObjectName(QStringLiteral("exerciseBar"));
    lettersBar_->setObjectName(QStringLiteral("lettersBar"));
    connect(toolBar_->toggleViewAction(), &QAction::toggled, Action(QStringLiteral("viewToolbar")),
            &QAction::setChecked);
}

// The modeless dialogs live as long as the frame, hidden until their commands show them.
void CMainFrame::CreateDialogs() {
    fingerDlg_ = new CFingerDlg(this);
    connect(fingerDlg_, &CFingerDlg::closedByUser, this, &CMainFrame::OnFingerGuideClosed);
    view_->SetFingerTable(&fingerDlg_->Table());
    jumpDlg_ = new CJumpDlg(this);
    connect(jumpDlg_, &CJumpDlg::exerciseChosen, this, &CMainFrame::OnExerciseChosen);
    settingsDlg_ = new CSettingsDlg(prompts_, this);
    connect(settingsDlg_, &CSettingsDlg::settingsApplied, this, &CMainFrame::OnSettingsApplied);
    connect(settingsDlg_, &CSettingsDlg::layoutApplied, this, &CMainFrame::OnLayoutApplied);
    const TypingMarks marks = LoadTypingMarks();
    settingsDlg_->SetTypingMarks(marks);
    view_->SetTypingMarks(marks);
    statsDlg_ = new CStatsDlg(this);
    statsDlg_->SetProgressSource([this] { return journal_->Progress(); });
    statsDlg_->SetKeySpeedSource([this] { return journal_->KeySpeeds(); });
    connect(keyboardDock_, &CKeyboardDock::mapChanged, statsDlg_, &CStatsDlg::SetKeyboardMap);
}

bool CMainFrame::Create() {
    const std::filesystem::path fingers = documents_.ProgramFolder() / "fingers.txt";
    if (!fingerDlg_->LoadFingerFile(fingers)) {
        prompts_.Message(
            FromCp1252(text::kImportantFileMissing).arg(QString::fromStdString(fingers.string())),
            QMessageBox::Critical);
        return false;
    }
    fingerGuideShown_ = false;
    settingsDlg_->FillLayouts(fingerDlg_->Table().LayoutNames());
    // Without a journal the tutor works as before: the link has said why, once.
    journal_->Open();
    // The window comes back where the user left it, its bars too; the first time it fits the
    // screen, however large the scale.
    const QSettings store = UserSettings();
    if (!restoreGeometry(store.value(QStringLiteral("Settings/WindowGeometry")).toByteArray()) &&
        screen())
        resize(size().boundedTo(screen()->availableGeometry().size()));
    restoreState(store.value(QStringLiteral("Settings/WindowState")).toByteArray());
    Action(QStringLiteral("viewToolbar"))->setChecked(!toolBar_->isHidden());
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
        auto* action =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
                            QString(files.at(i)).replace(QLatin1Char('&'), QStringLiteral("&&"))),
                        this);
        action->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { OnRecentFile(i); });
        fileMenu_->insertAction(exitSeparator_, action);
        recentActions_.append(action);
    }
    exitSeparator_->setVisible(!files.isEmpty());
}

QAction* CMainFrame::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QString CMainFrame::ExerciseBarText() const {
    return exerciseBar_->Summary();
}
QString CMainFrame::LettersBarText() const {
    return QStringLiteral("Bien %1  Mal %2").arg(lettersBar_->Good(), lettersBar_->Bad());
}
QString CMainFrame::ExercisePaneText() const {
    return panes_->ExerciseText();
}
QString CMainFrame::AutoPaneText() const {
    return panes_->AutoText();
}

void CMainFrame::ShowErrorLevel(int errors) {
    errorLevel_ = errors;
    keyboardDock_->AfterCharacter(view_->Engine());
    exerciseBar_->ShowLargeDisc(ErrorLevelDisc(errors, documents_.Document().okThreshold));
}

void CMainFrame::ShowTurnFigures(const CTurnRecord& record, int turnNumber) {
    exerciseBar_->ShowFigures(FormatTurnFigures(record, turnNumber));
}

void CMainFrame::ShowTurnDiscs(const std::array<int, 10>& history) {
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
}

void CMainFrame::ShowFingerFor(char next) {
    fingerDlg_->ShowFingerFor(next);
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
    panes_->SetAuto(documents_.Document().autoAdvance == 1);
}

void CMainFrame::UpdateCommandStates() {
    const CZAVTypeDoc& doc = documents_.Document();
    Action(QStringLiteral("autoAdvance"))->setChecked(doc.autoAdvance == 1);
    Action(QStringLiteral("soundSwitch"))->setChecked(doc.soundOn);
    Action(QStringLiteral("viewFingers"))->setChecked(fingerGuideShown_);
    UpdateStatusPanes();
}

// New, Open and another course: the settings dialog shows the document's values again, and
// the finger guide follows the document's layout (New resets it to the first).
void CMainFrame::DocumentReplaced() {
    CZAVTypeDoc& doc = documents_.Document();
    journal_->DocumentReplaced(documents_.FilePath());
    doc.slowLetters.clear();
    settingsDlg_->LoadFromDocument(doc);
    fingerDlg_->SetLayout(doc.keyboardLayout);
    ApplyKeyboardLayout();
    view_->RefreshFont();
    view_->StartExercise();
    UpdateCommandStates();
    RefreshGraph();  // an open statistics dialog shows the new document at once
}

int CMainFrame::LayoutCount() const {
    return fingerDlg_->Table().LayoutCount();
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
    CAboutDlg dialog(this);
    dialog.exec();
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
