// The tutor's rules for its companions, against a scripted channel with a clock of its own:
// what is posted and when, the retries and the waits, the forgotten viewer, the path buffer.
#include "core/companion/companion_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/port/messages.h"

namespace zav {
namespace {

using namespace std::chrono_literals;
using Status = IMessageChannel::PostStatus;

constexpr std::uint32_t kTutor = 4242;
constexpr std::uint32_t kViewer = 777;

struct Posted {
    std::uint32_t id, message;
    std::int32_t wparam, lparam;
    std::chrono::milliseconds at;
    bool operator==(const Posted&) const = default;
};

// Ports in `open` take every post; the others are gone. A port opens once the clock reaches
// `opensAt`; `failures` posts fail before one goes through.
class CScriptedChannel : public IMessageChannel {
  public:
    Status Post(std::uint32_t id, std::uint32_t message, std::int32_t wparam,
                std::int32_t lparam) override {
        posted.push_back({id, message, wparam, lparam, elapsed});
        if (failures > 0) {
            --failures;
            return Status::kGone;
        }
        return IsOpen(id) ? Status::kSent : Status::kGone;
    }
    bool IsOpen(std::uint32_t id) override { return open.count(id) && elapsed >= opensAt; }
    bool IsRunning(std::uint32_t id) override { return !ended.count(id); }
    Clock::time_point Now() override { return Clock::time_point{} + elapsed; }

    std::vector<Posted> Messages(std::uint32_t message) const {
        std::vector<Posted> out;
        for (const auto& p : posted)
            if (p.message == message) out.push_back(p);
        return out;
    }
    // The event loop: runs every step when it falls due, until no sequence is left.
    void Run(CCompanionLink& link, std::chrono::milliseconds until = 60s) {
        while (const auto next = link.NextTick()) {
            const auto at =
                std::chrono::duration_cast<std::chrono::milliseconds>(next->time_since_epoch());
            if (at > until) return;
            elapsed = std::max(elapsed, at);
            link.Tick();
        }
    }

    std::set<std::uint32_t> open, ended;
    std::chrono::milliseconds opensAt{0}, elapsed{0};
    int failures = 0;
    std::vector<Posted> posted;
};

std::vector<Posted> NameMessages(const std::string& name, std::chrono::milliseconds at) {
    std::vector<Posted> out;
    for (int i = 0; i <= static_cast<int>(name.size()); ++i)
        out.push_back(
            {kViewer, TM_COURSE_NAME_CHAR, i < static_cast<int>(name.size()) ? name[i] : 0, i, at});
    return out;
}

TEST(CompanionLink, StartSequenceIntroducesNamesThenRemembersTheExercise) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    channel.opensAt = 350ms;
    CCompanionLink link(channel, kTutor);
    link.StartHelp(kViewer, "/opt/zav/Courses/Default", 11);
    EXPECT_TRUE(link.HelpStarting());
    EXPECT_TRUE(channel.posted.empty());  // nothing waits: the steps run from the event loop
    channel.Run(link);

    EXPECT_EQ(link.HelpId(), kViewer);
    EXPECT_FALSE(link.HelpStarting());
    std::vector<Posted> expected{{kViewer, TM_TUTOR_THREAD, kTutor, 0, 350ms}};
    for (const Posted& p : NameMessages("Default", 350ms)) expected.push_back(p);
    expected.push_back({kViewer, TM_SHOW_EXERCISE_HELP, 11, 0, 450ms});
    EXPECT_EQ(channel.posted, expected);
    EXPECT_EQ(link.TakeFailure(), CCompanionLink::Failure::kNone);
}

TEST(CompanionLink, AViewerThatNeverAnswersOrEndsIsForgottenAndReported) {
    using F = CCompanionLink::Failure;
    struct Case {
        const char* what;
        bool opens, ends;
        F failure;
        std::chrono::milliseconds elapsed;
        std::size_t introductions;
    };
    for (const Case& c : {Case{"never opens", false, false, F::kUnreachable, 10900ms, 10},
                          Case{"ended", false, true, F::kEnded, 0ms, 0},
                          Case{"opens at 25 ms", true, false, F::kNone, 130ms, 1}}) {
        CScriptedChannel channel;
        if (c.opens) channel.open = {kViewer};
        if (c.ends) channel.ended = {kViewer};
        channel.opensAt = 25ms;
        CCompanionLink link(channel, kTutor);
        link.StartHelp(kViewer, "Default", 0);
        channel.Run(link);
        EXPECT_EQ(link.TakeFailure(), c.failure) << c.what;
        EXPECT_EQ(link.TakeFailure(), F::kNone) << c.what << ": told once";
        EXPECT_EQ(link.HelpKnown(), c.failure == F::kNone) << c.what;
        EXPECT_EQ(channel.elapsed, c.elapsed) << c.what;
        EXPECT_EQ(channel.Messages(TM_TUTOR_THREAD).size(), c.introductions) << c.what;
    }
}

TEST(CompanionLink, IntroductionIsTriedTenTimesAHundredMillisecondsApart) {
    struct Case {
        int failures;
        bool sent;
        std::size_t attempts;
    };
    for (const Case c : {Case{0, true, 1}, Case{3, true, 4}, Case{9, true, 10}, Case{10, false, 10},
                         Case{50, false, 10}}) {
        CScriptedChannel channel;
        channel.open = {kViewer};
        channel.failures = c.failures;
        CCompanionLink link(channel, kTutor);
        link.StartAddOn(kViewer);
        channel.Run(link);
        const auto tries = channel.Messages(TM_TUTOR_THREAD);
        ASSERT_EQ(tries.size(), c.attempts) << c.failures;
        for (std::size_t i = 0; i < tries.size(); ++i)
            EXPECT_EQ(tries[i].at, 100ms * static_cast<int>(i)) << c.failures;
        EXPECT_EQ(link.AddOnId(), 0u);  // done either way
    }
}

TEST(CompanionLink, HelpIsAnOnOffSwitchAndAGoneViewerIsForgotten) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    CCompanionLink link(channel, kTutor);
    EXPECT_FALSE(link.QuitHelp());  // nobody known: the caller starts a viewer
    EXPECT_TRUE(channel.posted.empty());

    link.StartHelp(kViewer, "Default", 0);
    channel.Run(link);
    channel.posted.clear();
    EXPECT_TRUE(link.QuitHelp());
    EXPECT_EQ(channel.posted, (std::vector<Posted>{{kViewer, TM_QUIT_HELP, kTutor, 0, 100ms}}));
    EXPECT_TRUE(link.HelpKnown());  // until the viewer says it has closed
    link.HelpClosed();
    EXPECT_FALSE(link.HelpKnown());

    // Killed without a word: the next "&Ayuda" finds its port gone and starts a new viewer.
    link.StartHelp(kViewer, "Default", 0);
    channel.Run(link);
    channel.open.clear();
    EXPECT_FALSE(link.QuitHelp());
    EXPECT_FALSE(link.HelpKnown());

    // The same for an exercise started while the dead viewer is still recorded, and for a
    // process seen to end; neither is a failure to report.
    for (bool byPost : {true, false}) {
        channel.open = {kViewer};
        link.StartHelp(kViewer, "Default", 0);
        channel.Run(link);
        channel.open.clear();
        if (byPost)
            link.ShowExerciseHelp("Default", 3, true);
        else
            link.ProcessEnded(kViewer);
        EXPECT_FALSE(link.HelpKnown());
        EXPECT_EQ(link.TakeFailure(), CCompanionLink::Failure::kNone);
    }

    // Posts that stayed undelivered for the whole limit: forgotten, and the user is told.
    channel.open = {kViewer};
    link.StartHelp(kViewer, "Default", 0);
    channel.Run(link);
    link.PostFailed(kViewer + 1);
    EXPECT_TRUE(link.HelpKnown());
    link.PostFailed(kViewer);
    EXPECT_FALSE(link.HelpKnown());
    EXPECT_EQ(link.TakeFailure(), CCompanionLink::Failure::kUnreachable);
}

TEST(CompanionLink, QuitDuringTheStartIsPostedOnceTheViewerAnswers) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    channel.opensAt = 200ms;
    CCompanionLink link(channel, kTutor);
    link.StartHelp(kViewer, "Default", 0);
    channel.Run(link, 50ms);
    EXPECT_TRUE(link.QuitHelp());
    channel.Run(link);
    EXPECT_EQ(channel.posted, (std::vector<Posted>{{kViewer, TM_TUTOR_THREAD, kTutor, 0, 200ms},
                                                   {kViewer, TM_QUIT_HELP, kTutor, 0, 200ms}}));
    link.ProcessEnded(kViewer);
    EXPECT_FALSE(link.HelpKnown());
    EXPECT_EQ(link.TakeFailure(), CCompanionLink::Failure::kNone);
}

TEST(CompanionLink, ExerciseHelpFollowsTheCourseAndWaitsForTheStartSequence) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    channel.opensAt = 100ms;
    CCompanionLink link(channel, kTutor);
    link.ShowExerciseHelp("Default", 4, true);
    EXPECT_TRUE(channel.posted.empty());

    // Asked for during the start: the course and exercise current when each step runs, and
    // the page shown at the end.
    link.StartHelp(kViewer, "/c/Default", 0);
    link.ShowExerciseHelp("/c/Otro", 3, false);
    link.ShowExerciseHelp("/c/Otro", 4, true);
    link.ShowExerciseHelp("/c/Otro", 5, false);
    channel.Run(link);
    std::vector<Posted> expected{{kViewer, TM_TUTOR_THREAD, kTutor, 0, 100ms}};
    for (const Posted& p : NameMessages("Otro", 100ms)) expected.push_back(p);
    expected.push_back({kViewer, TM_SHOW_EXERCISE_HELP, 5, 0, 200ms});
    expected.push_back({kViewer, TM_SHOW_EXERCISE_HELP, 5, 1, 200ms});
    EXPECT_EQ(channel.posted, expected);

    // Later: the name only when the course changed.
    channel.posted.clear();
    link.ShowExerciseHelp("/d/Otro", 6, true);
    link.ShowExerciseHelp("/c/Default", 0, true);
    expected = {{kViewer, TM_SHOW_EXERCISE_HELP, 6, 1, 200ms}};
    for (const Posted& p : NameMessages("Default", 200ms)) expected.push_back(p);
    expected.push_back({kViewer, TM_SHOW_EXERCISE_HELP, 0, 1, 200ms});
    EXPECT_EQ(channel.posted, expected);
}

TEST(CompanionLink, CourseNamesLoseTheirFoldersAndTravelSignExtended) {
    struct Case {
        std::string path, name;
    };
    for (const Case& c : {Case{"/a/b/Default", "Default"}, Case{"Default", "Default"},
                          Case{"/cursos/Espa\xf1ol", "Espa\xf1ol"}, Case{"/a/b/", ""}}) {
        EXPECT_EQ(CCompanionLink::CourseFileName(c.path), c.name) << c.path;
    }
    CScriptedChannel channel;
    channel.open = {kViewer};
    CCompanionLink link(channel, kTutor);
    link.StartHelp(kViewer, "/x/\xf1", 0);
    channel.Run(link);
    const auto name = channel.Messages(TM_COURSE_NAME_CHAR);
    ASSERT_EQ(name.size(), 2u);
    EXPECT_EQ(name[0].wparam, static_cast<std::int32_t>(0xFFFFFFF1u));
    EXPECT_EQ(name[1].wparam, 0);
    EXPECT_EQ(name[1].lparam, 1);
}

TEST(CompanionLink, IncomingPathsFitTwoHundredFiftyFiveCharacters) {
    CScriptedChannel channel;
    CCompanionLink link(channel, kTutor);
    auto send = [&](const std::string& path, std::size_t loseAfter = 0) {
        std::optional<std::string> result;
        std::size_t sent = 0;
        for (std::int32_t c : EncodeString(path)) {
            EXPECT_FALSE(result) << "handed over before its closing 0";
            if (loseAfter != 0 && ++sent == loseAfter) link.MessagesLost();
            result = link.LoadCourseChar(c);
        }
        return result;
    };
    EXPECT_EQ(send("/cursos/Espa\xf1ol"), "/cursos/Espa\xf1ol");
    EXPECT_EQ(send(std::string(255, 'a')), std::string(255, 'a'));
    EXPECT_EQ(send(std::string(256, 'b')), std::nullopt);
    EXPECT_EQ(send(std::string(300, 'c')), std::nullopt);
    EXPECT_EQ(send("/after/refusal"), "/after/refusal");  // the buffer starts afresh
    EXPECT_EQ(send("/with/a/gap", 4), std::nullopt);      // characters were lost on the way
    EXPECT_EQ(send("/after/gap"), "/after/gap");
    EXPECT_TRUE(channel.posted.empty());
}

}  // namespace
}  // namespace zav
