#pragma once
// The status bar's panes: prompts or the idle text in the first, the exercise caption, "CAP"
// and "MAY" while Caps Lock and Num Lock are on, and "AUTO" while the course advances by itself.
// The lock keys are read from the key events where the platform reports them (X11); elsewhere
// their panes stay blank.
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
};

}  // namespace zav::ui
