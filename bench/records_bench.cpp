// Saving and reading a full progress document, and loading a large course.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/course/course.h"
#include "core/course/progress_file.h"
#include "core/course/textfile.h"

namespace {

using namespace zav;

std::filesystem::path Scratch(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "zav-bench-records";
    std::filesystem::create_directories(folder);
    return folder / name;
}

// 150 turns, all 256 letters counted, strings in every field.
CZAVTypeDoc FullDocument() {
    CZAVTypeDoc doc;
    doc.fontName = "DejaVu Sans Mono";
    doc.anyOrderLetters = "asdfghjkl\xf1";
    doc.inOrderText =
        "el veloz murci\xe9lago hind\xfa com\xed"
        "a feliz cardillo y kiwi";
    for (int code = 0; code < 256; ++code) {
        doc.stats.letterErrors[code] = code;
        doc.stats.letterCorrect[code] = 5000 + code;
    }
    for (int n = 0; n < CProgressStats::kHistorySize; ++n) {
        doc.AddTurn(CTurnRecord{n % 4, 1500 + n, "qwert", 60 + n % 30, n % 6, n, 9});
    }
    return doc;
}

void BM_EncodeProgress(benchmark::State& state) {
    const CZAVTypeDoc doc = FullDocument();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeProgress(doc, "/usr/lib/zavtype/Courses/Default"));
}
BENCHMARK(BM_EncodeProgress);

void BM_DecodeProgress(benchmark::State& state) {
    const std::string bytes = EncodeProgress(FullDocument(), "/usr/lib/zavtype/Courses/Default");
    CZAVTypeDoc doc;
    for (auto _ : state) benchmark::DoNotOptimize(DecodeProgress(bytes, doc));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeProgress);

// Through a temporary file, flushed to the disk, and a rename.
void BM_SaveProgressFile(benchmark::State& state) {
    const CZAVTypeDoc doc = FullDocument();
    const auto file = Scratch("full.zav");
    for (auto _ : state) {
        if (!SaveProgress(doc, "Courses/Default", file).Ok()) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveProgressFile)->Unit(benchmark::kMicrosecond);

void BM_ReadProgressFile(benchmark::State& state) {
    const auto file = Scratch("read.zav");
    SaveProgress(FullDocument(), "Courses/Default", file);
    CZAVTypeDoc doc;
    for (auto _ : state) {
        if (!ReadProgress(file, doc).Ok()) state.SkipWithError("read failed");
    }
}
BENCHMARK(BM_ReadProgressFile)->Unit(benchmark::kMicrosecond);

// 10,000 lines: a section line every 20 lines, exercises of about 50 characters.
std::string LargeCourse() {
    std::string text;
    for (int line = 0; line < 10000; ++line) {
        if (line % 20 == 0) {
            text += "\tLecci\xf3n " + std::to_string(line / 20 + 1) + "\r\n";
        } else {
            text +=
                "asdf jkl\xf1 qwer uiop zxcv m,.- " + std::to_string(line) + " fin de l\xednea\r\n";
        }
    }
    return text;
}

void BM_LoadCourse10000Lines(benchmark::State& state) {
    const auto file = Scratch("course");
    std::ofstream(file, std::ios::binary) << LargeCourse();
    CCourse course;
    for (auto _ : state) {
        if (!course.Load(file.string())) state.SkipWithError("load failed");
    }
    state.counters["exercises"] = course.ExerciseCount();
}
BENCHMARK(BM_LoadCourse10000Lines)->Unit(benchmark::kMicrosecond);

void BM_ParseCourse10000Lines(benchmark::State& state) {
    const std::string text = LargeCourse();
    CCourse course;
    for (auto _ : state) course.Parse(text);
}
BENCHMARK(BM_ParseCourse10000Lines)->Unit(benchmark::kMicrosecond);

// The largest course the reader accepts, 16 MB, as one line without a line break: the reader
// takes it 255 characters at a time, and each part costs only its own length.
void BM_LoadCourse16MBOneLine(benchmark::State& state) {
    const auto file = Scratch("course16mb");
    std::ofstream(file, std::ios::binary) << "\tUna\n" << std::string(kTextFileLimit - 5, 'a');
    CCourse course;
    for (auto _ : state) {
        if (!course.Load(file.string())) state.SkipWithError("load failed");
    }
    state.counters["exercises"] = course.ExerciseCount();
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kTextFileLimit));
}
BENCHMARK(BM_LoadCourse16MBOneLine)->Unit(benchmark::kMillisecond);

}  // namespace
