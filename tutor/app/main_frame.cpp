#include "tutor/app/main_frame.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

#include "tutor/app/about_dlg.h"
#include "tutor/app/prompts.h"
#include "tutor/app/qt_text.h"
#include "tutor/app/recent_files.h"
#include "tutor/resources/strings.h"
#include "tutor/typing/zavtype_view.h"

namespace zav::ui {

CMainFrame::CMainFrame(const CConfig& config, CDocumentHost& documents, CPrompts& prompts,
                       CRecentFiles& recent)
    : config_(config), documents_(documents), prompts_(prompts), recent_(recent) {
    resize(730, 400);
    setAcceptDrops(true);
    view_ = new CZAVTypeView(config_, documents_.Document(), this);
    view_->SetHost(this);
    setCentralWidget(view_);
    CreateMenus();
    CreateBars();
    documents_.SetViews(this);
    prompts_.SetParent(this);
    TitleChanged();
}

CMainFrame::~CMainFrame() {
    documents_.SetViews(nullptr);
    prompts_.SetParent(nullptr);
}

QAction* CMainFrame::AddAction(QMenu* menu, const char* text, const char* name, bool enabled) {
    QAction* action = menu->addAction(FromCp1252(text));
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

void CMainFrame::CreateMenus() {
    // The shortcut texts of the "Archivo" entries are shown only; the tutor has no shortcuts.
    fileMenu_ = menuBar()->addMenu(FromCp1252(text::kMenuFile));
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
    AddAction(fileMenu_, text::kMenuReport, "report", false);
    recentSeparator_ = fileMenu_->addSeparator();
    exitSeparator_ = fileMenu_->addSeparator();
    connect(AddAction(fileMenu_, text::kMenuExit, "appExit", true), &QAction::triggered, this,
            &CMainFrame::OnAppExit);
    RebuildRecentMenu();

    QMenu* view = menuBar()->addMenu(FromCp1252(text::kMenuView));
    AddAction(view, text::kMenuToolbar, "viewToolbar", false);
    AddAction(view, text::kMenuStatusBar, "viewStatusBar", false);
    AddAction(view, text::kMenuSettings, "viewSettings", false);
    AddAction(view, text::kMenuFingers, "viewFingers", false);
    AddAction(view, text::kMenuStatistics, "viewStatistics", false);

    QMenu* exercise = menuBar()->addMenu(FromCp1252(text::kMenuExercise));
    AddAction(exercise, text::kMenuPrevious, "exercisePrevious", false);
    AddAction(exercise, text::kMenuNext, "exerciseNext", false);
    AddAction(exercise, text::kMenuRestart, "exerciseRestart", false);
    AddAction(exercise, text::kMenuJump, "exerciseJump", false);
    AddAction(exercise, text::kMenuPractice, "exercisePractice", false);
    exercise->addSeparator();
    AddAction(exercise, text::kMenuAutoAdvance, "autoAdvance", false);

    QMenu* improve = menuBar()->addMenu(FromCp1252(text::kMenuImprove));
    AddAction(improve, text::kMenuAboutDrillPlus, "aboutDrillPlus", false);

    QMenu* help = menuBar()->addMenu(FromCp1252(text::kMenuHelp));
    AddAction(help, text::kMenuHelpPage, "helpIndex", false);
    AddAction(help, text::kMenuTips, "helpTips", false);
    connect(AddAction(help, text::kMenuAbout, "appAbout", true), &QAction::triggered, this,
            &CMainFrame::OnAppAbout);
    AddAction(help, text::kMenuWebSite, "webSite", false);
}

// Plain stand-ins for the exercise and letters bars; they show what the view reports.
void CMainFrame::CreateBars() {
    auto* exerciseBar = new QDockWidget(this);
    exerciseBar->setObjectName(QStringLiteral("exerciseBar"));
    exerciseBar->setFeatures(QDockWidget::DockWidgetMovable);
    auto* exerciseContent = new QWidget(exerciseBar);
    auto* row = new QHBoxLayout(exerciseContent);
    figures_ = new QLabel(exerciseContent);
    discs_ = new QLabel(exerciseContent);
    row->addWidget(figures_, 1);
    row->addWidget(discs_);
    exerciseBar->setWidget(exerciseContent);

    auto* lettersBar = new QDockWidget(this);
    lettersBar->setObjectName(QStringLiteral("lettersBar"));
    lettersBar->setFeatures(QDockWidget::DockWidgetMovable);
    letters_ = new QLabel(lettersBar);
    lettersBar->setWidget(letters_);
    addDockWidget(Qt::BottomDockWidgetArea, lettersBar);
    addDockWidget(Qt::BottomDockWidgetArea, exerciseBar);

    exercisePane_ = new QLabel(this);
    exercisePane_->setMinimumWidth(
        exercisePane_->fontMetrics().horizontalAdvance(FromCp1252(text::kExercisePaneWidth)));
    autoPane_ = new QLabel(this);
    autoPane_->setMinimumWidth(autoPane_->fontMetrics().horizontalAdvance(QStringLiteral("AUTO")));
    statusBar()->addPermanentWidget(exercisePane_);
    statusBar()->addPermanentWidget(autoPane_);
}

void CMainFrame::RebuildRecentMenu() {
    for (QAction* action : recentActions_) {
        fileMenu_->removeAction(action);
        delete action;
    }
    recentActions_.clear();
    const QStringList& files = recent_.Files();
    for (int i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files.at(i)), this);
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
    return figures_->text() + ' ' + discs_->text();
}
QString CMainFrame::LettersBarText() const {
    return letters_->text();
}
QString CMainFrame::ExercisePaneText() const {
    return exercisePane_->text();
}
QString CMainFrame::AutoPaneText() const {
    return autoPane_->text();
}

void CMainFrame::ShowErrorLevel(int errors) {
    errorLevel_ = errors;
}

void CMainFrame::ShowTurnFigures(const CTurnRecord& record, int turnNumber) {
    figures_->setText(QStringLiteral("Duración %1  Letras %2  Palabras %3  Errores %4  %5  "
                                     "Intentos %6")
                          .arg(record.duration * 0.01, 0, 'f', 3)
                          .arg(record.letters)
                          .arg(record.words)
                          .arg(record.errors)
                          .arg(FromCp1252(record.errorLetters))
                          .arg(turnNumber));
}

void CMainFrame::ShowTurnDiscs(const std::array<int, 10>& history) {
    QStringList discs;
    for (int i = 0; i < 4; ++i)
        discs << (history[i] < 0 ? QStringLiteral("-") : QString::number(history[i]));
    discs_->setText(discs.join(' '));
}

void CMainFrame::ShowLetterLists(const std::string& good, const std::string& bad) {
    letters_->setText(
        QStringLiteral("Letras: Bien %1  Mal %2").arg(FromCp1252(good), FromCp1252(bad)));
}

void CMainFrame::MarkModified() {
    documents_.SetModified(true);
}

void CMainFrame::UpdateStatusPanes() {
    exercisePane_->setText(view_->StatusText());
    autoPane_->setText(documents_.Document().autoAdvance == 1 ? FromCp1252(text::kAutoPane)
                                                              : QString());
}

void CMainFrame::DocumentReplaced() {
    view_->RefreshFont();
    view_->StartExercise();
    UpdateStatusPanes();
}

void CMainFrame::TitleChanged() {
    setWindowTitle(documents_.Title() + QStringLiteral(" - ") + FromCp1252(text::kWindowTitle));
    RebuildRecentMenu();
}

void CMainFrame::OnFileNew() {
    if (documents_.SaveModified()) documents_.NewDocument();
}

void CMainFrame::OnFileOpen() {
    const QString file = prompts_.OpenFileName(QStringLiteral("Abrir"),
                                               FromCp1252(text::kProgressFilter), QString());
    if (!file.isEmpty()) OpenFile(file);
}

void CMainFrame::OpenFile(const QString& file) {
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
        prompts_.OpenFileName(FromCp1252(text::kLoadCourseTitle), QString(),
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
