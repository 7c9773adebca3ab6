// The message port: one message from posting to receipt, a 63-character course name as the
// tutor sends it (64 posts drained by the receiver), and a flood from another process into a
// receiver in the event loop (messages per second).
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/help/page_table.h"
#include "core/port/messages.h"
#include "core/port/string_codec.h"
#include "shared/port.h"
#include "shared/port_receiver.h"

namespace {

using namespace zav;

constexpr port::PortId kReceiver = 0x7C000001;

std::string PrivateRuntime() {
    char pattern[] = "/tmp/zav_port_bench_XXXXXX";
    const std::string dir = ::mkdtemp(pattern);
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    return dir;
}

void BM_PostAndReceive(benchmark::State& state) {
    const std::string dir = PrivateRuntime();
    auto port = port::CPortSocket::Open(kReceiver, nullptr);
    for (auto _ : state) {
        port::Post(kReceiver, TM_SHOW_EXERCISE_HELP, 5, 1);
        benchmark::DoNotOptimize(port->Receive());
    }
    port.reset();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_PostAndReceive);

void BM_CourseName63(benchmark::State& state) {
    const std::string dir = PrivateRuntime();
    auto port = port::CPortSocket::Open(kReceiver, nullptr);
    const auto params = EncodeString(std::string(63, 'n'));
    CStringCollector collector(kCourseNameCapacity);
    for (auto _ : state) {
        for (std::int32_t c : params) {
            port::Post(kReceiver, TM_COURSE_NAME_CHAR, c, 0);
            if (auto m = port->Receive()) benchmark::DoNotOptimize(collector.Add(m->wparam));
        }
    }
    port.reset();
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CourseName63);

void BM_FloodIntoEventLoop(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "port_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const std::string dir = PrivateRuntime();
    const int count = static_cast<int>(state.range(0));
    port::CPortReceiver receiver(kReceiver);
    int got = 0;
    QObject::connect(&receiver, &port::CPortReceiver::MessageArrived, [&] { ++got; });
    for (auto _ : state) {
        got = 0;
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < count; ++i) port::TryPost(kReceiver, {1031, i, 0});
            ::_exit(0);
        }
        QElapsedTimer clock;
        clock.start();
        while (got < count && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ::waitpid(pid, nullptr, 0);
    }
    state.SetItemsProcessed(state.iterations() * count);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FloodIntoEventLoop)->Arg(1000)->Arg(10001)->Unit(benchmark::kMillisecond);

void BM_ParseFullPageTable(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += std::to_string(i * 3) + ":pagina" + std::to_string(i) + ".htm\n";
    for (auto _ : state) benchmark::DoNotOptimize(ParsePageTable(text));
}
BENCHMARK(BM_ParseFullPageTable);

}  // namespace
