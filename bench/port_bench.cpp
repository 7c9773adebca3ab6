// The message port: one message from posting to receipt, and a 63-character course name as
// the tutor sends it (64 posts drained by the receiver).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "helpviewer/page_table.h"
#include "shared/messages.h"
#include "shared/port.h"
#include "shared/string_codec.h"

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

void BM_ParseFullPageTable(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += std::to_string(i * 3) + ":pagina" + std::to_string(i) + ".htm\n";
    for (auto _ : state) benchmark::DoNotOptimize(ParsePageTable(text));
}
BENCHMARK(BM_ParseFullPageTable);

}  // namespace
