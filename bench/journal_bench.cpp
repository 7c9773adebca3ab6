// The end of a turn with the journal: the last key of a line, the turn's record and its keys
// written in one transaction, into a journal that already holds a year of practice. This is the
// time the next keystroke may wait.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "core/stats/journal.h"
#include "core/typing/typing_engine.h"

namespace {

using namespace zav;

class StepClock : public IClock {
  public:
    TimeStamp Now() override {
        ms_ += 180;
        return {ms_ / 1000, static_cast<int>(ms_ % 1000)};
    }

  private:
    std::int64_t ms_ = 0;
};

struct JournalWriter : ITypingListener {
    CJournal* journal = nullptr;
    std::time_t time = 1'765'000'000;
    JournalStatus last = JournalStatus::Ok;
    void TurnRecorded(const CTurnRecord& record, const CKeyTimes& keys) override {
        last = journal->AddTurn({time, "/home/ana/ana.zav", "/cursos/Default", record, &keys});
    }
};

std::filesystem::path Folder() {
    std::string name = (std::filesystem::temp_directory_path() / "zav-bench-XXXXXX").string();
    if (!mkdtemp(name.data())) return std::filesystem::temp_directory_path();
    return name;
}

void BM_TurnEndWithJournal(benchmark::State& state) {
    const auto folder = Folder();
    {
        CJournal journal(folder / "journal.sqlite");
        if (journal.Open() != JournalStatus::Ok) {
            state.SkipWithError("journal not opened");
            return;
        }
        CZAVTypeDoc doc;
        doc.course.Parse(
            "\tFila\nel veloz murci\xe9lago hind\xfa com\xed"
            "a feliz cardillo\n");
        JournalWriter writer;
        writer.journal = &journal;
        StepClock clock;
        CTypingEngine engine(doc, writer, clock);
        engine.StartExercise();
        const std::string line = engine.SourceLine();
        const auto typeAllBut = [&](std::size_t rest) {
            for (std::size_t i = 0; i + rest < line.size(); ++i)
                engine.Character(static_cast<unsigned char>(line[i]));
        };
        // A year of practice already in the journal: 60 turns a day.
        for (int turn = 0; turn < static_cast<int>(state.range(0)); ++turn) typeAllBut(0);
        for (auto _ : state) {
            state.PauseTiming();
            typeAllBut(1);
            state.ResumeTiming();
            engine.Character(static_cast<unsigned char>(line.back()));
        }
        if (writer.last != JournalStatus::Ok) state.SkipWithError("journal write failed");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TurnEndWithJournal)->Arg(0)->Arg(20000)->Unit(benchmark::kMicrosecond);

}  // namespace
