// One drawing of the statistics graph with a full history and every letter typed: the model of
// each tab (computed afresh for every drawing), and the graph window painting its canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabBar>
#include <cstdlib>

#include "core/course/document.h"
#include "core/stats/graph_model.h"
#include "tutor/dialogs/graph_wnd.h"

namespace {

zav::CZAVTypeDoc FullDocument() {
    zav::CZAVTypeDoc doc;
    for (int i = 0; i < zav::CProgressStats::kHistorySize; ++i) {
        zav::CTurnRecord turn;
        turn.letters = 40 + i % 60;
        turn.duration = 2000 + 37 * i;
        turn.words = turn.letters / 6;
        turn.errors = i % 4;
        turn.errorLetters = "fj";
        doc.AddTurn(turn);
    }
    for (int k = 33; k < 256; ++k) {
        doc.stats.letterCorrect[k] = 50 + k % 13;
        doc.stats.letterErrors[k] = k % 7;
    }
    return doc;
}

void BM_GraphModels(benchmark::State& state) {
    const zav::CZAVTypeDoc doc = FullDocument();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zav::HistoryTable(doc.stats));
        benchmark::DoNotOptimize(zav::BuildSpeedChart(doc.stats));
        benchmark::DoNotOptimize(zav::BuildPrecisionScale(doc.stats));
    }
}
BENCHMARK(BM_GraphModels);

// One application for the whole run, offscreen, with a private runtime folder.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "graph_bench";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static char runtime[] = "/tmp/graph_bench-XXXXXX";
    if (mkdtemp(runtime)) setenv("XDG_RUNTIME_DIR", runtime, 1);
    new QApplication(argc, argv);
}

void BM_RefreshGraph(benchmark::State& state) {
    EnsureApplication();
    const zav::CZAVTypeDoc doc = FullDocument();
    QTabBar tabs;
    for (const char* tab : {"Historial", "Velocidad", "Precision"}) tabs.addTab(tab);
    tabs.setCurrentIndex(static_cast<int>(state.range(0)));
    zav::ui::CGraphWnd graph;
    graph.SetDocument(&doc);
    graph.SetTabs(&tabs);
    for (auto _ : state) graph.RefreshGraph();
}
BENCHMARK(BM_RefreshGraph)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
