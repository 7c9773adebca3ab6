#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "core/port/messages.h"
#include "shared/port.h"

namespace {

using namespace zav;
using namespace std::chrono_literals;

constexpr port::PortId kTutor = 0x7D000001;

pid_t Spawn(std::vector<std::string> args) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int Status(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// What the tutor receives, up to and including the closing 0.
std::vector<port::Message> ReceivePath(port::CPortSocket& tutor) {
    std::vector<port::Message> got;
    while (auto m = tutor.Wait(5s)) {
        got.push_back(*m);
        if (m->wparam == 0) break;
    }
    return got;
}

const std::vector<port::Message> kExpected = {
    {TM_LOAD_COURSE_CHAR, '/', 0}, {TM_LOAD_COURSE_CHAR, 'E', 0},
    {TM_LOAD_COURSE_CHAR, 's', 0}, {TM_LOAD_COURSE_CHAR, 'p', 0},
    {TM_LOAD_COURSE_CHAR, 'a', 0}, {TM_LOAD_COURSE_CHAR, static_cast<std::int32_t>(0xFFFFFFF1), 0},
    {TM_LOAD_COURSE_CHAR, 'o', 0}, {TM_LOAD_COURSE_CHAR, 'l', 0},
    {TM_LOAD_COURSE_CHAR, 0, 0}};

class AddOnStub : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zav_addon_test_XXXXXX";
        dir_ = ::mkdtemp(pattern);
        ::setenv("XDG_RUNTIME_DIR", dir_.c_str(), 1);
        tutor_ = port::CPortSocket::Open(kTutor, nullptr);
        ASSERT_TRUE(tutor_);
    }
    void TearDown() override {
        tutor_.reset();
        std::filesystem::remove_all(dir_);
    }

    const std::string stub_ = std::string(ZAV_BINARY_DIR) + "/tests/addon/DrillPlus";
    std::filesystem::path dir_;
    std::unique_ptr<port::CPortSocket> tutor_;
};

TEST_F(AddOnStub, PostsAPathCharacterByCharacterWithTheClosingZero) {
    const pid_t pid = Spawn({stub_, "--to", std::to_string(kTutor), "/Español"});
    EXPECT_EQ(ReceivePath(*tutor_), kExpected);
    EXPECT_EQ(Status(pid), 0);
}

TEST_F(AddOnStub, WaitsForTheTutorToIntroduceItself) {
    const pid_t pid = Spawn({stub_, "/Español"});
    for (int i = 0; i < 200 && !port::IsPortOpen(static_cast<port::PortId>(pid)); ++i) {
        std::this_thread::sleep_for(20ms);
    }
    ASSERT_TRUE(port::Post(static_cast<port::PortId>(pid), TM_TUTOR_THREAD,
                           static_cast<std::int32_t>(kTutor), 0));
    EXPECT_EQ(ReceivePath(*tutor_), kExpected);
    EXPECT_EQ(Status(pid), 0);
}

TEST_F(AddOnStub, FailsWhenNobodyListens) {
    EXPECT_EQ(Status(Spawn({stub_, "--to", "0", "/x"})), 1);
}

}  // namespace
