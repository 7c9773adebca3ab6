#include "helpviewer/help_app.h"

#include <string>

#include "core/port/messages.h"
#include "helpviewer/help_window.h"

namespace zav::help {

Options ParseArguments(int argc, const char* const* argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") break;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--trace" && i + 1 < argc) {
            options.trace = QString::fromLocal8Bit(argv[++i]);
        }
    }
    return options;
}

CHelpApp::CHelpApp(CHelpWindow& window, std::function<void(int)> endProcess, port::PortId ownId,
                   QObject* parent)
    : QObject(parent), window_(window), endProcess_(std::move(endProcess)), receiver_(ownId) {
    connect(&receiver_, &port::CPortReceiver::MessageArrived, this, &CHelpApp::OnMessage);
    // A name that lost characters on the way would name another table: refused whole.
    connect(&receiver_, &port::CPortReceiver::MessagesLost, this,
            [this] { courseFileName_.Spoil(); });
}

void CHelpApp::OnMessage(quint32 message, qint32 wparam, qint32 lparam) {
    switch (message) {
        case TM_SHOW_EXERCISE_HELP:
            window_.SelectExercisePage(wparam, lparam);
            break;
        case TM_TUTOR_THREAD:
            tutorThreadId_ = static_cast<port::PortId>(wparam);
            break;
        case TM_QUIT_HELP:
            OnQuit();
            break;
        case TM_COURSE_NAME_CHAR:
            OnCourseNameChar(wparam);
            break;
        default:
            break;  // not a message of the viewer
    }
}

void CHelpApp::OnCourseNameChar(qint32 wparam) {
    const auto step = courseFileName_.Add(wparam);
    if (step.status == CStringCollector::Status::kComplete) {
        window_.LoadPageTable(step.text);
    } else if (step.status == CStringCollector::Status::kRefused) {
        window_.ReportNoPageTable();
    }
}

void CHelpApp::OnQuit() {
    ExitStep();
    receiver_.Close();
    endProcess_(0);
}

void CHelpApp::ExitStep() {
    if (exited_) return;
    exited_ = true;
    if (tutorThreadId_ != 0) port::Post(tutorThreadId_, TM_HELP_CLOSED, 0, 0);
}

}  // namespace zav::help
