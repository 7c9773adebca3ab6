#include "tutor/stats/progress_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zav::ui {
namespace {

const QColor kBackground(0xc0, 0xc0, 0xc0);
const QColor kSpeed(0x10, 0x40, 0xc0);
const QColor kErrors(0xd0, 0x00, 0x00);
const QColor kMinutes(0xa0, 0xa0, 0xa0);

// The plot area, between the speed scale on the left and the error scale on the right.
constexpr int kLeft = 30, kRight = 280, kTop = 8, kBottom = 112;

// A round top for a scale: 1, 2 or 5 times a power of ten, at least `value`.
double NiceTop(double value) {
    if (value <= 0) return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value) return step * power;
    return 10.0 * power;
}

QString ShortDate(const std::string& date) {
    // "YYYY-MM-DD" → "DD/MM"
    if (date.size() < 10) return QString::fromStdString(date);
    return QString::fromStdString(date.substr(8, 2) + "/" + date.substr(5, 2));
}

}  // namespace

CProgressChart::CProgressChart(QWidget* parent)
    : QWidget(parent), canvas_(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied) {
    setFixedSize(kWidth, kHeight);
    canvas_.fill(kBackground);
}

void CProgressChart::ShowPeriods(const std::vector<ProgressPeriod>& periods, bool journal) {
    QPainter painter(&canvas_);
    painter.fillRect(canvas_.rect(), kBackground);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    if (!journal || periods.empty()) {
        painter.drawText(
            canvas_.rect(), Qt::AlignCenter | Qt::TextWordWrap,
            journal ? tr("Todavía no hay práctica en el diario.") : tr("Sin diario de progreso."));
    } else {
        Draw(painter, periods);
    }
    painter.end();
    update();
}

void CProgressChart::Draw(QPainter& painter, const std::vector<ProgressPeriod>& periods) {
    double maxSpeed = 0, maxErrors = 0, maxMinutes = 0;
    for (const ProgressPeriod& p : periods) {
        maxSpeed = std::max(maxSpeed, p.lettersPerMinute);
        maxErrors = std::max(maxErrors, p.errorPercent);
        maxMinutes = std::max(maxMinutes, p.minutesPerDay);
    }
    const double speedTop = NiceTop(maxSpeed), errorTop = NiceTop(std::max(maxErrors, 1.0));
    const int n = static_cast<int>(periods.size());
    const double step = double(kRight - kLeft) / n;
    const auto x = [&](int i) { return kLeft + (i + 0.5) * step; };
    const auto y = [](double value, double top) {
        return kBottom - value / top * (kBottom - kTop);
    };

    // Minutes per day: bars up to half the height, behind everything else.
    const double barWidth = std::max(1.0, step * 0.7);
    for (int i = 0; i < n; ++i) {
        const double h = maxMinutes > 0 ? periods[i].minutesPerDay / maxMinutes : 0;
        painter.fillRect(QRectF(x(i) - barWidth / 2, kBottom - h * (kBottom - kTop) / 2, barWidth,
                                h * (kBottom - kTop) / 2),
                         kMinutes);
    }
    // The scales: letters per minute on the left, error per cent on the right.
    painter.setPen(Qt::black);
    painter.drawLine(kLeft, kTop, kLeft, kBottom);
    painter.drawLine(kLeft, kBottom, kRight, kBottom);
    painter.drawLine(kRight, kTop, kRight, kBottom);
    for (int k = 0; k <= 2; ++k) {
        const int yk = static_cast<int>(y(k / 2.0, 1.0));
        painter.setPen(kSpeed);
        painter.drawText(QRect(0, yk - 6, kLeft - 3, 12), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(speedTop * k / 2, 'f', 0));
        painter.setPen(kErrors);
        painter.drawText(QRect(kRight + 3, yk - 6, 30, 12), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(errorTop * k / 2, 'g', 3) + "%");
    }
    // Where the weeks end and the days begin.
    const auto firstDay = std::find_if(periods.begin(), periods.end(),
                                       [](const ProgressPeriod& p) { return !p.week; });
    const int weeks = static_cast<int>(firstDay - periods.begin());
    if (weeks > 0 && weeks < n) {
        painter.setPen(QPen(Qt::darkGray, 1, Qt::DotLine));
        const int xs = static_cast<int>(kLeft + weeks * step);
        painter.drawLine(xs, kTop, xs, kBottom);
    }
    // The two lines, with a dot per day and a ring per week.
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [color, top, value] :
         {std::tuple{kSpeed, speedTop, &ProgressPeriod::lettersPerMinute},
          std::tuple{kErrors, errorTop, &ProgressPeriod::errorPercent}}) {
        QPainterPath line;
        for (int i = 0; i < n; ++i) {
            const QPointF point(x(i), y(periods[i].*value, top));
            if (i == 0)
                line.moveTo(point);
            else
                line.lineTo(point);
        }
        painter.setPen(QPen(color, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
        for (int i = 0; i < n; ++i) {
            painter.setBrush(periods[i].week ? QBrush(kBackground) : QBrush(color));
            painter.drawEllipse(QPointF(x(i), y(periods[i].*value, top)), 2.5, 2.5);
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The first and last dates, and the legend.
    painter.setPen(Qt::black);
    painter.drawText(QRect(kLeft, kBottom + 2, 60, 12), Qt::AlignLeft,
                     ShortDate(periods.front().start));
    painter.drawText(QRect(kRight - 60, kBottom + 2, 60, 12), Qt::AlignRight,
                     ShortDate(periods.back().start));
    if (weeks > 0)
        painter.drawText(QRect(kLeft + 60, kBottom + 2, kRight - kLeft - 120, 12), Qt::AlignCenter,
                         tr("semanas | días"));
    const int legendY = kBottom + 22;
    int lx = 2;
    for (const auto& [color, text] :
         {std::pair{kSpeed, tr("lpm")}, std::pair{kErrors, tr("% errores")},
          std::pair{kMinutes,
                    tr("minutos al día (máx. %1)").arg(QString::number(maxMinutes, 'f', 0))}}) {
        painter.fillRect(lx, legendY + 3, 10, 6, color);
        painter.setPen(Qt::black);
        const int width = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(lx + 13, legendY + 10, text);
        lx += 13 + width + 10;
    }
}

void CProgressChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_);
}

}  // namespace zav::ui
