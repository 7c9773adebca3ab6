#pragma once
// The viewer's application object: receives the tutor's messages on the viewer's port and
// carries them out on the window; says goodbye to the tutor when the viewer ends.
#include <QObject>
#include <QString>
#include <functional>

#include "core/port/string_codec.h"
#include "shared/port.h"
#include "shared/port_receiver.h"

namespace zav::help {

class CHelpWindow;

// The viewer's command line. --help and --version are answered before Qt starts (no display
// needed); --trace is read from what Qt leaves. Any other argument is ignored.
struct Options {
    bool help = false;
    bool version = false;
    QString trace;
};
Options ParseArguments(int argc, const char* const* argv);

class CHelpApp : public QObject {
    Q_OBJECT

  public:
    // endProcess ends the program at once with the given status (TM_QUIT_HELP).
    CHelpApp(CHelpWindow& window, std::function<void(int)> endProcess,
             port::PortId ownId = port::OwnId(), QObject* parent = nullptr);

    port::CPortReceiver& Receiver() { return receiver_; }
    port::PortId TutorThreadId() const { return tutorThreadId_; }

    // Run once when the viewer ends: tells a known tutor that its viewer is gone.
    void ExitStep();

  private:
    void OnMessage(quint32 message, qint32 wparam, qint32 lparam);
    void OnCourseNameChar(qint32 wparam);
    void OnQuit();

    CHelpWindow& window_;
    std::function<void(int)> endProcess_;
    port::CPortReceiver receiver_;
    CStringCollector courseFileName_{kCourseNameCapacity};
    port::PortId tutorThreadId_ = 0;
    bool exited_ = false;
};

}  // namespace zav::help
