#pragma once
// A pair of arrow buttons bound to a numeric line edit, the stand-in for an up-down control:
// the edit stays a plain field (it may be emptied or hold a number out of range, which the
// dialog then refuses), the arrows and the Up/Down keys step the number inside a range, either
// wrapping at the ends or stopping there, and a held arrow may speed up.
#include <QElapsedTimer>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zav::ui {

class CUpDown : public QWidget {
    Q_OBJECT

  public:
    explicit CUpDown(QWidget* parent = nullptr);

    void Attach(QLineEdit* buddy);
    void SetRange(int low, int high);
    void SetWrap(bool wrap) { wrap_ = wrap; }
    // Steps of 1, 10 and 100 after an arrow has been held for 0, 2 and 5 seconds.
    void SetAccelerated(bool accelerated) { accelerated_ = accelerated; }
    // Arrows side by side (left is down) instead of one above the other.
    void SetHorizontal(bool horizontal);
    int Low() const { return low_; }
    int High() const { return high_; }

    // One step up (+1) or down (−1), as an arrow click does.
    void Step(int direction);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnUpClicked();
    void OnDownClicked();

    QLineEdit* buddy_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    QElapsedTimer held_;
    int low_ = 0;
    int high_ = 100;
    bool wrap_ = false;
    bool accelerated_ = false;
};

}  // namespace zav::ui
