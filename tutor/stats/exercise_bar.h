#pragma once
// The exercise bar docked under the view: the large disc of the turn in progress, the turn's
// figures, its error letters, the number of the turn and four small discs for the last turns.
#include <QDockWidget>
#include <array>
#include <memory>

#include "core/stats/bar_text.h"

class QLineEdit;

namespace Ui {
class CExerciseBar;
}

namespace zav::ui {

class CExerciseBar : public QDockWidget {
    Q_OBJECT

  public:
    enum Field {
        Duration,
        Letters,
        Words,
        Errors,
        ErrorPercent,
        LettersPerMinute,
        WordsPerMinute,
        ErrorLetters,
        TurnNumber,
        kFieldCount
    };

    explicit CExerciseBar(QWidget* parent = nullptr);
    ~CExerciseBar() override;

    void ShowFigures(const TurnFigureTexts& texts);
    void ShowLargeDisc(Disc disc);
    void ShowSmallDiscs(const std::array<Disc, 4>& discs);

    QString Text(Field field) const;
    // Every field after its label, in the bar's order, for a glance in a test or a log.
    QString Summary() const;
    Disc LargeDisc() const { return large_; }
    const std::array<Disc, 4>& SmallDiscs() const { return small_; }

  private:
    QLineEdit* Edit(Field field) const;

    std::unique_ptr<Ui::CExerciseBar> ui_;
    Disc large_ = Disc::Green;
    std::array<Disc, 4> small_{};
};

}  // namespace zav::ui
