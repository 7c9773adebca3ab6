#include "tutor/companion/companions.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdio>

#include "core/app/strings.h"
#include "core/port/messages.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "tutor/app/document_host.h"
#include "tutor/app/main_frame.h"
#include "tutor/companion/add_on_missing_dlg.h"
#include "tutor/texts.h"

namespace zav::ui {

namespace {

// Starts `program` as a process of its own that outlives the tutor; its id, or 0.
port::PortId StartDetached(const QString& program, const QStringList& arguments) {
    return CProcessWatch::Spawn(program, arguments);
}

}  // namespace

IMessageChannel::PostStatus CPortChannel::Post(std::uint32_t id, std::uint32_t message,
                                               std::int32_t wparam, std::int32_t lparam) {
    switch (sender_.Post(id, port::Message{message, wparam, lparam})) {
        case port::PostResult::kSent:
            return PostStatus::kSent;
        case port::PostResult::kNoReceiver:
            return PostStatus::kGone;
        case port::PostResult::kTimedOut:
        case port::PostResult::kFailed:
            break;
    }
    return PostStatus::kFailed;
}

bool CPortChannel::IsOpen(std::uint32_t id) {
    return port::IsPortOpen(id);
}

bool CPortChannel::IsRunning(std::uint32_t id) {
    return CProcessWatch::IsRunning(id);
}

CCompanions::CCompanions(CDocumentHost& documents, CPrompts& prompts, QObject* parent)
    : QObject(parent),
      documents_(documents),
      prompts_(prompts),
      link_(channel_, receiver_.Id()),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    // Without a port the tutor still works; only the companions cannot answer it.
    if (!receiver_.IsOpen())
        std::fprintf(stderr, "ZAVType: no message port: %s\n", qPrintable(receiver_.Error()));
    connect(&receiver_, &port::CPortReceiver::MessageArrived, this, &CCompanions::OnMessage);
    connect(&receiver_, &port::CPortReceiver::MessagesLost, this, &CCompanions::OnMessagesLost);
    connect(&channel_.Sender(), &port::CPortSender::Unreachable, this, &CCompanions::OnUnreachable);
    connect(&processes_, &CProcessWatch::Ended, this, &CCompanions::OnProcessEnded);
    tick_.setSingleShot(true);
    connect(&tick_, &QTimer::timeout, this, &CCompanions::OnTick);
}

CCompanions::~CCompanions() {
    if (frame_) frame_->SetExerciseHelpSink(nullptr);
}

void CCompanions::Attach(CMainFrame& frame) {
    frame_ = &frame;
    const FrameActions& actions = frame.Actions();
    QAction* help = actions.helpIndex;
    help->setCheckable(true);
    help->setEnabled(true);
    connect(help, &QAction::triggered, this, &CCompanions::OnHelp);
    connect(this, &CCompanions::HelpStateChanged, help, &QAction::setChecked);
    const struct {
        QAction* action;
        void (CCompanions::*handler)();
    } commands[] = {{actions.helpTips, &CCompanions::OnShowTips},
                    {actions.aboutDrillPlus, &CCompanions::OnAboutDrillPlus},
                    {actions.webSite, &CCompanions::OnWebSite},
                    {actions.drillPlus, &CCompanions::OnAddOn}};
    for (const auto& command : commands) {
        if (!command.action) continue;  // the add-on's button exists on English desktops only
        command.action->setEnabled(true);
        connect(command.action, &QAction::triggered, this, command.handler);
    }
    frame.SetExerciseHelpSink([this](int exercise) { OnExerciseStarted(exercise); });
    HelpStateMayHaveChanged();
}

QString CCompanions::ViewerPath() const {
    return QDir(QString::fromStdString(documents_.ProgramFolder().string()))
        .absoluteFilePath(FromCp1252(text::kHelpViewerProgram));
}

QString CCompanions::AddOnPath() const {
    const QDir folder(QString::fromStdString(documents_.ProgramFolder().string()));
    return QDir::cleanPath(folder.absoluteFilePath(
        QStringLiteral("../%1/%2")
            .arg(FromCp1252(text::kAddOnFolder), FromCp1252(text::kAddOnProgram))));
}

QWidget* CCompanions::DialogParent() const {
    return frame_.data();
}

void CCompanions::HelpStateMayHaveChanged() {
    emit HelpStateChanged(link_.HelpKnown());
}

void CCompanions::Settle() {
    // A forgotten viewer stays watched until it ends, so that its end is collected.
    if (watchedViewer_ != 0 && watchedViewer_ != link_.HelpId()) {
        channel_.Sender().Forget(watchedViewer_);
        watchedViewer_ = 0;
    }
    if (const auto next = link_.NextTick()) {
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - channel_.Now());
        tick_.start(static_cast<int>(std::max<std::int64_t>(0, wait.count())));
    } else {
        tick_.stop();
    }
    HelpStateMayHaveChanged();
    switch (link_.TakeFailure()) {
        case CCompanionLink::Failure::kNone:
            break;
        case CCompanionLink::Failure::kEnded:
            prompts_.Message(Tr(text::kHelpEnded), QMessageBox::Warning);
            break;
        case CCompanionLink::Failure::kUnreachable:
            prompts_.Message(Tr(text::kHelpUnreachable), QMessageBox::Warning);
            break;
    }
}

// An on/off switch: a known viewer is asked to quit, otherwise one is started.
void CCompanions::OnHelp() {
    if (!link_.QuitHelp()) StartHelpViewer();
    Settle();
}

void CCompanions::OnShowTips() {
    if (!link_.HelpKnown()) StartHelpViewer();
    ShowExerciseHelp(documents_.Document().exercise, true);
    Settle();
}

void CCompanions::OnExerciseStarted(int exercise) {
    if (!link_.HelpKnown()) return;
    ShowExerciseHelp(exercise, true);
    Settle();
}

void CCompanions::ShowExerciseHelp(int exercise, bool show) {
    const QString course = QString::fromStdString(documents_.Document().course.Path());
    link_.ShowExerciseHelp(ToCp1252(course), exercise, show);
}

void CCompanions::OnTick() {
    link_.Tick();
    Settle();
}

void CCompanions::OnProcessEnded(quint32 pid) {
    link_.ProcessEnded(pid);
    Settle();
}

void CCompanions::OnUnreachable(quint32 id) {
    link_.PostFailed(id);
    Settle();
}

// The steps of the start sequence run from the event loop (Settle arms their timer): the
// window keeps painting and taking keys meanwhile.
void CCompanions::StartHelpViewer() {
    if (!receiver_.IsOpen()) {
        // The viewer could neither report its end nor, with the folder refused, be reached.
        prompts_.Message(Tr(text::kHelpNoPort).arg(receiver_.Error()), QMessageBox::Warning);
        return;
    }
    const port::PortId viewer = StartDetached(ViewerPath(), viewerArguments_);
    if (viewer == 0) {
        prompts_.Message(Tr(text::kCreateProcessFailed).arg(ViewerPath()), QMessageBox::Warning);
        return;
    }
    watchedViewer_ = viewer;
    processes_.Watch(viewer);
    const CZAVTypeDoc& doc = documents_.Document();
    link_.StartHelp(viewer, ToCp1252(QString::fromStdString(doc.course.Path())), doc.exercise);
}

// A failed start shows where the add-on was looked for and nothing more: there is no process
// to wait for or to introduce the tutor to.
void CCompanions::OnAddOn() {
    const QString path = AddOnPath();
    const port::PortId addOn = StartDetached(path, {});
    if (addOn == 0) {
        CAddOnMissingDlg dialog(path, ShippedPage(text::kProjectPage), openUrl_, DialogParent());
        dialog.exec();
        return;
    }
    addOnId_ = addOn;
    processes_.Watch(addOn);
    link_.StartAddOn(addOnId_);
    Settle();
}

QUrl CCompanions::ShippedPage(const char* page) const {
    const QDir folder(QString::fromStdString(documents_.ProgramFolder().string()));
    return QUrl::fromLocalFile(folder.absoluteFilePath(FromCp1252(page)));
}

void CCompanions::OnAboutDrillPlus() {
    openUrl_(ShippedPage(text::kUpgradePage));
}

void CCompanions::OnWebSite() {
    openUrl_(ShippedPage(text::kProjectPage));
}

void CCompanions::OnMessage(quint32 message, qint32 wparam, qint32 /*lparam*/) {
    switch (message) {
        case TM_HELP_CLOSED:
            link_.HelpClosed();
            Settle();
            break;
        case TM_LOAD_COURSE_CHAR:
            OnLoadCourseChar(wparam);
            break;
        default:
            break;  // not a message of the tutor
    }
}

void CCompanions::OnMessagesLost(quint64 count) {
    link_.MessagesLost();
    std::fprintf(stderr, "ZAVType: %llu messages dropped, %llu in all\n",
                 static_cast<unsigned long long>(count),
                 static_cast<unsigned long long>(receiver_.Dropped()));
}

// The course is loaded as "Cargar Curso" loads it; one that cannot be opened is reported by
// name and the tutor keeps the course it has; the add-on may send the path in UTF-8 or in
// Windows-1252. Copies of that path that keep arriving less than
// a second apart after the report was closed are not reported again: one message box per
// failure, not one per copy of a flood.
void CCompanions::OnLoadCourseChar(qint32 wparam) {
    const auto path = link_.LoadCourseChar(wparam);
    if (!path || path->empty()) return;
    constexpr qint64 kQuietMs = 1000;
    if (*path == failedPath_ && sinceFailure_.isValid() && sinceFailure_.elapsed() < kQuietMs) {
        sinceFailure_.restart();
        return;
    }
    failedPath_.clear();
    if (!documents_.LoadCourse(FromUtf8OrCp1252(*path))) {
        failedPath_ = *path;
        sinceFailure_.start();  // from the moment the report was closed
    }
}

}  // namespace zav::ui
