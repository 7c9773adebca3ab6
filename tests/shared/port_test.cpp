#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "shared/port.h"
#include "shared/port_receiver.h"
#include "shared/port_sender.h"

namespace {

namespace fs = std::filesystem;
using namespace zav::port;
using namespace std::chrono_literals;

// Every test here uses a private runtime folder, never the user's ports.
struct CRuntimeFolder {
    fs::path dir;
    CRuntimeFolder() {
        char pattern[] = "/tmp/zav_port_test_XXXXXX";
        dir = ::mkdtemp(pattern);
        ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    ~CRuntimeFolder() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};
const CRuntimeFolder runtime;
const fs::path& kRuntime = runtime.dir;

// Ids far above any process id, so no real program answers them.
constexpr PortId kA = 0x7F000001, kB = 0x7F000002, kC = 0x7F000003;

// Runs body in a child process and waits for it; true when the child returned true.
template <typename F>
bool InChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void SendRaw(const fs::path& path, const std::vector<unsigned char>& bytes) {
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, path.c_str());
    ::sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
    ::close(fd);
}

TEST(Port, DatagramsAreTwelveLittleEndianBytes) {
    const Message m{1026, -15, 0x01020304};
    const auto bytes = EncodeDatagram(m);
    const std::array<unsigned char, 12> expected{0x02, 0x04, 0,    0,    0xF1, 0xFF,
                                                 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(DecodeDatagram(bytes.data(), 12), m);
    EXPECT_FALSE(DecodeDatagram(bytes.data(), 11));
}

TEST(Port, TwoPortsInOneProcessGetTheirOwnMessagesInOrder) {
    auto a = CPortSocket::Open(kA, nullptr);
    auto b = CPortSocket::Open(kB, nullptr);
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(IsPortOpen(kA));
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Post(kA, 1030, 'a' + i, i));
        ASSERT_TRUE(Post(kB, 1026, i, 1));
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a->Receive(), (Message{1030, 'a' + i, i}));
        EXPECT_EQ(b->Receive(), (Message{1026, i, 1}));
    }
    EXPECT_FALSE(a->Receive());
}

TEST(Port, ManyMessagesFromAnotherProcessArriveInOrder) {
    auto port = CPortSocket::Open(kA, nullptr);
    ASSERT_TRUE(port);
    constexpr int kCount = 200;  // far more than the socket queues, so the sender must wait
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool ok = true;
        for (int i = 0; i < kCount; ++i) ok = ok && Post(kA, 1032, -i, i);
        ::_exit(ok ? 0 : 1);
    }
    for (int i = 0; i < kCount; ++i) {
        auto m = port->Wait(5s);
        ASSERT_TRUE(m) << i;
        EXPECT_EQ(*m, (Message{1032, -i, i}));
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(Port, DatagramsOfAnotherSizeAreDropped) {
    auto port = CPortSocket::Open(kA, nullptr);
    ASSERT_TRUE(port);
    SendRaw(port->Path(), {});
    SendRaw(port->Path(), std::vector<unsigned char>(11, 1));
    SendRaw(port->Path(), std::vector<unsigned char>(13, 1));
    SendRaw(port->Path(), std::vector<unsigned char>(4096, 1));
    ASSERT_TRUE(Post(kA, 1029, 7, 0));
    EXPECT_EQ(port->Wait(1s), (Message{1029, 7, 0}));
    EXPECT_FALSE(port->Receive());
}

TEST(Port, PostingFailsAtOnceWithoutAReceiver) {
    EXPECT_EQ(TryPost(0, {1026, 0, 0}), PostResult::kNoReceiver);
    EXPECT_EQ(TryPost(kC, {1026, 0, 0}), PostResult::kNoReceiver);  // no socket file
    EXPECT_FALSE(IsPortOpen(0));
    EXPECT_FALSE(IsPortOpen(kC));
    {
        auto gone = CPortSocket::Open(kC, nullptr);
        ASSERT_TRUE(gone);
    }
    EXPECT_FALSE(fs::exists(PortFolder() / std::to_string(kC)));
    EXPECT_FALSE(Post(kC, 1026, 0, 0));
}

TEST(Port, AStalePortIsRefusedToSendersAndReplacedByItsId) {
    // A program that died leaves its socket file behind with nobody reading it.
    const fs::path stale = PortFolder() / std::to_string(kC);
    ASSERT_TRUE(InChild([] { return CPortSocket::Open(kC, nullptr).release() != nullptr; }));
    ASSERT_TRUE(fs::exists(stale));
    EXPECT_EQ(TryPost(kC, {1026, 1, 1}), PostResult::kNoReceiver);
    EXPECT_FALSE(IsPortOpen(kC));

    auto fresh = CPortSocket::Open(kC, nullptr);
    ASSERT_TRUE(fresh);
    EXPECT_TRUE(Post(kC, 1026, 1, 1));
    EXPECT_EQ(fresh->Receive(), (Message{1026, 1, 1}));
}

TEST(Port, AFullReceiverMakesTheSenderGiveUp) {
    auto port = CPortSocket::Open(kB, nullptr);
    ASSERT_TRUE(port);
    PostResult last = PostResult::kSent;
    for (int i = 0; i < 1000 && last == PostResult::kSent; ++i) {
        last = TryPost(kB, {1026, i, 0}, 100ms);
    }
    EXPECT_EQ(last, PostResult::kTimedOut);
    EXPECT_EQ(port->Receive(), (Message{1026, 0, 0}));  // what was queued is intact
}

TEST(Port, FoldersOthersCanEnterOrOwnAreRefused) {
    const fs::path base = kRuntime / "folders";
    fs::create_directories(base);
    std::string error;
    EXPECT_TRUE(PreparePortFolder(base / "mine", &error)) << error;
    struct stat st;
    ASSERT_EQ(::stat((base / "mine").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    ::mkdir((base / "open").c_str(), 0755);
    ::chmod((base / "open").c_str(), 0755);
    EXPECT_FALSE(PreparePortFolder(base / "open", &error));
    EXPECT_NE(error.find("other users"), std::string::npos) << error;

    fs::create_directory_symlink(base / "mine", base / "link");
    EXPECT_FALSE(PreparePortFolder(base / "link", &error));

    std::ofstream(base / "file") << "x";
    EXPECT_FALSE(PreparePortFolder(base / "file", &error));
    EXPECT_FALSE(CPortSocket::Open(kA, base / "open", &error));

    if (::geteuid() == 0) {
        ::mkdir((base / "theirs").c_str(), 0700);
        ASSERT_EQ(::chown((base / "theirs").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(PreparePortFolder(base / "theirs", &error));
        EXPECT_NE(error.find("another user"), std::string::npos) << error;
    }
}

TEST(Port, SendersRefuseAPortFolderOthersCanEnter) {
    auto port = CPortSocket::Open(kA, nullptr);
    ASSERT_TRUE(port);
    ::chmod(PortFolder().c_str(), 0711);
    EXPECT_EQ(TryPost(kA, {1026, 0, 0}), PostResult::kFailed);
    ::chmod(PortFolder().c_str(), 0700);
    EXPECT_EQ(TryPost(kA, {1026, 0, 0}), PostResult::kSent);
}

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "port_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

// Runs the event loop until done() or ten seconds have passed.
template <typename F>
bool RunUntil(F done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

TEST(Port, PortsOfKilledProgramsAreRemovedWhenAPortOpens) {
    auto live = CPortSocket::Open(kB, nullptr);
    ASSERT_TRUE(InChild([] { return CPortSocket::Open(kC, nullptr).release() != nullptr; }));
    std::ofstream(PortFolder() / "notes") << "not a port";
    ASSERT_TRUE(fs::exists(PortFolder() / std::to_string(kC)));
    auto port = CPortSocket::Open(kA, nullptr);
    EXPECT_FALSE(fs::exists(PortFolder() / std::to_string(kC)));
    EXPECT_TRUE(IsPortOpen(kB));
    EXPECT_TRUE(fs::exists(PortFolder() / "notes"));
    fs::remove(PortFolder() / "notes");
}

// A receiver that reads nothing for a while: the posts never wait, queue up in order and go
// out once it reads; one that never reads is given up after the limit.
TEST(PortSender, WaitsInTheEventLoopForAFullReceiverAndGivesUpAfterTheLimit) {
    App();
    constexpr int kCount = 300;
    const pid_t pid = ::fork();
    if (pid == 0) {
        auto port = CPortSocket::Open(kA, nullptr);
        ::usleep(300000);
        for (int i = 0; i < kCount; ++i) {
            const auto m = port->Wait(5s);
            if (!m || *m != Message{1030, i, i}) ::_exit(1);
        }
        ::_exit(0);
    }
    ASSERT_TRUE(RunUntil([] { return IsPortOpen(kA); }));
    CPortSender sender;
    std::vector<quint32> unreachable;
    QObject::connect(&sender, &CPortSender::Unreachable,
                     [&](quint32 id) { unreachable.push_back(id); });
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(sender.Post(kA, {1030, i, i}), PostResult::kSent);
    EXPECT_GT(sender.Waiting(kA), 0u);
    EXPECT_TRUE(RunUntil([&] { return sender.Waiting(kA) == 0; }));
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(unreachable.empty());

    auto deaf = CPortSocket::Open(kB, nullptr);
    for (int i = 0; i < 50; ++i) sender.Post(kB, {1026, i, 0});
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(RunUntil([&] { return !unreachable.empty(); }));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(unreachable, std::vector<quint32>{kB});
    EXPECT_EQ(sender.Waiting(kB), 0u);
    EXPECT_EQ(sender.Post(kC, {1026, 0, 0}), PostResult::kNoReceiver);
}

// While a handler waits for the user, a flood is kept up to the limit, in order; the rest is
// dropped, counted and announced before the next message.
TEST(PortReceiver, AFloodDuringANestedLoopIsCappedAndCounted) {
    App();
    CPortReceiver receiver(kC);
    ASSERT_TRUE(receiver.IsOpen());
    constexpr int kCount = 6000;
    std::vector<int> got;
    std::vector<quint64> lost;
    bool flooded = false;
    QObject::connect(&receiver, &CPortReceiver::MessagesLost,
                     [&](quint64 n) { lost.push_back(n); });
    QObject::connect(&receiver, &CPortReceiver::MessageArrived, [&](quint32, qint32 w, qint32) {
        got.push_back(w);
        if (got.size() == 1) RunUntil([&] { return flooded; });  // a message box, say
    });
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (int i = 0; i < kCount; ++i) TryPost(kC, {1032, i, 0}, 2s);
        ::_exit(0);
    }
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        int status;
        if (::waitpid(pid, &status, WNOHANG) == pid) flooded = true;
    });
    poll.start(10);
    ASSERT_TRUE(RunUntil([&] { return flooded && !receiver.Backlogged(); }));
    ASSERT_EQ(got.size(), 1 + CPortReceiver::kQueueLimit);
    for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], static_cast<int>(i));
    EXPECT_EQ(receiver.Dropped(), kCount - got.size());
    EXPECT_TRUE(lost.empty());  // nothing came after the gap yet

    ASSERT_TRUE(Post(kC, 1032, 7, 0));
    ASSERT_TRUE(RunUntil([&] { return got.size() == 2 + CPortReceiver::kQueueLimit; }));
    EXPECT_EQ(lost, std::vector<quint64>{receiver.Dropped()});
    EXPECT_EQ(got.back(), 7);
}

TEST(PortReceiver, DeliversInArrivalOrderInTheEventLoop) {
    App();
    CPortReceiver receiver(kA);
    ASSERT_TRUE(receiver.IsOpen()) << receiver.Error().toStdString();
    std::vector<Message> got;
    QObject::connect(&receiver, &CPortReceiver::MessageArrived, [&](quint32 m, qint32 w, qint32 l) {
        got.push_back({m, w, l});
    });
    constexpr int kCount = 60;
    const pid_t pid = ::fork();
    if (pid == 0) {
        bool ok = true;
        for (int i = 0; i < kCount; ++i) ok = ok && Post(kA, 1030, i, i);
        ::_exit(ok ? 0 : 1);
    }
    QElapsedTimer timer;
    timer.start();
    while (got.size() < kCount && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_EQ(got.size(), static_cast<std::size_t>(kCount));
    for (int i = 0; i < kCount; ++i) EXPECT_EQ(got[i], (Message{1030, i, i}));
    receiver.Close();
    EXPECT_FALSE(IsPortOpen(kA));
}

}  // namespace
