// From "&Ayuda" to the help viewer's first page on screen: the tutor's window in this process
// starts the real ZAVTHelp of the output folder, which records the pages it shows. Each
// iteration times the command and the wait for that first page, then closes the viewer again
// with a second "&Ayuda" (not timed). The counter says how long the command itself held the
// tutor's window.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tutor/app/main_frame.h"
#include "tutor/app/prompts.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/companion/companions.h"

namespace {

class SilentPrompts : public zav::ui::CPrompts {
  public:
    void Message(const QString&, QMessageBox::Icon) override {}
};

bool TraceHasAPage(const QString& trace) {
    QFile file(trace);
    return file.open(QIODevice::ReadOnly) && file.readAll().startsWith("page ");
}

void HelpToFirstPage(benchmark::State& state) {
    QTemporaryDir scratch;
    const QString trace = scratch.filePath(QStringLiteral("trace.txt"));
    SilentPrompts prompts;
    zav::ui::CZAVTypeApp tutor(ZAV_OUT_DIR, prompts);
    if (!tutor.Start()) {
        state.SkipWithError("the tutor did not start");
        return;
    }
    tutor.Companions()->SetViewerArguments({QStringLiteral("--trace"), trace});
    QAction* help = tutor.Frame()->Action(QStringLiteral("helpIndex"));
    double blocked = 0;  // seconds the command held the window, over all iterations
    for (auto _ : state) {
        QFile::remove(trace);
        QElapsedTimer clock;
        clock.start();
        help->trigger();
        blocked += static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        if (!QTest::qWaitFor([&] { return TraceHasAPage(trace); }, 15000)) {
            state.SkipWithError("the viewer showed no page");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        help->trigger();
        if (!QTest::qWaitFor([&] { return !help->isChecked(); }, 15000)) {
            state.SkipWithError("the viewer did not close");
            break;
        }
    }
    state.counters["window_blocked_ms"] =
        benchmark::Counter(blocked * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(HelpToFirstPage)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
