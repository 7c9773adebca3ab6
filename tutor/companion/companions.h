#pragma once
// The tutor's side of its companion programs: its own message port, the help viewer started
// and stopped with "&Ayuda", the exercise it is told about, the add-on and the course path the
// add-on sends, and the two commands that open a page outside the tutor.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QTimer>

#include "core/companion/companion_link.h"
#include "shared/port.h"
#include "shared/port_receiver.h"
#include "shared/port_sender.h"
#include "tutor/companion/process_watch.h"

namespace zav::ui {

class CDocumentHost;
class CMainFrame;
class CPrompts;

// The message port as the link's channel: posts that find the receiver full wait in the
// sender and go out from the event loop.
class CPortChannel : public IMessageChannel {
  public:
    PostStatus Post(std::uint32_t id, std::uint32_t message, std::int32_t wparam,
                    std::int32_t lparam) override;
    bool IsOpen(std::uint32_t id) override;
    bool IsRunning(std::uint32_t id) override;
    Clock::time_point Now() override { return Clock::now(); }

    port::CPortSender& Sender() { return sender_; }

  private:
    port::CPortSender sender_;
};

class CCompanions : public QObject {
    Q_OBJECT

  public:
    CCompanions(CDocumentHost& documents, CPrompts& prompts, QObject* parent = nullptr);
    ~CCompanions() override;

    // Connects the frame's commands and the course exercises its view starts.
    void Attach(CMainFrame& frame);

    // Commands.
    void OnHelp();
    void OnShowTips();
    void OnAddOn();
    void OnAboutDrillPlus();
    void OnWebSite();
    // The view started a course exercise.
    void OnExerciseStarted(int exercise);

    const CCompanionLink& Link() const { return link_; }
    const port::CPortReceiver& Receiver() const { return receiver_; }
    bool PortOpen() const { return receiver_.IsOpen(); }
    port::PortId OwnId() const { return receiver_.Id(); }
    port::PortId AddOnId() const { return addOnId_; }
    // True while a start sequence still has steps to run.
    bool Starting() const { return link_.NextTick().has_value(); }
    QString ViewerPath() const;
    QString AddOnPath() const;

    // Arguments given to the viewer (none in use; tests ask for its trace).
    void SetViewerArguments(const QStringList& arguments) { viewerArguments_ = arguments; }
    // What opens the upgrade page and the project's page (the desktop's default viewer in use).
    void SetUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }

  signals:
    // After every change that may move the check mark of "&Ayuda".
    void HelpStateChanged(bool viewerKnown);

  private:
    void OnMessage(quint32 message, qint32 wparam, qint32 lparam);
    void OnMessagesLost(quint64 count);
    void OnLoadCourseChar(qint32 wparam);
    void OnTick();
    void OnProcessEnded(quint32 pid);
    void OnUnreachable(quint32 id);
    void StartHelpViewer();
    void ShowExerciseHelp(int exercise, bool show);
    // After every step of the link: the next step's timer, the user told of a failure, the
    // check mark.
    void Settle();
    void HelpStateMayHaveChanged();
    QWidget* DialogParent() const;
    // A page shipped beside the program, such as "help/upgrade.htm".
    QUrl ShippedPage(const char* page) const;

    CDocumentHost& documents_;
    CPrompts& prompts_;
    CPortChannel channel_;
    port::CPortReceiver receiver_;
    CCompanionLink link_;
    CProcessWatch processes_;
    QTimer tick_;
    port::PortId watchedViewer_ = 0;  // the viewer whose posts may wait in the sender
    port::PortId addOnId_ = 0;
    bool shownNoPort_ = false;
    // A course path that failed to load, and the time since its report or its last copy.
    std::string failedPath_;
    QElapsedTimer sinceFailure_;
    QStringList viewerArguments_;
    std::function<void(const QUrl&)> openUrl_;
    QPointer<CMainFrame> frame_;
};

}  // namespace zav::ui
