#pragma once
// The exercise view: the caption, the line to copy, the typing box, the caret and the error
// marks, drawn into a persistent canvas. Keys go to the typing engine; what it reports is drawn
// here or handed to the host's bars.
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "tutor/app/config.h"
#include "tutor/course/random.h"
#include "tutor/typing/next_letter_mark.h"
#include "tutor/typing/sound_player.h"
#include "tutor/typing/typing_engine.h"
#include "tutor/typing/typing_marks.h"
#include "tutor/typing/view_host.h"

class QPainter;

namespace zav {
class CFingerTable;
}

namespace zav::ui {

class CZAVTypeView : public QWidget, private ITypingListener {
    Q_OBJECT

  public:
    CZAVTypeView(const CConfig& config, CZAVTypeDoc& doc, QWidget* parent = nullptr);

    void SetHost(IViewHost* host) { host_ = host; }
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
    void DrawExercise(bool full);

    CTypingEngine& Engine() { return engine_; }
    const CTypingEngine& Engine() const { return engine_; }
    const QImage& Canvas() const { return canvas_; }
    const QFont& ExerciseFont() const { return font_; }
    const CSoundPlayer& Sounds() const { return sounds_; }
    CSoundPlayer& Sounds() { return sounds_; }
    bool TimerActive() const { return timer_.isActive(); }
    QString StatusText() const;
    // Typing area geometry of the current size: the middle row of the boxes.
    int Mid() const { return height() / 2; }

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
    void TypeText(const QString& text);
    // Offset of the first `characters` characters of the line in the exercise font.
    qreal PrefixX(int characters);
    // The centre of character `position` of the line, from the text's left edge.
    int MarkX(int position);
    // The typing box, its text, the wrong key and the caret, within `columns` of the canvas
    // only (all of them when null); false when the text must be drawn whole instead (its
    // clipping changed).
    bool DrawTypingColumns(QPainter& p, const QRect& box, const QRect& text, const QRect& columns);
    // The typed text as one string, as far as the view shows it in the text colour.
    QString ShownTypedText() const;
    // The wrong key after the typed text, in the error colour on a tinted background.
    void DrawWrongKey(QPainter& p, const QRect& text, qreal x);
    // Marks the next character of the line to copy; returns the pixels changed.
    QRect DrawNextLetter(QPainter& p, const QRect& box, const QRect& text, qreal left, qreal right);

    // ITypingListener
    void StopSound() override { sounds_.StopAll(); }
    void PlaySound(Sound sound) override { sounds_.Play(sound); }
    void ShowErrorLevel(int errors) override;
    void ClearTurnFigures(int turnNumber) override;
    void ShowTurnFigures(const CTurnRecord& record, int turnNumber) override;
    void ShowTurnDiscs(const TurnHistory& history) override;
    void ShowLetterLists(const std::string& good, const std::string& bad) override;
    void ShowFingerFor(char next) override;
    void Redraw(bool full) override { DrawExercise(full); }
    void StartTimer() override { timer_.start(); }
    void StopTimer() override { timer_.stop(); }
    void PostExerciseHelp(int exercise) override;
    void RefreshGraph() override;
    void TurnRecorded(const CTurnRecord& record, const CKeyTimes& keys) override {
        if (host_) host_->TurnRecorded(record, keys);
    }
    bool AskAutoAdvance() override;
    void MarkModified() override;

    const CConfig& config_;
    CZAVTypeDoc& doc_;
    IViewHost* host_ = nullptr;
    const CFingerTable* fingers_ = nullptr;
    CSteadyClock clock_;
    CRandom random_;
    CTypingEngine engine_;
    CSoundPlayer sounds_;
    QTimer timer_;
    QImage canvas_;
    QFont font_;
    // The line to copy, laid out once: where each of its characters begins.
    std::string layoutLine_;
    std::vector<qreal> prefixX_;
    int margin_ = 8;
    bool layoutValid_ = false;
    // What the typing box shows now, so that a keystroke redraws only the columns it changes.
    int drawnPosition_ = -1;
    bool textClipped_ = false;
    int drawnMarks_ = -1;
    bool focus_ = false;
    int caretX_ = 55;
    TypingMarks marks_;
    CNextLetterMark nextMark_;
};

}  // namespace zav::ui
