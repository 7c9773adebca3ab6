#pragma once
// The status bar's panes: prompts or the idle text in the first, the exercise caption, "CAP"
// and "MAY" while Caps Lock and Num Lock are on, and "AUTO" while the course advances by itself.
// The lock keys are read from the key events where the platform reports them (X11); elsewhere
// their panes stay blank.
#include <QFont>
#include <QObject>

class QKeyEvent;
class QLabel;
class QStatusBar;

namespace zav::ui {

class CStatusPanes : public QObject {
    Q_OBJECT

  public:
    // Fills `bar`; watches every key event of the application when `watchLocks`.
    CStatusPanes(QStatusBar* bar, bool watchLocks);

    void SetExercise(const QString& caption);
    void SetAuto(bool on);
    // A key event with the platform's modifier bits; the lock panes follow it.
    void TrackLocks(const QKeyEvent& event);

    QString PromptText() const;
    QString ExerciseText() const;
    QString CapsText() const;
    QString NumText() const;
    QString AutoText() const;

    // Whether the platform's key events carry the lock-key states.
    static bool PlatformReportsLocks();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnMessageChanged(const QString& message);
    void FitCaption();

    QStatusBar* bar_;
    QLabel* exercise_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* auto_;
    QString caption_;
    // The widths of the caption and the idle text in the fonts they were measured in: the pane
    // moves and resizes many times as the window is laid out, and measuring text means shaping
    // it again each time.
    struct Widths {
        QString caption;
        QFont font;
        int captionWidth = 0;
        int promptWidth = 0;
    } measured_;
};

}  // namespace zav::ui
