// Nothing the tutor writes is cut: the status bar's idle text, the exercise bar's figures, the
// history table's columns, a big exercise font in its boxes, and the window on its screen. The
// same tests run once more at QT_SCALE_FACTOR=2 on a 1280×1024 screen (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include "core/app/strings.h"
#include "shared/qt_text.h"
#include "tests/typing/tutor_fixture.h"
#include "tutor/app/status_panes.h"
#include "tutor/dialogs/graph_wnd.h"
#include "tutor/dialogs/stats_dlg.h"
#include "tutor/stats/exercise_bar.h"
#include "tutor/texts.h"

namespace zav::testing {
namespace {

// The width a line edit gives its text: inside its frame and Qt's two pixels on each side.
int TextRoom(const QLineEdit& edit) {
    const QMargins margins = edit.textMargins();
    return edit.width() - 2 * edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4 -
           margins.left() - margins.right();
}

// Where the status bar draws its message: from six pixels in to two before the first pane.
int MessageRoom(QStatusBar& bar) {
    int right = bar.width() - 12;
    for (QWidget* pane : bar.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (pane->isVisible() && pane->x() > 0) right = std::min(right, pane->x() - 2);
    return right - 6;
}

// The long caption of a course whose section title is long too.
constexpr char kLongTitles[] =
    "\tDi\xe9resis, e\xf1"
    "e y signos de apertura\nfj jpqy\n";

TEST(TextFit, TheIdleTextFitsTheStatusBarAtTheUsualSizes) {
    TutorFixture t(kLongTitles);
    ASSERT_TRUE(t.Start());
    QStatusBar* bar = t.Frame()->statusBar();
    const QString idle = ui::Tr(text::kIdlePrompt);
    for (QSize size : {QSize(730, 400), QSize(730, 620), QSize(900, 620)}) {
        t.Frame()->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(bar->currentMessage(), idle);
        EXPECT_LE(bar->fontMetrics().horizontalAdvance(idle), MessageRoom(*bar))
            << size.width() << "x" << size.height();
        // The caption keeps its whole text for the tooltip and the view's own drawing.
        EXPECT_TRUE(t.Frame()->findChild<ui::CStatusPanes*>()->ExerciseText().startsWith(
            QStringLiteral("Ec 1: 'Di")));
    }
}

TEST(TextFit, EveryExerciseBarFigureFitsItsField) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    // A turn of 106.42 s, then the largest figures a long, slow, bad turn gives.
    const struct {
        CTurnRecord record;
        int turn;
    } cases[] = {
        {{0, 10642, "ab", 40, 2, 0, 8}, 3},
        {{0, 999999, "wwwwww", 255, 255, 0, 255}, 999},
        {{0, 600, "", 255, 0, 0, 51}, 1},  // 2550 lpm: beyond any typist, still shown whole
    };
    ui::CExerciseBar* bar = t.Frame()->findChild<ui::CExerciseBar*>();
    for (const auto& c : cases) {
        t.Frame()->ShowTurnFigures(c.record, c.turn);
        for (QLineEdit* edit : bar->findChildren<QLineEdit*>()) {
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), TextRoom(*edit))
                << edit->objectName().toStdString() << " \"" << edit->text().toStdString() << "\"";
        }
    }
    t.Frame()->ShowTurnFigures(cases[0].record, 3);
    EXPECT_EQ(bar->Text(ui::CExerciseBar::Duration), QStringLiteral("106.420"));
}

// Columns of ink in one row band of the graph, apart where at least `gap` blank columns part them.
int InkRuns(const QImage& canvas, int top, int height, int gap) {
    const QRgb ground = canvas.pixel(canvas.width() - 1, canvas.height() - 1);
    int runs = 0, blank = gap;
    for (int x = 0; x < canvas.width(); ++x) {
        bool ink = false;
        for (int y = top; y < top + height && !ink; ++y) ink = canvas.pixel(x, y) != ground;
        if (ink && blank >= gap) ++runs;
        blank = ink ? 0 : blank + 1;
    }
    return runs;
}

TEST(TextFit, HistoryColumnsStayApart) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    // Long, slow turns: five-digit durations and full percentages next to their headings.
    for (int i = 0; i < 3; ++i) t.Doc().AddTurn({0, 10642 + i, "xyz", 4, 4, 149, 1});
    t.Frame()->findChild<QAction*>(QStringLiteral("viewStatistics"))->trigger();
    ui::CStatsDlg* stats = t.Frame()->StatsDlg();
    stats->SelectTab(0);
    stats->RefreshGraph();
    const QImage canvas = stats->Graph()->Canvas();
    // "Ec errs tiempo %err ppm lpm Errs", then "150 4 10644 100% 0 2 xyz".
    EXPECT_EQ(InkRuns(canvas, 0, 12, 3), 7) << "header";
    EXPECT_EQ(InkRuns(canvas, 20, 12, 3), 7) << "newest turn";
    for (int y = 0; y < 32; ++y)
        EXPECT_EQ(canvas.pixel(canvas.width() - 1, y), canvas.pixel(0, 149));
}

// Rows of the canvas inside `box` that carry the source line's ink.
int InkHeight(const QImage& canvas, const QRect& box, QRgb ground) {
    int top = -1, bottom = -1;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (canvas.pixel(x, y) != ground) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

TEST(TextFit, BoxesGrowWithTheExerciseFontSoDescendersShow) {
    TutorFixture t("\tFila\ngjpqy\n");
    ASSERT_TRUE(t.Start());
    ui::CZAVTypeView* view = t.View();
    view->SetTypingMarks({false, false});
    const struct {
        int tenths;
        bool grows;
    } cases[] = {{140, false}, {300, true}, {480, true}};
    for (const auto& c : cases) {
        t.Doc().fontName = "DejaVu Sans Mono";
        t.Doc().fontSize = c.tenths;
        view->RefreshFont();
        QApplication::processEvents();  // the window makes room for the taller view
        const int box = view->BoxHeight();
        EXPECT_EQ(box > 40, c.grows) << c.tenths;
        if (!c.grows) {
            EXPECT_EQ(box, 40);
        }
        // The line as the font draws it unclipped, against the upper box's inside.
        QImage free(view->width(), 3 * box, QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter p(&free);
        p.setFont(view->ExerciseFont());
        p.setPen(Qt::black);
        p.drawText(10, box + QFontMetrics(view->ExerciseFont()).ascent(), QStringLiteral("gjpqy"));
        p.end();
        const QRect inside(60, view->Mid() - 5 - box + 1, view->width() - 120, box - 2);
        const QImage shown = view->Rendered();
        const QRgb ground = shown.pixel(inside.right(), inside.top());
        EXPECT_EQ(InkHeight(shown, inside, ground),
                  InkHeight(free, free.rect(), QColor(Qt::white).rgb()))
            << c.tenths;
    }
}

TEST(TextFit, TheWindowFitsItsScreen) {
    TutorFixture t;
    ASSERT_TRUE(t.Start());
    const QRect screen = t.Frame()->screen()->availableGeometry();
    QApplication::processEvents();  // the frame is known once the window is up
    EXPECT_TRUE(screen.contains(t.Frame()->frameGeometry()))
        << t.Frame()->width() << "x" << t.Frame()->height() << " on " << screen.width() << "x"
        << screen.height();
    EXPECT_LE(t.Frame()->minimumSizeHint().width(), screen.width());
}

}  // namespace
}  // namespace zav::testing
