// A progress file: a file that reads writes back to bytes that read to the same document, and
// those bytes are then stable; a file that does not read leaves the open document untouched.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/course/exercise_text.h"
#include "core/course/progress_file.h"
#include "core/course/random.h"
#include "core/stats/bar_text.h"
#include "core/stats/graph_model.h"
#include "core/stats/measures.h"
#include "core/stats/report.h"
#include "fuzz/check.h"

namespace {

// A document that differs from a new one in every field that the file stores.
zav::CZAVTypeDoc OpenDocument() {
    zav::CZAVTypeDoc doc;
    doc.fontName = "Courier";
    doc.fontSize = 100;
    doc.exercise = 7;
    doc.kind = zav::LettersInOrder;
    doc.anyOrderLetters = "asdf";
    doc.stats.letterCorrect['a'] = 12;
    doc.AddTurn(zav::CTurnRecord{0, 1234, "x", 30, 1, 7, 6});
    doc.course.Parse("\tFila guia\nasdf jkl\nfj fj\n");
    return doc;
}

void CheckRanges(const zav::CZAVTypeDoc& doc) {
    ZAV_CHECK(doc.stats.historyCount >= 0 &&
              doc.stats.historyCount <= zav::CProgressStats::kHistorySize);
    ZAV_CHECK(doc.kind >= zav::CourseExercise && doc.kind <= zav::RandomLetters);
    ZAV_CHECK(doc.exercise >= 0);
    ZAV_CHECK(doc.keyboardLayout >= 0);
    ZAV_CHECK(doc.autoType >= zav::AnyTurns && doc.autoType <= zav::PerfectTurns);
    ZAV_CHECK(doc.autoNum >= 0 && doc.autoNum <= 5);
}

// What the tutor shows of a document it has read: its counts and turns may hold anything the
// file held, and none of it may break a figure, the graph or the report.
void ShowEverywhere(const zav::CZAVTypeDoc& doc) {
    (void)doc.LettersInRange(doc.goodLimit, doc.badLimit);
    zav::CRandom random;
    (void)zav::ExerciseText(doc, random, nullptr);
    const auto summary = zav::SummarizeHistory(doc.stats, doc.stats.history[0].errors);
    (void)zav::FormatDuration(summary.total);
    for (const auto& turn : doc.stats.history) {
        (void)zav::FormatRow(turn, zav::RowHtml, doc.stats.historyCount);
        (void)zav::FormatTurnFigures(turn, turn.letters);
    }
    (void)zav::HistoryTable(doc.stats);
    (void)zav::BuildSpeedChart(doc.stats);
    (void)zav::BuildPrecisionScale(doc.stats);
    (void)zav::ReportText(doc, "progreso.zav", "Courses/Default");
}

bool Sample(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash % 32 == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const zav::CZAVTypeDoc open = OpenDocument();
    static const std::string before = zav::EncodeProgress(open, "before");
    const auto bytes = zav::fuzz::Bytes(data, size);
    zav::CZAVTypeDoc doc = open;
    const zav::ProgressResult first = zav::DecodeProgress(bytes, doc);
    if (!first.Ok()) {
        ZAV_CHECK(first.status == zav::ProgressStatus::Truncated ||
                  first.status == zav::ProgressStatus::CannotOpen);
        ZAV_CHECK(zav::EncodeProgress(doc, "before") == before);
        return 0;
    }
    CheckRanges(doc);
    // Building every view of the document costs far more than reading it: it is done for one
    // input in 32, chosen by the input's bytes so that a finding replays.
    if (Sample(bytes)) ShowEverywhere(doc);

    const std::string written = zav::EncodeProgress(doc, first.coursePath);
    zav::CZAVTypeDoc back = open;
    const zav::ProgressResult second = zav::DecodeProgress(written, back);
    ZAV_CHECK(second.Ok());
    ZAV_CHECK(second.coursePath == first.coursePath);
    // Same document: every stored field writes the same bytes (floats compared bit for bit).
    ZAV_CHECK(zav::EncodeProgress(back, second.coursePath) == written);
    return 0;
}
