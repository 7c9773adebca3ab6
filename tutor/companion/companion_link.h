#pragma once
// The tutor's half of the conversation with its companions, without windows or sockets: which
// help viewer is known (the check mark of "&Ayuda"), what is posted to it and when, the retries
// of the start sequence, and the buffer that collects a course path sent by the add-on.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "shared/string_codec.h"

namespace zav {

// How the tutor reaches other programs: their ports, a pause and a clock. The windows use the
// message port; tests use a script.
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
    virtual void Sleep(std::chrono::milliseconds pause) = 0;
    virtual Clock::time_point Now() = 0;
};

class CCompanionLink {
  public:
    static constexpr std::chrono::milliseconds kStartLimit{10000};
    static constexpr std::chrono::milliseconds kPortPoll{10};
    static constexpr int kIntroduceAttempts = 10;
    static constexpr std::chrono::milliseconds kIntroducePause{100};
    static constexpr std::chrono::milliseconds kShowPause{100};

    CCompanionLink(IMessageChannel& channel, std::uint32_t ownId)
        : channel_(channel), ownId_(ownId) {}

    // The viewer's id; 0 when no viewer is known. "&Ayuda" is checked while it is not 0.
    std::uint32_t HelpId() const { return helpId_; }
    bool HelpKnown() const { return helpId_ != 0; }

    // "&Ayuda" with a viewer known: asks it to quit and keeps it until it says it has closed.
    // A viewer whose port is gone died without saying so: it is forgotten and false tells the
    // caller to start a new one. False also when no viewer is known.
    bool QuitHelp();

    // The rest of the start of a viewer whose process was created with `viewerId`: the wait
    // for its port, the introduction, the course name (Windows-1252; folders are stripped), the
    // pause and the exercise remembered without being shown.
    void StartHelp(std::uint32_t viewerId, const std::string& coursePath, int exercise);

    // Waits, at most kStartLimit, until the port of `id` answers; stops early when the
    // process has ended. True when it answers.
    bool WaitForPort(std::uint32_t id);
    // TM_TUTOR_THREAD to `id`, kIntroduceAttempts times kIntroducePause apart at most.
    bool Introduce(std::uint32_t id);
    // The file name of the course, one TM_COURSE_NAME_CHAR per character with its position,
    // closed by 0. Nothing when no viewer is known.
    void SendCourseName(const std::string& coursePath);

    // TM_SHOW_EXERCISE_HELP to the known viewer (none: nothing). A viewer whose port is gone is
    // forgotten.
    void ShowExerciseHelp(int exercise, bool show);

    // TM_HELP_CLOSED.
    void HelpClosed() { helpId_ = 0; }

    // One TM_LOAD_COURSE_CHAR. The whole path (Windows-1252) when its closing 0 arrives and it
    // fits the buffer; nothing otherwise, so a path too long is refused whole.
    std::optional<std::string> LoadCourseChar(std::int32_t wparam);

    // The file name of a course path: what follows its last '/'.
    static std::string CourseFileName(const std::string& coursePath);

  private:
    IMessageChannel::PostStatus PostToHelp(std::uint32_t message, std::int32_t wparam,
                                           std::int32_t lparam);

    IMessageChannel& channel_;
    std::uint32_t ownId_;
    std::uint32_t helpId_ = 0;
    CStringCollector incomingCoursePath_{kIncomingPathCapacity};
};

}  // namespace zav
