#include "tutor/companion/companion_link.h"

#include "shared/messages.h"

namespace zav {

namespace {

std::int32_t IdParam(std::uint32_t id) {
    return static_cast<std::int32_t>(id);
}

}  // namespace

IMessageChannel::PostStatus CCompanionLink::PostToHelp(std::uint32_t message, std::int32_t wparam,
                                                       std::int32_t lparam) {
    if (helpId_ == 0) return IMessageChannel::PostStatus::kGone;
    return channel_.Post(helpId_, message, wparam, lparam);
}

bool CCompanionLink::QuitHelp() {
    if (helpId_ == 0) return false;
    if (PostToHelp(TM_QUIT_HELP, IdParam(ownId_), 0) == IMessageChannel::PostStatus::kGone) {
        helpId_ = 0;
        return false;
    }
    return true;
}

void CCompanionLink::StartHelp(std::uint32_t viewerId, const std::string& coursePath,
                               int exercise) {
    helpId_ = viewerId;
    if (helpId_ == 0) return;
    // As in the original sequence, a viewer that does not answer in time is still posted to:
    // the posts fail and nothing else happens. It is forgotten by the next command's post.
    WaitForPort(helpId_);
    Introduce(helpId_);
    SendCourseName(coursePath);
    channel_.Sleep(kShowPause);
    PostToHelp(TM_SHOW_EXERCISE_HELP, exercise, 0);
}

bool CCompanionLink::WaitForPort(std::uint32_t id) {
    const auto deadline = channel_.Now() + kStartLimit;
    for (;;) {
        if (channel_.IsOpen(id)) return true;
        if (!channel_.IsRunning(id) || channel_.Now() >= deadline) return false;
        channel_.Sleep(kPortPoll);
    }
}

bool CCompanionLink::Introduce(std::uint32_t id) {
    for (int attempt = 1;; ++attempt) {
        if (channel_.Post(id, TM_TUTOR_THREAD, IdParam(ownId_), 0) ==
            IMessageChannel::PostStatus::kSent)
            return true;
        if (attempt == kIntroduceAttempts) return false;
        channel_.Sleep(kIntroducePause);
    }
}

void CCompanionLink::SendCourseName(const std::string& coursePath) {
    if (helpId_ == 0) return;
    std::int32_t position = 0;
    for (std::int32_t c : EncodeString(CourseFileName(coursePath)))
        PostToHelp(TM_COURSE_NAME_CHAR, c, position++);
}

void CCompanionLink::ShowExerciseHelp(int exercise, bool show) {
    if (PostToHelp(TM_SHOW_EXERCISE_HELP, exercise, show ? 1 : 0) ==
        IMessageChannel::PostStatus::kGone)
        helpId_ = 0;
}

std::optional<std::string> CCompanionLink::LoadCourseChar(std::int32_t wparam) {
    auto step = incomingCoursePath_.Add(wparam);
    if (step.status != CStringCollector::Status::kComplete) return std::nullopt;
    return std::move(step.text);
}

std::string CCompanionLink::CourseFileName(const std::string& coursePath) {
    const auto slash = coursePath.find_last_of('/');
    return slash == std::string::npos ? coursePath : coursePath.substr(slash + 1);
}

}  // namespace zav
