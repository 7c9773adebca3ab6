#pragma once
// The tutor's half of the conversation with its companions, without windows or sockets: which
// help viewer is known (the check mark of "&Ayuda"), what is posted to it and when, the start
// sequences as steps that the event loop runs when they fall due (never a wait on the window's
// thread), and the buffer that collects a course path sent by the add-on.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "core/port/string_codec.h"

namespace zav {

// How the tutor reaches other programs: their ports and a clock. Posting never waits. The
// windows use the message port; tests use a script.
class IMessageChannel {
  public:
    enum class PostStatus { kSent, kGone, kFailed };  // kGone: no port of that id, or no reader
    using Clock = std::chrono::steady_clock;

    virtual ~IMessageChannel() = default;
    virtual PostStatus Post(std::uint32_t id, std::uint32_t message, std::int32_t wparam,
                            std::int32_t lparam) = 0;
    virtual bool IsOpen(std::uint32_t id) = 0;
    // False once the process of that id has ended; a wait for its port can stop then.
    virtual bool IsRunning(std::uint32_t id) = 0;
    virtual Clock::time_point Now() = 0;
};

// Waiting for a started companion's port, then introducing the tutor to it: the port is looked
// for every kPortPoll for at most kStartLimit, then TM_TUTOR_THREAD is tried kIntroduceAttempts
// times kIntroducePause apart.
class CIntroduction {
  public:
    enum class Outcome { kPending, kIntroduced, kEnded, kRefused };
    static constexpr std::chrono::milliseconds kStartLimit{10000};
    static constexpr std::chrono::milliseconds kPortPoll{10};
    static constexpr int kIntroduceAttempts = 10;
    static constexpr std::chrono::milliseconds kIntroducePause{100};

    void Begin(std::uint32_t id, IMessageChannel::Clock::time_point now);
    // Runs the step that is due; kPending with the time of the next in *next.
    Outcome Step(IMessageChannel& channel, std::uint32_t ownId,
                 IMessageChannel::Clock::time_point* next);
    std::uint32_t Id() const { return id_; }

  private:
    std::uint32_t id_ = 0;
    IMessageChannel::Clock::time_point deadline_{};
    bool portSeen_ = false;
    int attempts_ = 0;
};

class CCompanionLink {
  public:
    using Clock = IMessageChannel::Clock;
    static constexpr std::chrono::milliseconds kShowPause{100};

    // Why a viewer was forgotten without saying goodbye; the user is told once.
    enum class Failure { kNone, kEnded, kUnreachable };

    CCompanionLink(IMessageChannel& channel, std::uint32_t ownId)
        : channel_(channel), ownId_(ownId) {}

    // The viewer's id; 0 when no viewer is known. "&Ayuda" is checked while it is not 0.
    std::uint32_t HelpId() const { return helpId_; }
    bool HelpKnown() const { return helpId_ != 0; }
    bool HelpStarting() const { return helpStep_ != HelpStep::kRunning && helpId_ != 0; }
    std::uint32_t AddOnId() const { return addOnActive_ ? addOn_.Id() : 0; }

    // "&Ayuda" with a viewer known: asks it to quit and keeps it until it says it has closed
    // (or its process ends). A viewer whose port is gone died without saying so: it is
    // forgotten and false tells the caller to start a new one. False also when none is known.
    bool QuitHelp();

    // Begins the start sequence of a viewer whose process was created with `viewerId`: the
    // wait for its port, the introduction, the course name (Windows-1252; folders are
    // stripped), the pause and the exercise remembered without being shown. The steps run in
    // Tick.
    void StartHelp(std::uint32_t viewerId, const std::string& coursePath, int exercise);
    // Begins the introduction of an add-on whose process was created with `id`.
    void StartAddOn(std::uint32_t id);

    // Runs the steps of the start sequences that are due.
    void Tick();
    // When Tick must run next; nothing while no sequence runs.
    std::optional<Clock::time_point> NextTick() const;

    // A course exercise is on screen: TM_SHOW_EXERCISE_HELP to the known viewer, preceded by
    // the course name when the course changed since the viewer was last told. During the start
    // sequence it is remembered and sent when the sequence ends.
    void ShowExerciseHelp(const std::string& coursePath, int exercise, bool show);

    // TM_HELP_CLOSED.
    void HelpClosed();
    // The process of `id` has ended. A viewer that ends before it answered is a failure.
    void ProcessEnded(std::uint32_t id);
    // Posts to `id` could not be delivered for the whole post limit.
    void PostFailed(std::uint32_t id);
    // The failure since the last call, once.
    Failure TakeFailure();

    // One TM_LOAD_COURSE_CHAR. The whole path (Windows-1252) when its closing 0 arrives and it
    // fits the buffer; nothing otherwise, so a path too long is refused whole.
    std::optional<std::string> LoadCourseChar(std::int32_t wparam);
    // Messages to the tutor were lost: the path in transit is refused when it ends.
    void MessagesLost() { incomingCoursePath_.Spoil(); }

    // The file name of a course path: what follows its last '/'.
    static std::string CourseFileName(const std::string& coursePath);

  private:
    enum class HelpStep { kIntroducing, kShowPause, kRunning };

    IMessageChannel::PostStatus PostToHelp(std::uint32_t message, std::int32_t wparam,
                                           std::int32_t lparam);
    // False when the post failed and the viewer was forgotten.
    bool Posted(IMessageChannel::PostStatus status);
    void SendCourseName(const std::string& coursePath);
    void SendShow(int exercise, bool show);
    void StepHelp();
    void StepAddOn();
    void Forget(Failure failure);

    IMessageChannel& channel_;
    std::uint32_t ownId_;
    std::uint32_t helpId_ = 0;
    HelpStep helpStep_ = HelpStep::kRunning;
    CIntroduction helpIntro_;
    Clock::time_point helpNext_{};
    bool quitRequested_ = false;
    // What the viewer is to be told at the end of its start sequence.
    std::string coursePath_;
    int exercise_ = 0;
    bool showRequested_ = false;
    std::optional<std::string> courseSent_;  // the course name the viewer was given
    CIntroduction addOn_;
    bool addOnActive_ = false;
    Clock::time_point addOnNext_{};
    Failure failure_ = Failure::kNone;
    CStringCollector incomingCoursePath_{kIncomingPathCapacity};
};

}  // namespace zav
