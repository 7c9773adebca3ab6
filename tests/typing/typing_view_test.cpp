// The exercise view driven by real key events: what is counted, what is drawn, where.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

#include "shared/qt_text.h"
#include "tests/typing/tutor_fixture.h"
#include "tutor/app/status_panes.h"
#include "tutor/stats/exercise_bar.h"

namespace zav::testing {
namespace {

constexpr QRgb kBackground = 0xffe3e3dd;  // col_bgnd dde3e3 as 0x00BBGGRR
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kBlob = 0xffff0000;

QRgb Pixel(const ui::CZAVTypeView* view, int x, int y) {
    return Shown(view).pixel(x, y) | 0xff000000;
}

// Pixels of row `y` from `x` outwards in both directions that differ from the background.
int MarkWidth(const ui::CZAVTypeView* view, int x, int y) {
    const QImage shown = Shown(view);
    auto pixel = [&](int at) { return shown.pixel(at, y) | 0xff000000; };
    int left = x, right = x;
    while (left > 0 && pixel(left - 1) != kBackground) --left;
    while (right + 1 < view->width() && pixel(right + 1) != kBackground) ++right;
    return pixel(x) == kBackground ? 0 : right - left + 1;
}

TEST(TypingView, LineTypedWithoutErrors) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("asdf jkl");
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ñ"),
                        Qt::NoModifier);
    ASSERT_EQ(t.Doc().stats.historyCount, 1);
    const CTurnRecord& r = t.Doc().stats.history[0];
    EXPECT_EQ(r.letters, 9);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.words, 1);
    EXPECT_EQ(t.Engine().TurnNumber(), 2);
    EXPECT_EQ(t.Doc().stats.letterCorrect[0xf1], 1);
    EXPECT_EQ(t.View()->Sounds().PlayCount(Sound::Ok), 9);
    EXPECT_EQ(t.View()->Sounds().PlayCount(Sound::Done), 1);
    EXPECT_TRUE(t.prompts.messages.empty());  // no sound device here: silence, no message
    EXPECT_FALSE(t.View()->TimerActive());
    EXPECT_TRUE(t.app->Documents().Modified());
    EXPECT_TRUE(t.Frame()->findChild<ui::CExerciseBar*>()->Summary().contains(
        QStringLiteral("Intentos 2")));
}

TEST(TypingView, WrongKeysAtOnePositionCountOnceAndShowTheLastOne) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("a");
    const int mid = t.View()->Mid();
    for (const QString& wrong : {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}) {
        t.Type(wrong);
        EXPECT_EQ(t.Engine().TypedText(), "a" + wrong.toStdString());
    }
    EXPECT_EQ(t.Engine().Record().errors, 1);
    EXPECT_EQ(t.Engine().Record().errorLetters, "s");
    EXPECT_EQ(t.Engine().CurrentMarks().Count(), 1);
    EXPECT_EQ(t.View()->Sounds().PlayCount(Sound::Bad), 3);
    // The caret stays at the left edge of the wrong character.
    const QFontMetrics m(t.View()->ExerciseFont());
    const int x = 55 + m.horizontalAdvance(QStringLiteral("a"));
    EXPECT_EQ(Pixel(t.View(), x, mid + 40), kBlack);
    // The mark stands on the middle row, centred on the expected character.
    const int markX = 55 + (m.horizontalAdvance("a") + m.horizontalAdvance("as")) / 2;
    EXPECT_EQ(Pixel(t.View(), markX, mid), kBlob);
    t.Type("s");
    EXPECT_EQ(t.Engine().Record().errors, 1);
    EXPECT_FALSE(t.Engine().PendingError());
}

TEST(TypingView, WrongFirstSpaceSoundsButIsNotCounted) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type(" ");
    EXPECT_EQ(t.Engine().Record().errors, 0);
    EXPECT_EQ(t.Engine().CurrentMarks().Count(), 0);
    EXPECT_EQ(t.Engine().TypedText(), " ");
    EXPECT_EQ(t.View()->Sounds().PlayCount(Sound::Bad), 1);
}

TEST(TypingView, BackspaceEnterTabAndEscapeChangeNothing) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("ax");
    const QImage before = Shown(t.View());
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape})
        QTest::keyClick(t.View(), key);
    // Control or Alt with a letter types nothing, even the expected "s".
    for (Qt::KeyboardModifier mod : {Qt::ControlModifier, Qt::AltModifier})
        QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_S, QStringLiteral("s"), mod);
    EXPECT_EQ(t.Engine().TypedText(), "ax");
    EXPECT_EQ(t.Engine().Record().errors, 1);
    EXPECT_EQ(t.View()->Sounds().PlayCount(Sound::Bad), 1);
    EXPECT_TRUE(t.View()->hasFocus());
    EXPECT_EQ(Shown(t.View()), before);
}

TEST(TypingView, DeadKeyCommitsAreTypedLikeKeys) {
    TutorFixture t(
        "\tAcentos\n\xe1"
        "a\n");
    ASSERT_TRUE(t.Start());
    QInputMethodEvent compose(QStringLiteral("´"), {});
    QApplication::sendEvent(t.View(), &compose);  // the dead key alone types nothing
    EXPECT_EQ(t.Engine().TypedText(), "");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("á"));
    QApplication::sendEvent(t.View(), &commit);
    EXPECT_EQ(t.Engine().Position(), 1);
    EXPECT_EQ(t.Doc().stats.letterCorrect[0xe1], 1);
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("€"),
                        Qt::NoModifier);  // 0x80 in Windows-1252: a wrong key, counted
    EXPECT_EQ(t.Engine().TypedText(), "\xe1\x80");
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ω"),
                        Qt::NoModifier);  // no Windows-1252 code: ignored
    EXPECT_EQ(t.Engine().TypedText(), "\xe1\x80");
}

TEST(TypingView, ErrorsAtMoreThan250PositionsStopLeavingMarks) {
    std::string line;
    for (int i = 0; i < 126; ++i) line += "ab";
    TutorFixture t("\tLarga\n" + line + "\n");
    ASSERT_TRUE(t.Start());
    for (int i = 0; i < 251; ++i) {
        t.Type(QStringLiteral("x"));
        t.Type(QString(QChar(line[i])));
    }
    EXPECT_EQ(t.Engine().Record().errors, 251);
    EXPECT_EQ(t.Engine().CurrentMarks().Count(), 250);
    EXPECT_EQ(t.Doc().stats.letterErrors['a'] + t.Doc().stats.letterErrors['b'], 251);
}

TEST(TypingView, SoundOffPlaysNothing) {
    TutorFixture t("\tFila\nfj\n", "audio:off\n");
    ASSERT_TRUE(t.Start());
    EXPECT_FALSE(t.Doc().soundOn);
    t.Type("xfj");
    for (Sound s : {Sound::Ok, Sound::Bad, Sound::Done})
        EXPECT_EQ(t.View()->Sounds().PlayCount(s), 0);
    EXPECT_EQ(t.Doc().stats.historyCount, 1);
}

TEST(TypingView, TurnAbandonedForTheNextExerciseLeavesNoRecord) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Type("asx");
    EXPECT_TRUE(t.View()->TimerActive());
    ++t.Doc().exercise;
    t.View()->StartExercise();
    EXPECT_EQ(t.Doc().stats.historyCount, 0);
    EXPECT_EQ(t.Doc().stats.letterCorrect['s'], 1);
    EXPECT_EQ(t.Doc().stats.letterErrors['d'], 1);
    EXPECT_EQ(t.Engine().TurnNumber(), 1);
    EXPECT_FALSE(t.Engine().PendingError());
    EXPECT_FALSE(t.View()->TimerActive());
    EXPECT_EQ(t.Engine().SourceLine(), "fj fj");
}

TEST(TypingView, CaretAt55OnlyWithFocusInBothShapes) {
    for (const char* shape : {"cursor_shape:I\n", "cursor_shape:|\n"}) {
        TutorFixture t("\tFila\nfj\n", shape);
        ASSERT_TRUE(t.Start());
        const int mid = t.View()->Mid();
        EXPECT_EQ(Pixel(t.View(), 55, mid + 25), kBlack) << shape;
        EXPECT_EQ(Pixel(t.View(), 55, mid + 11), kBlack);
        const bool beam = t.app->Config().cursor_shape;
        EXPECT_EQ(Pixel(t.View(), 51, mid + 40) == kBlack, beam) << shape;
        EXPECT_EQ(Pixel(t.View(), 59, mid + 10) == kBlack, beam) << shape;
        t.View()->clearFocus();
        EXPECT_NE(Pixel(t.View(), 55, mid + 25), kBlack) << "no caret without the focus";
        t.View()->setFocus();
        EXPECT_EQ(Pixel(t.View(), 55, mid + 25), kBlack);
    }
}

TEST(TypingView, OpenMenuStopsTheTurnClockUntilTheViewHasTheFocusAgain) {
    TutorFixture t("\tFila\nfjfj\n");
    ASSERT_TRUE(t.Start());
    t.Type("f");
    ASSERT_TRUE(t.View()->TimerActive());
    QMenu* menu = t.Frame()->menuBar()->actions().first()->menu();
    menu->popup(t.Frame()->mapToGlobal(QPoint(10, 30)));
    QTest::qWait(20);
    EXPECT_TRUE(t.Engine().ClockPaused());
    EXPECT_FALSE(t.View()->TimerActive());
    menu->close();
    QTest::qWait(20);
    EXPECT_FALSE(t.Engine().ClockPaused());
    EXPECT_TRUE(t.View()->TimerActive());
}

TEST(TypingView, CaptionOfTheTwelfthExercise) {
    std::string course = "\tPrimera\n";
    for (int i = 0; i < 9; ++i) course += "aa\n";
    course += "\tFila de inicio\n";
    for (int i = 0; i < 8; ++i) course += "bb\n";
    TutorFixture t(course);
    ASSERT_TRUE(t.Start());
    t.Doc().exercise = 11;
    t.View()->StartExercise();
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->ExerciseText(),
              QStringLiteral("Ec 12: 'Fila de inicio' 3 de 8"));
    EXPECT_EQ(t.Frame()->findChild<ui::CStatusPanes*>()->AutoText(), QStringLiteral("AUTO"));
}

TEST(TypingView, MarksShrinkFrom8To6To4OverTheTurns) {
    TutorFixture t("\tFila\nfj\n");
    ASSERT_TRUE(t.Start());
    const int mid = t.View()->Mid();
    const QFontMetrics m(t.View()->ExerciseFont());
    const int x = 55 + m.horizontalAdvance(QStringLiteral("f")) / 2;
    t.Type("x");  // an error at position 0: an 8-pixel disc while the turn goes on
    EXPECT_EQ(MarkWidth(t.View(), x, mid), 8);
    EXPECT_EQ(Pixel(t.View(), x, mid), kBlob);
    t.Type("fj");  // the finished line redraws all: now a mark of the previous turn
    EXPECT_EQ(MarkWidth(t.View(), x, mid), 6);
    EXPECT_EQ(Pixel(t.View(), x, mid), kBlob);
    t.Type("fj");
    EXPECT_EQ(MarkWidth(t.View(), x, mid), 4);
    EXPECT_EQ(Pixel(t.View(), x, mid), kBlack);
}

TEST(TypingView, ResizedWindowRedrawsTheBoxesOnTheNewMiddle) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    t.Frame()->resize(1000, 600);
    QApplication::processEvents();
    const int w = t.View()->width(), h = t.View()->height(), mid = h / 2;
    ASSERT_EQ(Shown(t.View()).size(), t.View()->size());
    EXPECT_GT(w, 900);
    const struct {
        int x, y;
        QRgb color;
    } pixels[] = {
        {49, mid + 5, kBackground},      {50, mid + 5, kBlack},         {w - 51, mid + 44, kBlack},
        {w - 50, mid + 44, kBackground}, {50, mid + 45, kBackground},   {60, mid + 20, 0xffffffff},
        {50, mid - 45, 0xffbbbbbb},      {w - 51, mid - 6, 0xffffffff}, {50, mid - 46, kBackground},
        {w - 60, mid, kBackground},
    };
    const QImage shown = Shown(t.View());
    for (const auto& p : pixels)
        EXPECT_EQ(shown.pixel(p.x, p.y) | 0xff000000, p.color) << p.x << "," << p.y;
}

// Without fonts every glyph is the same box: make sure two glyphs differ, or the pixel tests above
// would pass for the wrong reason.
TEST(TypingView, TextRendersRealGlyphs) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    auto glyph = [&](QChar c) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(t.View()->ExerciseFont());
        p.drawText(image.rect(), Qt::AlignCenter, QString(c));
        return image;
    };
    EXPECT_NE(glyph('a'), glyph('j'));
}

}  // namespace
}  // namespace zav::testing
