// The typing marks over the exercise: the wrong key in the error colour, the next letter marked in
// the line to copy, and the plain drawing when both are switched off.
#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "shared/qt_text.h"
#include "tests/typing/tutor_fixture.h"

namespace zav::testing {
namespace {

const QString kPlainCanvas = QStringLiteral(ZAV_SOURCE_DIR "/tests/typing/data/plain_view.png");
constexpr QRgb kBox = 0xffffffff;
constexpr QRgb kTyped = 0xff10aa10;  // col_ex 10aa10
constexpr QRgb kError = 0xffdd0000;  // col_err 0000dd
constexpr QRgb kCaret = 0xff000000;

TypingMarks Off() {
    return {false, false};
}

// How many pixels of `rect` have the colour `rgb`; with `rgb` 0, how many look reddish.
int Count(const QImage& canvas, const QRect& rect, QRgb rgb) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb c = canvas.pixel(x, y) | 0xff000000;
            if (rgb ? c == rgb : qRed(c) > qGreen(c) + 20 && qRed(c) > qBlue(c) + 20) ++n;
        }
    return n;
}

// A finished turn with an error, then a wrong key in the second turn: previous and current
// marks, the caret and a wrong character at once.
QImage PlainScenario(TutorFixture& t) {
    t.Type(QStringLiteral("xasdf jkl"));
    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown, QStringLiteral("ñ"),
                        Qt::NoModifier);
    t.Type(QStringLiteral("asq"));
    return Shown(t.View());
}

TEST(TypingMarks, BothOffDrawTheCanvasAsBefore) {
    TutorFixture t("\tFila\nasdf jkl\xf1\n", "audio:off\nfont_name:DejaVu Sans\n");
    ASSERT_TRUE(t.Start());
    t.View()->SetTypingMarks(Off());
    // The layout follows the view's height, which the docks under it share: the golden canvas's.
    const QImage expected = QImage(kPlainCanvas).convertToFormat(QImage::Format_RGB32);
    t.View()->setFixedSize(expected.size());
    QApplication::processEvents();
    const QImage canvas = PlainScenario(t);
    if (qEnvironmentVariableIsSet("ZAV_WRITE_GOLDEN")) canvas.save(kPlainCanvas);
    ASSERT_EQ(canvas.size(), expected.size());
    EXPECT_TRUE(canvas == expected);
    // Switched on, the same keys draw the marks: the canvas differs.
    TutorFixture on("\tFila\nasdf jkl\xf1\n", "audio:off\nfont_name:DejaVu Sans\n");
    ASSERT_TRUE(on.Start());
    on.View()->setFixedSize(expected.size());
    QApplication::processEvents();
    EXPECT_FALSE(PlainScenario(on) == expected);
}

// The wrong key after "as": a letter, then a blank.
TEST(TypingMarks, WrongKeyInTheErrorColourOnATint) {
    for (const bool marked : {true, false}) {
        TutorFixture t("\tFila\nasdf jkl\xf1\n", "audio:off\nfont_name:DejaVu Sans\n");
        ASSERT_TRUE(t.Start());
        t.View()->SetTypingMarks({false, marked});
        const QFontMetricsF m(t.View()->ExerciseFont());
        const int mid = t.View()->Mid();
        const int left = 55 + qCeil(m.horizontalAdvance(QStringLiteral("as")));
        t.Type(QStringLiteral("asq"));
        const QRect q(left, mid + 10, qFloor(m.horizontalAdvance('q')) - 1, 30);
        EXPECT_EQ(Count(Shown(t.View()), q, kError) > 0, marked) << marked;
        EXPECT_EQ(Count(Shown(t.View()), q, kTyped) > 0, !marked) << marked;
        t.Type(QStringLiteral(" "));
        const QRect blank(left + 1, mid + 12, qFloor(m.horizontalAdvance(' ')) - 2, 26);
        const QImage shown = Shown(t.View());
        EXPECT_EQ(Count(shown, blank, kBox) < blank.width() * blank.height(), marked);
        EXPECT_EQ(Count(shown, blank, 0) > 0, marked) << "a wrong blank shows as a tint";
    }
}

// The mark under the next character follows the correct keys, turns to the error colour with a
// counted error, and stays in the upper box's frame at every font size.
TEST(TypingMarks, NextLetterMarkFollowsTheKeysAtEveryFontSize) {
    for (const int size : {80, 140, 300}) {
        TutorFixture t("\tFila\nasdf jkl\xf1\n", "audio:off\nfont_name:DejaVu Sans\nfont_size:" +
                                                     std::to_string(size) + "\n");
        ASSERT_TRUE(t.Start());
        const QFontMetricsF m(t.View()->ExerciseFont());
        const int mid = t.View()->Mid();
        // The column of the middle of character `i` inside the upper box's frame.
        auto column = [&](int i) {
            const QString line = QStringLiteral("asdf jkl");
            const qreal x =
                (m.horizontalAdvance(line.left(i)) + m.horizontalAdvance(line.left(i + 1))) / 2;
            return QRect(55 + qRound(x), mid - 44, 1, 38);
        };
        EXPECT_GT(Count(Shown(t.View()), column(0), kCaret), 0) << size;
        t.Type(QStringLiteral("as"));
        EXPECT_EQ(Count(Shown(t.View()), column(0), kCaret), 0) << size;
        EXPECT_EQ(Count(Shown(t.View()), column(1), kCaret), 0) << size;
        EXPECT_GT(Count(Shown(t.View()), column(2), kCaret), 0) << size;
        // The underline spans the character, not its neighbours.
        const int s = 55 + qCeil(m.horizontalAdvance(QStringLiteral("as")));
        const int d = 55 + qFloor(m.horizontalAdvance(QStringLiteral("asd")));
        const int under = Count(Shown(t.View()), QRect(s + 1, mid - 44, d - s - 2, 38), kCaret);
        EXPECT_GT(under, 0) << size;
        EXPECT_EQ(under % (d - s - 2), 0) << "whole rows under the character only";
        EXPECT_EQ(Count(Shown(t.View()), QRect(s - 3, mid - 44, 2, 38), kCaret), 0) << size;
        t.Type(QStringLiteral("x"));
        EXPECT_EQ(Count(Shown(t.View()), column(2), kCaret), 0) << size;
        EXPECT_GT(Count(Shown(t.View()), column(2), kError), 0) << size;
        t.Type(QStringLiteral("d"));
        EXPECT_EQ(Count(Shown(t.View()), column(2), kError), 0) << size;
        EXPECT_GT(Count(Shown(t.View()), column(3), kCaret), 0) << size;
        // Nothing of the mark crosses the frame of the upper box.
        EXPECT_EQ(Count(Shown(t.View()), QRect(50, mid - 45, 630, 1), kCaret), 0) << size;
        EXPECT_EQ(Count(Shown(t.View()), QRect(50, mid - 6, 630, 2), kCaret), 0) << size;
    }
}

// A keystroke paints only the columns it changes, yet the window shows what a full paint
// gives, with kerned pairs, ligatures, wrong keys in both marks and a line wider than the box
// (whose text is then clipped; only the caret may trail beyond the box's right edge), and a font
// taller than the box.
TEST(TypingMarks, KeystrokesDrawWhatAFullRedrawDraws) {
    const std::string lines[] = {"AVA To fi ffl jy f\xedn Wa", std::string(70, 'W') + " fj"};
    for (const std::string& line : lines)
        for (const bool marked : {true, false}) {
            const std::string size = marked ? "120" : "260";
            TutorFixture t("\tFila\n" + line + "\n",
                           "audio:off\nfont_name:DejaVu Sans\nfont_size:" + size + "\n");
            ASSERT_TRUE(t.Start());
            t.View()->SetTypingMarks({marked, marked});
            const QRect inside(0, 0, t.View()->width() - 50, t.View()->height());
            for (std::size_t i = 0; i + 1 < line.size(); ++i) {
                for (const char key : {'q', line[i]}) {
                    QTest::sendKeyEvent(QTest::Click, t.View(), Qt::Key_unknown,
                                        ui::FromCp1252(std::string(1, key)), Qt::NoModifier);
                    const QImage partial = Shown(t.View()).copy(inside);
                    ASSERT_TRUE(partial == t.View()->Rendered().copy(inside))
                        << line << " at " << i << " after " << key << " size " << size;
                }
            }
        }
}

}  // namespace
}  // namespace zav::testing
