// One keystroke through the exercise view on a 730 x 400 canvas: key event, typing engine,
// partial redraw of the typing box, caret and marks, and the sound call; with the typing marks
// (the next letter and the wrong key) on and off.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <memory>
#include <string>

#include "tutor/app/config.h"
#include "tutor/course/document.h"
#include "tutor/typing/zavtype_view.h"

namespace {

struct ViewUnderTest {
    ViewUnderTest(bool soundOn, bool marks) {
        std::string line;
        while (line.size() < 250) line += "asdf jkl\xf1 ";
        doc.course.Parse("\tFila\n" + line.substr(0, 255) + "\n");
        doc.soundOn = soundOn;
        view = std::make_unique<zav::ui::CZAVTypeView>(config, doc);
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

}  // namespace
