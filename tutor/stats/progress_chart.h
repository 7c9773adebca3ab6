#pragma once
// The "Progreso" chart: letters per minute and error per cent of each day of practice (each
// week, further back), with the minutes practised per day as bars behind them.
#include <QImage>
#include <QWidget>
#include <vector>

#include "core/stats/progress_periods.h"

namespace zav::ui {

class CProgressChart : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kWidth = 310;
    static constexpr int kHeight = 150;

    explicit CProgressChart(QWidget* parent = nullptr);

    // Draws `periods` at once, shown or not; `journal` is false when there is no journal.
    void ShowPeriods(const std::vector<ProgressPeriod>& periods, bool journal);
    const QImage& Canvas() const { return canvas_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void Draw(QPainter& painter, const std::vector<ProgressPeriod>& periods);

    QImage canvas_;
};

}  // namespace zav::ui
