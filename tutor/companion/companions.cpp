#include "tutor/companion/companions.h"

#include <signal.h>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <cstdio>

#include "shared/messages.h"
#include "tutor/app/document_host.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/prompts.h"
#include "tutor/app/qt_text.h"
#include "tutor/companion/add_on_missing_dlg.h"
#include "tutor/resources/strings.h"

namespace zav::ui {

namespace {

// Starts `program` as a process of its own that outlives the tutor; its id, or 0.
port::PortId StartDetached(const QString& program, const QStringList& arguments) {
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid) || pid <= 0) return 0;
    return static_cast<port::PortId>(pid);
}

// While a start sequence holds the window, the pointer says so.
class CBusyCursor {
  public:
    CBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CBusyCursor() { QApplication::restoreOverrideCursor(); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

}  // namespace

IMessageChannel::PostStatus CPortChannel::Post(std::uint32_t id, std::uint32_t message,
                                               std::int32_t wparam, std::int32_t lparam) {
    switch (port::TryPost(id, port::Message{message, wparam, lparam})) {
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
    if (id == 0) return false;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

void CPortChannel::Sleep(std::chrono::milliseconds pause) {
    QThread::msleep(static_cast<unsigned long>(pause.count()));
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
}

CCompanions::~CCompanions() {
    if (frame_) frame_->SetExerciseHelpSink(nullptr);
}

void CCompanions::Attach(CMainFrame& frame) {
    frame_ = &frame;
    QAction* help = frame.Action(QStringLiteral("helpIndex"));
    help->setCheckable(true);
    help->setEnabled(true);
    connect(help, &QAction::triggered, this, &CCompanions::OnHelp);
    connect(this, &CCompanions::HelpStateChanged, help, &QAction::setChecked);
    const struct {
        const char* name;
        void (CCompanions::*handler)();
    } commands[] = {{"helpTips", &CCompanions::OnShowTips},
                    {"aboutDrillPlus", &CCompanions::OnAboutDrillPlus},
                    {"webSite", &CCompanions::OnWebSite},
                    {"drillPlus", &CCompanions::OnAddOn}};
    for (const auto& command : commands) {
        QAction* action = frame.Action(QString::fromLatin1(command.name));
        if (!action) continue;  // the add-on's toolbar button comes with the toolbar
        action->setEnabled(true);
        connect(action, &QAction::triggered, this, command.handler);
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

// An on/off switch: a known viewer is asked to quit, otherwise one is started.
void CCompanions::OnHelp() {
    if (!link_.QuitHelp()) StartHelpViewer();
    HelpStateMayHaveChanged();
}

void CCompanions::OnShowTips() {
    if (!link_.HelpKnown() || !channel_.IsOpen(link_.HelpId())) StartHelpViewer();
    link_.ShowExerciseHelp(documents_.Document().exercise, true);
    HelpStateMayHaveChanged();
}

void CCompanions::OnExerciseStarted(int exercise) {
    const bool known = link_.HelpKnown();
    link_.ShowExerciseHelp(exercise, true);
    if (known != link_.HelpKnown()) HelpStateMayHaveChanged();
}

void CCompanions::StartHelpViewer() {
    const port::PortId viewer = StartDetached(ViewerPath(), viewerArguments_);
    if (viewer == 0) {
        prompts_.Message(FromCp1252(text::kCreateProcessFailed).arg(ViewerPath()),
                         QMessageBox::Warning);
        return;
    }
    const CZAVTypeDoc& doc = documents_.Document();
    CBusyCursor busy;
    link_.StartHelp(viewer, ToCp1252(QString::fromStdString(doc.course.Path())), doc.exercise);
}

// A failed start shows where the add-on was looked for and nothing more: there is no process
// to wait for or to introduce the tutor to.
void CCompanions::OnAddOn() {
    const QString path = AddOnPath();
    const port::PortId addOn = StartDetached(path, {});
    if (addOn == 0) {
        CAddOnMissingDlg dialog(path, openUrl_, DialogParent());
        dialog.exec();
        return;
    }
    addOnId_ = addOn;
    CBusyCursor busy;
    if (link_.WaitForPort(addOnId_) || channel_.IsRunning(addOnId_)) link_.Introduce(addOnId_);
}

void CCompanions::OnAboutDrillPlus() {
    const QDir folder(QString::fromStdString(documents_.ProgramFolder().string()));
    openUrl_(QUrl::fromLocalFile(folder.absoluteFilePath(FromCp1252(text::kUpgradePage))));
}

void CCompanions::OnWebSite() {
    openUrl_(QUrl(FromCp1252(text::kWebSiteUrl)));
}

void CCompanions::OnMessage(quint32 message, qint32 wparam, qint32 /*lparam*/) {
    switch (message) {
        case TM_HELP_CLOSED:
            link_.HelpClosed();
            HelpStateMayHaveChanged();
            break;
        case TM_LOAD_COURSE_CHAR:
            OnLoadCourseChar(wparam);
            break;
        default:
            break;  // not a message of the tutor
    }
}

// The course is loaded as "Cargar Curso" loads it; one that cannot be opened is reported by
// name and the tutor keeps the course it has.
void CCompanions::OnLoadCourseChar(qint32 wparam) {
    const auto path = link_.LoadCourseChar(wparam);
    if (!path || path->empty()) return;
    documents_.LoadCourse(FromCp1252(*path));
}

}  // namespace zav::ui
