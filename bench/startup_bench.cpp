// The tutor's own part of its start-up, after Qt's: what it costs before the first window, and
// the pieces that the first window does without.
// - TutorToWindow: the application object and its Start (settings, frame, bars, keyboard,
//   finger guide, default course, show), then the events of the first frame; each iteration
//   makes a new tutor and deletes it (not timed).
// - KeyboardMap: one Spanish keymap with its labels and key sequences (after the first build,
//   which also reads the compose table: counter first_ms).
// - HiddenDialog/0: the jump dialog; HiddenDialog/1: the statistics dialog with its heat map of
//   the Spanish keyboard; HiddenDialog/2: the settings dialog. Each is made the first time its
//   command asks for it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <memory>

#include "core/keyboard/keyboard_map.h"
#include "shared/prompts.h"
#include "tutor/app/zavtype_app.h"
#include "tutor/dialogs/jump_dlg.h"
#include "tutor/dialogs/settings_dlg.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/keyboard/xkb_keyboard.h"

namespace {

class SilentPrompts : public zav::ui::CPrompts {
  public:
    void Message(const QString&, QMessageBox::Icon) override {}
};

void TutorToWindow(benchmark::State& state) {
    SilentPrompts prompts;
    for (auto _ : state) {
        auto tutor = std::make_unique<zav::ui::CZAVTypeApp>(ZAV_OUT_DIR, prompts);
        if (!tutor->Start()) {
            state.SkipWithError("the tutor did not start (are its data files in the output?)");
            return;
        }
        QApplication::processEvents();
        state.PauseTiming();
        tutor.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(TutorToWindow)->Unit(benchmark::kMillisecond);

void KeyboardMap(benchmark::State& state) {
    QElapsedTimer first;
    first.start();
    benchmark::DoNotOptimize(zav::BuildKeyboardMap("es"));
    state.counters["first_ms"] = first.nsecsElapsed() * 1e-6;
    for (auto _ : state) benchmark::DoNotOptimize(zav::BuildKeyboardMap("es"));
}
BENCHMARK(KeyboardMap)->Unit(benchmark::kMillisecond);

void HiddenDialog(benchmark::State& state) {
    SilentPrompts prompts;
    const auto map = std::make_shared<const zav::CKeyboardMap>(*zav::BuildKeyboardMap("es"));
    for (auto _ : state) {
        std::unique_ptr<QDialog> dialog;
        if (state.range(0) == 0) {
            dialog = std::make_unique<zav::ui::CJumpDlg>();
        } else if (state.range(0) == 2) {
            dialog = std::make_unique<zav::ui::CSettingsDlg>(prompts);
        } else {
            auto stats = std::make_unique<zav::ui::CStatsDlg>();
            stats->SetKeyboardMap(map);
            dialog = std::move(stats);
        }
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(HiddenDialog)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
