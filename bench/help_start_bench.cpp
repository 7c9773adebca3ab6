// The companions and the tutor's window: the tutor in this process starts the real ZAVTHelp of
// the output folder, which records the pages it shows.
// - HelpToFirstPage: from "&Ayuda" to the viewer's first page on screen; each iteration closes
//   the viewer again with a second "&Ayuda" (not timed).
// - StoppedViewer: a viewer stopped with SIGSTOP while the user moves from exercise to exercise
//   every 10 ms for 1.5 s, until the tutor has given it up.
// The counter max_hold_ms is the longest time the window's event loop was held during the
// timed part: a 1 ms timer that measures the gaps between its own ticks (on a loaded machine
// this includes the time the process waits for a processor). max_call_ms is the longest
// single "&Ayuda" or exercise change, timed around the call.
#include <benchmark/benchmark.h>
#include <signal.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "shared/prompts.h"
#include "tutor/app/main_frame.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/companion/companions.h"
#include "tutor/typing/zavtype_view.h"

namespace {

class SilentPrompts : public zav::ui::CPrompts {
  public:
    void Message(const QString&, QMessageBox::Icon) override {}
};

// The longest gap between two ticks of a 1 ms timer, less the millisecond it waits.
class CHoldMeter {
  public:
    CHoldMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longest_ = std::max(longest_, clock_.nsecsElapsed() * 1e-6 - 1.0);
            clock_.restart();
        });
    }
    void Start() {
        clock_.start();
        timer_.start();
    }
    // Also counts the time since the last tick, for a hold that is still going on.
    double Stop() {
        longest_ = std::max(longest_, clock_.nsecsElapsed() * 1e-6 - 1.0);
        timer_.stop();
        return longest_;
    }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    double longest_ = 0;
};

bool TraceHasAPage(const QString& trace) {
    QFile file(trace);
    return file.open(QIODevice::ReadOnly) && file.readAll().startsWith("page ");
}

struct CTutor {
    QTemporaryDir scratch;
    QString trace = scratch.filePath(QStringLiteral("trace.txt"));
    SilentPrompts prompts;
    zav::ui::CZAVTypeApp app{ZAV_OUT_DIR, prompts};
    QAction* help = nullptr;

    bool Start() {
        if (!app.Start()) return false;
        app.Companions()->SetViewerArguments({QStringLiteral("--trace"), trace});
        help = app.Frame()->Actions().helpIndex;
        return true;
    }
    double longestCall = 0;  // ms

    template <typename F>
    void Timed(F call) {
        QElapsedTimer clock;
        clock.start();
        call();
        longestCall = std::max(longestCall, clock.nsecsElapsed() * 1e-6);
    }
    // "&Ayuda", then the wait for the first page; false when none came.
    bool OpenHelp() {
        QFile::remove(trace);
        Timed([&] { help->trigger(); });
        return QTest::qWaitFor([&] { return TraceHasAPage(trace); }, 15000);
    }
};

void HelpToFirstPage(benchmark::State& state) {
    CTutor tutor;
    if (!tutor.Start()) {
        state.SkipWithError("the tutor did not start");
        return;
    }
    double hold = 0;
    for (auto _ : state) {
        CHoldMeter meter;
        meter.Start();
        QElapsedTimer clock;
        clock.start();
        if (!tutor.OpenHelp()) {
            state.SkipWithError("the viewer showed no page");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        // The rest of the start sequence holds the window too.
        (void)QTest::qWaitFor([&] { return !tutor.app.Companions()->Starting(); }, 15000);
        hold = std::max(hold, meter.Stop());
        tutor.help->trigger();
        if (!QTest::qWaitFor([&] { return !tutor.help->isChecked(); }, 15000)) {
            state.SkipWithError("the viewer did not close");
            break;
        }
    }
    state.counters["max_hold_ms"] = hold;
    state.counters["max_call_ms"] = tutor.longestCall;
}
BENCHMARK(HelpToFirstPage)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void StoppedViewer(benchmark::State& state) {
    CTutor tutor;
    if (!tutor.Start()) {
        state.SkipWithError("the tutor did not start");
        return;
    }
    double hold = 0, forgottenAfter = 0;
    for (auto _ : state) {
        if (!tutor.OpenHelp() ||
            !QTest::qWaitFor([&] { return !tutor.app.Companions()->Starting(); }, 15000)) {
            state.SkipWithError("the viewer did not start");
            break;
        }
        const auto viewer = static_cast<pid_t>(tutor.app.Companions()->Link().HelpId());
        ::kill(viewer, SIGSTOP);
        CHoldMeter meter;
        QElapsedTimer clock;
        QTimer moves;
        tutor.longestCall = 0;
        int exercise = 0;
        QObject::connect(&moves, &QTimer::timeout, [&] {
            tutor.app.Document().exercise = exercise++ % 10;
            tutor.Timed([&] { tutor.app.Frame()->View()->StartExercise(); });
        });
        meter.Start();
        clock.start();
        moves.start(10);
        (void)QTest::qWaitFor([&] { return !tutor.help->isChecked(); }, 5000);
        forgottenAfter = std::max(forgottenAfter, clock.nsecsElapsed() * 1e-6);
        QTest::qWait(500);  // and on, with nobody to tell
        moves.stop();
        hold = std::max(hold, meter.Stop());
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        ::kill(viewer, SIGKILL);
        ::kill(viewer, SIGCONT);
    }
    state.counters["max_hold_ms"] = hold;
    state.counters["forgotten_after_ms"] = forgottenAfter;
    state.counters["max_call_ms"] = tutor.longestCall;
}
BENCHMARK(StoppedViewer)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
