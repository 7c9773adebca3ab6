// Writing the evaluation report of a full document: 150 turns with error letters and every
// letter code typed, so that every row of both tables is written.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/course/document.h"
#include "core/stats/report.h"

namespace {

zav::CZAVTypeDoc FullDocument() {
    zav::CZAVTypeDoc doc;
    doc.okThreshold = 2;
    for (int i = 0; i < zav::CProgressStats::kHistorySize; ++i) {
        zav::CTurnRecord& turn = doc.stats.history[i];
        turn.kind = i % 4;
        turn.exercise = i;
        turn.errors = i % 5;
        turn.duration = 1500 + 37 * i;
        turn.letters = 50;
        turn.words = 9;
        turn.errorLetters = "a<&\xf1";
    }
    doc.stats.historyCount = zav::CProgressStats::kHistorySize;
    for (int code = 0; code < 256; ++code) {
        doc.stats.letterCorrect[code] = 100 + code;
        doc.stats.letterErrors[code] = code % 7;
    }
    return doc;
}

void BM_ReportText(benchmark::State& state) {
    const zav::CZAVTypeDoc doc = FullDocument();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string page =
            zav::ReportText(doc, "/home/ana/progreso.zav", "/x/Courses/Default");
        bytes = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ReportText);

void BM_WriteReport(benchmark::State& state) {
    const zav::CZAVTypeDoc doc = FullDocument();
    const auto out = std::filesystem::temp_directory_path() /
                     ("zav_report_bench_" + std::to_string(::getpid()) + ".html");
    for (auto _ : state) {
        if (!zav::WriteReport(out, doc, "/home/ana/progreso.zav")) state.SkipWithError("write");
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_WriteReport);

}  // namespace
