// The tutor's rules for its companions, against a scripted channel with a clock of its own:
// what is posted and when, the retries and the waits, the forgotten viewer, the path buffer.
#include "tutor/companion/companion_link.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "shared/messages.h"

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
    void Sleep(std::chrono::milliseconds pause) override {
        sleeps.push_back(pause);
        elapsed += pause;
    }
    Clock::time_point Now() override { return Clock::time_point{} + elapsed; }

    std::vector<Posted> Messages(std::uint32_t message) const {
        std::vector<Posted> out;
        for (const auto& p : posted)
            if (p.message == message) out.push_back(p);
        return out;
    }

    std::set<std::uint32_t> open, ended;
    std::chrono::milliseconds opensAt{0}, elapsed{0};
    int failures = 0;
    std::vector<Posted> posted;
    std::vector<std::chrono::milliseconds> sleeps;
};

TEST(CompanionLink, StartSequenceIntroducesNamesThenRemembersTheExercise) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    channel.opensAt = 350ms;
    CCompanionLink link(channel, kTutor);
    link.StartHelp(kViewer, "/opt/zav/Courses/Default", 11);

    EXPECT_EQ(link.HelpId(), kViewer);
    std::vector<Posted> expected{{kViewer, TM_TUTOR_THREAD, kTutor, 0, 350ms}};
    const std::string name = "Default";
    for (int i = 0; i <= 7; ++i)
        expected.push_back({kViewer, TM_COURSE_NAME_CHAR, i < 7 ? name[i] : 0, i, 350ms});
    expected.push_back({kViewer, TM_SHOW_EXERCISE_HELP, 11, 0, 450ms});
    EXPECT_EQ(channel.posted, expected);
}

TEST(CompanionLink, WaitForThePortEndsAtTheLimitOrWithTheProcess) {
    CScriptedChannel channel;
    CCompanionLink link(channel, kTutor);
    EXPECT_FALSE(link.WaitForPort(kViewer));
    EXPECT_EQ(channel.elapsed, 10000ms);

    channel.elapsed = 0ms;
    channel.ended = {kViewer};
    EXPECT_FALSE(link.WaitForPort(kViewer));
    EXPECT_EQ(channel.elapsed, 0ms);

    channel.ended.clear();
    channel.open = {kViewer};
    channel.opensAt = 25ms;
    EXPECT_TRUE(link.WaitForPort(kViewer));
    EXPECT_EQ(channel.elapsed, 30ms);
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
        EXPECT_EQ(link.Introduce(kViewer), c.sent) << c.failures;
        EXPECT_EQ(channel.Messages(TM_TUTOR_THREAD).size(), c.attempts) << c.failures;
        EXPECT_EQ(channel.sleeps, std::vector<std::chrono::milliseconds>(c.attempts - 1, 100ms));
    }
}

TEST(CompanionLink, AViewerThatNeverAnswersStillGetsTheSequence) {
    CScriptedChannel channel;  // the port never opens
    CCompanionLink link(channel, kTutor);
    link.StartHelp(kViewer, "Default", 0);
    EXPECT_EQ(channel.Messages(TM_TUTOR_THREAD).size(), 10u);
    EXPECT_EQ(channel.Messages(TM_COURSE_NAME_CHAR).size(), 8u);
    EXPECT_EQ(channel.Messages(TM_SHOW_EXERCISE_HELP).size(), 1u);
    EXPECT_EQ(link.HelpId(), kViewer);  // forgotten by the next command, not by the start
}

TEST(CompanionLink, HelpIsAnOnOffSwitchAndAGoneViewerIsForgotten) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    CCompanionLink link(channel, kTutor);
    EXPECT_FALSE(link.QuitHelp());  // nobody known: the caller starts a viewer
    EXPECT_TRUE(channel.posted.empty());

    link.StartHelp(kViewer, "Default", 0);
    channel.posted.clear();
    EXPECT_TRUE(link.QuitHelp());
    EXPECT_EQ(channel.posted, (std::vector<Posted>{{kViewer, TM_QUIT_HELP, kTutor, 0, 100ms}}));
    EXPECT_TRUE(link.HelpKnown());  // until the viewer says it has closed
    link.HelpClosed();
    EXPECT_FALSE(link.HelpKnown());

    // Killed without a word: the next "&Ayuda" finds its port gone and starts a new viewer.
    link.StartHelp(kViewer, "Default", 0);
    channel.open.clear();
    EXPECT_FALSE(link.QuitHelp());
    EXPECT_FALSE(link.HelpKnown());

    // The same for an exercise started while the dead viewer is still recorded.
    channel.open = {kViewer};
    link.StartHelp(kViewer, "Default", 0);
    channel.open.clear();
    link.ShowExerciseHelp(3, true);
    EXPECT_FALSE(link.HelpKnown());
}

TEST(CompanionLink, ExerciseHelpGoesOnlyToAKnownViewer) {
    CScriptedChannel channel;
    channel.open = {kViewer};
    CCompanionLink link(channel, kTutor);
    link.ShowExerciseHelp(4, true);
    link.SendCourseName("Default");
    EXPECT_TRUE(channel.posted.empty());

    link.StartHelp(kViewer, "Default", 0);
    channel.posted.clear();
    link.ShowExerciseHelp(4, true);
    link.ShowExerciseHelp(5, false);
    EXPECT_EQ(channel.posted, (std::vector<Posted>{{kViewer, TM_SHOW_EXERCISE_HELP, 4, 1, 100ms},
                                                   {kViewer, TM_SHOW_EXERCISE_HELP, 5, 0, 100ms}}));
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
    const auto name = channel.Messages(TM_COURSE_NAME_CHAR);
    ASSERT_EQ(name.size(), 2u);
    EXPECT_EQ(name[0].wparam, static_cast<std::int32_t>(0xFFFFFFF1u));
    EXPECT_EQ(name[1].wparam, 0);
    EXPECT_EQ(name[1].lparam, 1);
}

TEST(CompanionLink, IncomingPathsFitTwoHundredFiftyFiveCharacters) {
    CScriptedChannel channel;
    CCompanionLink link(channel, kTutor);
    auto send = [&](const std::string& path) {
        std::optional<std::string> result;
        for (std::int32_t c : EncodeString(path)) {
            EXPECT_FALSE(result) << "handed over before its closing 0";
            result = link.LoadCourseChar(c);
        }
        return result;
    };
    EXPECT_EQ(send("/cursos/Espa\xf1ol"), "/cursos/Espa\xf1ol");
    EXPECT_EQ(send(std::string(255, 'a')), std::string(255, 'a'));
    EXPECT_EQ(send(std::string(256, 'b')), std::nullopt);
    EXPECT_EQ(send(std::string(300, 'c')), std::nullopt);
    EXPECT_EQ(send("/after/refusal"), "/after/refusal");  // the buffer starts afresh
    EXPECT_TRUE(channel.posted.empty());
}

}  // namespace
}  // namespace zav
