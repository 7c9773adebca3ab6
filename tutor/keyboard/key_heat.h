#pragma once
// The keyboard of the statistics dialog: each key coloured by a value of the characters it
// types, from green through yellow to red, with a legend; keys without a value stay neutral and
// hovering a key shows its characters with their figures. The error ratio is one such value.
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "tutor/keyboard/keyboard_widget.h"

namespace zav {
struct CProgressStats;
struct JournalKey;
}  // namespace zav

namespace zav::ui {

class CKeyHeatMap : public CKeyboardWidget {
    Q_OBJECT

  public:
    explicit CKeyHeatMap(QWidget* parent = nullptr);

    // Colours every key by its value on the scale 0..`high` (`unit` after the legend's
    // numbers); a key without a value is neutral.
    void ShowValues(const std::vector<std::optional<double>>& values, double high,
                    const QString& unit, const QString& caption);
    // The learner's error ratio per key, in per cent, from the document's letter tables.
    void ShowErrorRatios(const CProgressStats& stats);
    // The learner's time per keystroke per key, in milliseconds, from the journal's medians of
    // each character (a key's characters weighted by their timed keystrokes).
    void ShowKeySpeeds(const std::vector<JournalKey>& keys);
    // The value of each key last shown.
    const std::vector<std::optional<double>>& Values() const { return values_; }

    // The colour of `t` in 0..1: green, yellow, red.
    static QColor HeatColor(double t);

  private:
    // Shows `totals` as numerator / denominator × `scale` per key, on the first of `steps` that
    // holds the highest value; `tip` describes one character of a key.
    void ShowTotals(const std::vector<KeyTotals>& totals, double scale,
                    std::initializer_list<double> steps, const QString& unit,
                    const QString& caption, const std::function<QString(unsigned char)>& tip);

    std::vector<std::optional<double>> values_;
};

}  // namespace zav::ui
