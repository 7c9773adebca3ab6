#include "helpviewer/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

#include "core/app/course_strings.h"
#include "helpviewer/help_browser.h"
#include "helpviewer/message_sink.h"
#include "helpviewer/texts.h"
#include "shared/about_dlg.h"
#include "shared/qt_text.h"

namespace zav::help {

CHelpWindow::CHelpWindow(QString helpFolder, IMessageSink& messages, QWidget* parent)
    : QMainWindow(parent),
      helpFolder_(std::move(helpFolder)),
      messages_(messages),
      browser_(new CHelpBrowser(this)) {
    // The program's icon for every window of the viewer, its About box and messages too.
    if (QApplication::windowIcon().availableSizes().isEmpty()) {
        QIcon icon;
        for (int size : {16, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icons/zavtype-%1.png").arg(size));
        QApplication::setWindowIcon(icon);
    }
    setWindowTitle(help_text::Tr(help_text::kUntitled) + " - " + help_text::kProgramName);
    resize(780, 600);
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    BuildActions();
}

void CHelpWindow::BuildActions() {
    auto make = [this](const char* text, const char* name, QStyle::StandardPixmap icon) {
        auto* action = new QAction(style()->standardIcon(icon), help_text::Tr(text), this);
        action->setObjectName(name);
        return action;
    };
    QAction* back = make(help_text::kBack, "actionBack", QStyle::SP_ArrowBack);
    QAction* forward = make(help_text::kForward, "actionForward", QStyle::SP_ArrowForward);
    QAction* contents = make(help_text::kContents, "actionContents", QStyle::SP_DirHomeIcon);
    QAction* exercise =
        make(help_text::kExerciseHelp, "actionExerciseHelp", QStyle::SP_DialogHelpButton);
    QAction* about = make(help_text::kAbout, "actionAbout", QStyle::SP_MessageBoxInformation);
    connect(back, &QAction::triggered, this, &CHelpWindow::OnBack);
    connect(forward, &QAction::triggered, this, &CHelpWindow::OnForward);
    connect(contents, &QAction::triggered, this, &CHelpWindow::OnContents);
    connect(exercise, &QAction::triggered, this, &CHelpWindow::OnExerciseHelp);
    connect(about, &QAction::triggered, this, &CHelpWindow::OnAbout);

    menuBar()->addMenu(help_text::Tr(help_text::kMenuHelp))->addAction(about);
    QMenu* go = menuBar()->addMenu(help_text::Tr(help_text::kMenuGo));
    go->addActions({back, forward, contents, exercise});

    QToolBar* bar = addToolBar(help_text::Tr(help_text::kMenuGo));
    bar->setObjectName("toolBar");
    bar->setMovable(true);  // the gripper
    bar->setIconSize(QSize(24, 24));
    bar->addActions({back, forward});
    bar->addSeparator();
    bar->addActions({contents, exercise});
    for (QAction* action : bar->actions()) {
        if (QWidget* button = bar->widgetForAction(action); button && !action->isSeparator()) {
            button->setFixedSize(30, 30);
        }
    }
}

void CHelpWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    OnContents();
}

void CHelpWindow::LoadPageTable(const std::string& courseName) {
    const QString path = QDir(helpFolder_).filePath(ui::FromUtf8OrCp1252(courseName));
    CUnmappable refused;
    auto table = zav::LoadPageTable(path.toStdString(), &refused);
    if (refused.line > 0) {
        messages_.ShowMessage(
            help_text::Tr(text::kPageTableUnmappable)
                .replace("%1", path)
                .replace("%2", QString::number(refused.line))
                .replace("%3", QString::fromStdString(DescribeUnmappable(refused))));
        return;
    }
    if (courseName.empty() || !table) {
        ReportNoPageTable();
        return;
    }
    table_ = std::move(*table);
}

void CHelpWindow::ReportNoPageTable() {
    messages_.ShowMessage(help_text::Tr(help_text::kNoPageTable));
}

void CHelpWindow::SelectExercisePage(int index, int flag) {
    const auto page = zav::SelectExercisePage(table_, index);
    if (!page) return;
    exercisePage_ = QDir(helpFolder_).filePath(ui::FromCp1252(*page));
    if (flag == 1) Show(exercisePage_);
}

void CHelpWindow::Show(const QString& path) {
    browser_->setSource(QUrl::fromLocalFile(path));
}

void CHelpWindow::OnBack() {
    browser_->backward();
}

void CHelpWindow::OnForward() {
    browser_->forward();
}

void CHelpWindow::OnContents() {
    Show(QDir(helpFolder_).filePath("index.htm"));
}

// Before the tutor has named an exercise there is no page of its own: the contents stand in.
void CHelpWindow::OnExerciseHelp() {
    if (exercisePage_.isEmpty()) {
        OnContents();
    } else {
        Show(exercisePage_);
    }
}

void CHelpWindow::OnAbout() {
    ui::CAboutDlg dialog(
        {QStringLiteral("About ZAVTHelp"), QStringLiteral("ZAVTHelp Version 1.0"), QString()},
        this);
    dialog.exec();
}

}  // namespace zav::help
