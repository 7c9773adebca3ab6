#include "core/companion/companion_link.h"

#include "core/port/messages.h"

namespace zav {

namespace {

using Status = IMessageChannel::PostStatus;

std::int32_t IdParam(std::uint32_t id) {
    return static_cast<std::int32_t>(id);
}

}  // namespace

void CIntroduction::Begin(std::uint32_t id, IMessageChannel::Clock::time_point now) {
    id_ = id;
    deadline_ = now + kStartLimit;
    portSeen_ = false;
    attempts_ = 0;
}

// A companion whose port does not answer in time is still tried: the introduction then fails
// and reports it.
CIntroduction::Outcome CIntroduction::Step(IMessageChannel& channel, std::uint32_t ownId,
                                           IMessageChannel::Clock::time_point* next) {
    const auto now = channel.Now();
    if (!portSeen_) {
        if (!channel.IsOpen(id_)) {
            if (!channel.IsRunning(id_)) return Outcome::kEnded;
            if (now < deadline_) {
                *next = now + kPortPoll;
                return Outcome::kPending;
            }
        }
        portSeen_ = true;
    }
    if (channel.Post(id_, TM_TUTOR_THREAD, IdParam(ownId), 0) == Status::kSent)
        return Outcome::kIntroduced;
    if (++attempts_ == kIntroduceAttempts) return Outcome::kRefused;
    if (!channel.IsRunning(id_)) return Outcome::kEnded;
    *next = now + kIntroducePause;
    return Outcome::kPending;
}

Status CCompanionLink::PostToHelp(std::uint32_t message, std::int32_t wparam, std::int32_t lparam) {
    if (helpId_ == 0) return Status::kGone;
    return channel_.Post(helpId_, message, wparam, lparam);
}

bool CCompanionLink::Posted(Status status) {
    if (status == Status::kSent) return true;
    Forget(status == Status::kGone && !HelpStarting() ? Failure::kNone : Failure::kUnreachable);
    return false;
}

void CCompanionLink::Forget(Failure failure) {
    helpId_ = 0;
    helpStep_ = HelpStep::kRunning;
    quitRequested_ = false;
    showRequested_ = false;
    courseSent_.reset();
    if (failure != Failure::kNone) failure_ = failure;
}

bool CCompanionLink::QuitHelp() {
    if (helpId_ == 0) return false;
    if (helpStep_ == HelpStep::kIntroducing) {
        quitRequested_ = true;  // asked once the viewer can be reached
        return true;
    }
    helpStep_ = HelpStep::kRunning;
    const Status status = PostToHelp(TM_QUIT_HELP, IdParam(ownId_), 0);
    if (status == Status::kGone) {
        Forget(Failure::kNone);
        return false;
    }
    return Posted(status) || failure_ != Failure::kNone;
}

void CCompanionLink::StartHelp(std::uint32_t viewerId, const std::string& coursePath,
                               int exercise) {
    Forget(Failure::kNone);
    helpId_ = viewerId;
    if (helpId_ == 0) return;
    coursePath_ = coursePath;
    exercise_ = exercise;
    helpStep_ = HelpStep::kIntroducing;
    helpIntro_.Begin(viewerId, channel_.Now());
    helpNext_ = channel_.Now();
    StepHelp();
}

void CCompanionLink::StartAddOn(std::uint32_t id) {
    addOnActive_ = id != 0;
    if (!addOnActive_) return;
    addOn_.Begin(id, channel_.Now());
    addOnNext_ = channel_.Now();
    StepAddOn();
}

void CCompanionLink::Tick() {
    const auto now = channel_.Now();
    if (HelpStarting() && now >= helpNext_) StepHelp();
    if (addOnActive_ && now >= addOnNext_) StepAddOn();
}

std::optional<CCompanionLink::Clock::time_point> CCompanionLink::NextTick() const {
    std::optional<Clock::time_point> next;
    if (HelpStarting()) next = helpNext_;
    if (addOnActive_ && (!next || addOnNext_ < *next)) next = addOnNext_;
    return next;
}

void CCompanionLink::StepHelp() {
    if (helpStep_ == HelpStep::kIntroducing) {
        switch (helpIntro_.Step(channel_, ownId_, &helpNext_)) {
            case CIntroduction::Outcome::kPending:
                return;
            case CIntroduction::Outcome::kEnded:
                Forget(quitRequested_ ? Failure::kNone : Failure::kEnded);
                return;
            case CIntroduction::Outcome::kRefused:
                Forget(Failure::kUnreachable);
                return;
            case CIntroduction::Outcome::kIntroduced:
                break;
        }
        if (quitRequested_) {
            helpStep_ = HelpStep::kRunning;
            QuitHelp();
            return;
        }
        SendCourseName(coursePath_);
        if (helpId_ == 0) return;
        helpStep_ = HelpStep::kShowPause;
        helpNext_ = channel_.Now() + kShowPause;
        return;
    }
    // The pause is over: the page of the exercise on screen, remembered but not shown; then
    // what the user asked for meanwhile.
    helpStep_ = HelpStep::kRunning;
    SendShow(exercise_, false);
    if (helpId_ != 0 && showRequested_) {
        showRequested_ = false;
        ShowExerciseHelp(coursePath_, exercise_, true);
    }
}

void CCompanionLink::StepAddOn() {
    if (addOn_.Step(channel_, ownId_, &addOnNext_) != CIntroduction::Outcome::kPending)
        addOnActive_ = false;
}

void CCompanionLink::SendCourseName(const std::string& coursePath) {
    const std::string name = CourseFileName(coursePath);
    std::int32_t position = 0;
    for (std::int32_t c : EncodeString(name))
        if (!Posted(PostToHelp(TM_COURSE_NAME_CHAR, c, position++))) return;
    courseSent_ = name;
}

void CCompanionLink::SendShow(int exercise, bool show) {
    Posted(PostToHelp(TM_SHOW_EXERCISE_HELP, exercise, show ? 1 : 0));
}

void CCompanionLink::ShowExerciseHelp(const std::string& coursePath, int exercise, bool show) {
    if (helpId_ == 0) return;
    if (HelpStarting()) {
        coursePath_ = coursePath;
        exercise_ = exercise;
        showRequested_ = showRequested_ || show;
        return;
    }
    if (courseSent_ != CourseFileName(coursePath)) {
        SendCourseName(coursePath);
        if (helpId_ == 0) return;
    }
    SendShow(exercise, show);
}

void CCompanionLink::HelpClosed() {
    Forget(Failure::kNone);
}

void CCompanionLink::ProcessEnded(std::uint32_t id) {
    if (addOnActive_ && addOn_.Id() == id) addOnActive_ = false;
    if (id == 0 || id != helpId_) return;
    // Ended before it answered: it never worked. Later, it was closed or killed.
    const bool answered = helpStep_ != HelpStep::kIntroducing;
    Forget(answered || quitRequested_ ? Failure::kNone : Failure::kEnded);
}

void CCompanionLink::PostFailed(std::uint32_t id) {
    if (addOnActive_ && addOn_.Id() == id) addOnActive_ = false;
    if (id != 0 && id == helpId_) Forget(Failure::kUnreachable);
}

CCompanionLink::Failure CCompanionLink::TakeFailure() {
    const Failure f = failure_;
    failure_ = Failure::kNone;
    return f;
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
