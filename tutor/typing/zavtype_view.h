#pragma once
// The exercise view: the caption, the line to copy, the typing box, the caret and the error
// marks, painted straight onto the window, a keystroke's few changed columns at a time. Keys go
// to the typing engine; what it reports goes to the listener the view is made with (the main
// window), which has the view draw, play and tick.
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "core/app/config.h"
#include "core/course/random.h"
#include "core/typing/typing_engine.h"
#include "core/typing/typing_marks.h"
#include "tutor/typing/sound_player.h"

class QPainter;

namespace zav {
class CFingerTable;
}

namespace zav::ui {

class CZAVTypeView : public QWidget {
    Q_OBJECT

  public:
    // The engine reports to `listener`, which outlives the view.
    CZAVTypeView(const CConfig& config, CZAVTypeDoc& doc, ITypingListener& listener,
                 QWidget* parent = nullptr);

    void SetFingerTable(const CFingerTable* fingers) { fingers_ = fingers; }

    // Re-creates the exercise font from the document; the caller redraws.
    void RefreshFont();
    // Switches the typing marks and redraws.
    void SetTypingMarks(const TypingMarks& marks);
    const TypingMarks& Marks() const { return marks_; }
    void StartExercise() { engine_.StartExercise(); }

    // The navigation commands of the "Ejercicio" menu.
    void OnPrevious();
    void OnNext();
    void OnRestart();
    // Has the exercise painted again: whole, or only what the last keystroke changed.
    void DrawExercise(bool full);
    // The whole view as it paints now, for a test or a picture.
    QImage Rendered();

    CTypingEngine& Engine() { return engine_; }
    const CTypingEngine& Engine() const { return engine_; }
    const QFont& ExerciseFont() const { return font_; }
    const CSoundPlayer& Sounds() const { return sounds_; }
    CSoundPlayer& Sounds() { return sounds_; }
    // The clock of a timed turn: the engine's Tick four times a second.
    void SetTicking(bool on) { on ? timer_.start() : timer_.stop(); }
    bool TimerActive() const { return timer_.isActive(); }
    QString StatusText() const;
    // Typing area geometry of the current size: the middle row of the boxes.
    int Mid() const { return height() / 2; }
    // Height of each of the two boxes: 40 pixels, more for a font whose line needs it.
    int BoxHeight() const;
    // Both boxes across the view's width: what a tool window must not cover.
    QRect ExerciseArea() const {
        return QRect(0, Mid() - 5 - BoxHeight(), width(), 2 * BoxHeight() + 10);
    }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab is a key like Enter here: it must reach the view, not move the focus.
    bool focusNextPrevChild(bool) override { return false; }

  private:
    // The two boxes and the text areas inside them, at the current size.
    struct Boxes {
        QRect upper, typing, upperText, typingText;
        // The typing box's rows across the whole view.
        QRect typingRow;
    };
    struct LetterMark {
        QRect cell, underline;
    };
    Boxes Layout() const;
    // Everything of the view that lies in `area`.
    void Paint(QPainter& p, const QRect& area);
    void TypeText(const QString& text);
    // Offset of the first `characters` characters of the line in the exercise font.
    qreal PrefixX(int characters);
    // The centre of character `position` of the line, from the text's left edge.
    int MarkX(int position);
    // The typing box, its text, the wrong key and the caret, within `columns` of the view only
    // (all of them when null); false when the text must be drawn whole instead (its clipping
    // changed).
    bool DrawTypingColumns(QPainter& p, const QRect& box, const QRect& text, const QRect& columns);
    // The typed text as one string, as far as the view shows it in the text colour.
    QString ShownTypedText() const;
    // The wrong key after the typed text, in the error colour on a tinted background.
    void DrawWrongKey(QPainter& p, const QRect& text, qreal x);
    // The mark of the next character of the line to copy, which spans `left` to `right`.
    LetterMark NextLetter(const Boxes& boxes, qreal left, qreal right);
    QRect NextLetterArea(const Boxes& boxes, qreal left, qreal right);
    void DrawNextLetter(QPainter& p, const Boxes& boxes);

    const CConfig& config_;
    CZAVTypeDoc& doc_;
    ITypingListener& listener_;
    const CFingerTable* fingers_ = nullptr;
    CSteadyClock clock_;
    CRandom random_;
    CTypingEngine engine_;
    CSoundPlayer sounds_;
    QTimer timer_;
    QFont font_;
    // The line to copy, laid out once: where each of its characters begins.
    std::string layoutLine_;
    std::vector<qreal> prefixX_;
    int margin_ = 8;
    bool layoutValid_ = false;
    // What the view was last asked to show, so that a keystroke paints only what it changes.
    int drawnPosition_ = -1;
    QRect drawnLetter_;
    bool textClipped_ = false;
    int drawnMarks_ = -1;
    bool focus_ = false;
    int caretX_ = 55;
    TypingMarks marks_;
};

}  // namespace zav::ui
