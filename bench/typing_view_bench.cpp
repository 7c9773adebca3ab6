// One keystroke through the exercise view on a 730 x 400 canvas: key event, typing engine,
// partial redraw of the typing box, caret and marks, and the sound call, with the typing marks
// (the next letter and the wrong key) on and off; and the same with the keyboard under it
// lighting the next key, with the repaint of both widgets flushed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "core/app/config.h"
#include "core/course/document.h"
#include "tutor/keyboard/keyboard_dock.h"
#include "tutor/keyboard/keyboard_widget.h"
#include "tutor/keyboard/xkb_keyboard.h"
#include "tutor/typing/zavtype_view.h"

namespace {

// The main window's part of a keystroke: the view draws and plays; with a keyboard under the
// view, the keyboard is told the next character and flashes a wrong key.
struct Listener : zav::ITypingListener {
    void StopSound() override { view->Sounds().StopAll(); }
    void PlaySound(zav::Sound sound) override { view->Sounds().Play(sound); }
    void Redraw(bool full) override { view->DrawExercise(full); }
    void StartTimer() override { view->SetTicking(true); }
    void StopTimer() override { view->SetTicking(false); }
    void ShowFingerFor(char next) override {
        if (dock) dock->ShowNext(next, view->Engine().SourceLine());
    }
    void ShowErrorLevel(int) override {
        if (dock) dock->AfterCharacter(view->Engine());
    }
    zav::ui::CZAVTypeView* view = nullptr;
    zav::ui::CKeyboardDock* dock = nullptr;
};

struct ViewUnderTest {
    ViewUnderTest(bool soundOn, bool marks) {
        std::string line;
        while (line.size() < 250) line += "asdf jkl\xf1 ";
        doc.course.Parse("\tFila\n" + line.substr(0, 255) + "\n");
        doc.soundOn = soundOn;
        view = std::make_unique<zav::ui::CZAVTypeView>(config, doc, listener);
        listener.view = view.get();
        view->SetTypingMarks({marks, marks});
        view->resize(730, 400);
        view->show();
        view->setFocus();
        view->StartExercise();
    }
    void Key(const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(view.get(), &press);
    }

    zav::CConfig config;
    zav::CZAVTypeDoc doc;
    Listener listener;
    std::unique_ptr<zav::ui::CZAVTypeView> view;
};

void CorrectKey(benchmark::State& state) {
    ViewUnderTest t(state.range(0) != 0, state.range(1) != 0);
    for (auto _ : state) {
        const auto& engine = t.view->Engine();
        t.Key(QString(QChar(static_cast<unsigned char>(engine.SourceLine()[engine.Position()]))));
    }
    state.counters["turns"] = t.doc.stats.historyCount;
}
BENCHMARK(CorrectKey)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"sound", "marks"});

void WrongKey(benchmark::State& state) {
    ViewUnderTest t(state.range(0) != 0, state.range(1) != 0);
    for (auto _ : state) t.Key(QStringLiteral("x"));
}
BENCHMARK(WrongKey)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"sound", "marks"});

// A correct key with the Spanish keyboard under the view or without it; with `flush` the
// widgets' repaint of what the key changed is part of the keystroke.
void CorrectKeyWithKeyboard(benchmark::State& state) {
    const bool keyboard = state.range(0) != 0;
    const bool flush = state.range(1) != 0;
    ViewUnderTest t(false, true);
    std::unique_ptr<zav::ui::CKeyboardDock> dock;
    if (keyboard) {
        dock = std::make_unique<zav::ui::CKeyboardDock>();
        dock->SetMap(std::make_shared<const zav::CKeyboardMap>(*zav::BuildKeyboardMap("es")));
        dock->resize(730, 220);
        dock->show();
        t.listener.dock = dock.get();
    }
    QApplication::processEvents();
    for (auto _ : state) {
        const auto& engine = t.view->Engine();
        t.Key(QString(QChar(static_cast<unsigned char>(engine.SourceLine()[engine.Position()]))));
        if (flush) QApplication::processEvents();
    }
}
BENCHMARK(CorrectKeyWithKeyboard)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"keyboard", "flush"});

}  // namespace
