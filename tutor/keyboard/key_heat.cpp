#include "tutor/keyboard/key_heat.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

#include "tutor/app/qt_text.h"
#include "tutor/course/document.h"

namespace zav::ui {

CKeyHeatMap::CKeyHeatMap(QWidget* parent) : CKeyboardWidget(parent) {}

QColor CKeyHeatMap::HeatColor(double t) {
    t = std::clamp(t, 0.0, 1.0);
    const QColor green(0x4c, 0xb0, 0x50), yellow(0xf5, 0xd0, 0x3b), red(0xd9, 0x3f, 0x36);
    const QColor& from = t < 0.5 ? green : yellow;
    const QColor& to = t < 0.5 ? yellow : red;
    const double u = t < 0.5 ? t * 2 : (t - 0.5) * 2;
    auto mix = [u](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * u)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

void CKeyHeatMap::ShowValues(const std::vector<std::optional<double>>& values, double high,
                             const QString& unit, const QString& caption) {
    values_ = values;
    std::vector<QColor> fills(values.size());
    for (std::size_t key = 0; key < values.size(); ++key)
        if (values[key]) fills[key] = HeatColor(high > 0 ? *values[key] / high : 0);
    SetKeyFills(std::move(fills));
    SetLegend({{HeatColor(0), HeatColor(0.5), HeatColor(1)},
               QStringLiteral("0 %1").arg(unit),
               QStringLiteral("%1 %2").arg(QLocale().toString(high, 'g', 3), unit),
               caption});
}

void CKeyHeatMap::ShowErrorRatios(const CProgressStats& stats) {
    if (!Map()) return;
    std::array<long long, 256> errors{}, correct{};
    for (int c = 0; c < 256; ++c) {
        errors[c] = stats.letterErrors[c];
        correct[c] = stats.letterCorrect[c];
    }
    const std::vector<KeyTotals> totals = TotalsPerKey(*Map(), errors, correct);
    std::vector<std::optional<double>> values(totals.size());
    std::vector<QString> tips(totals.size());
    double highest = 0;
    for (std::size_t key = 0; key < totals.size(); ++key) {
        const KeyTotals& total = totals[key];
        if (total.characters.empty()) continue;
        // The letters' own measure: errors per correct keystroke; errors alone count as 100 %.
        const double ratio = total.denominator > 0
                                 ? 100.0 * double(total.numerator) / double(total.denominator)
                                 : 100.0;
        values[key] = ratio;
        highest = std::max(highest, ratio);
        QStringList lines;
        for (unsigned char c : total.characters)
            lines << QStringLiteral("«%1»: %2 errores, %3 aciertos")
                         .arg(FromCp1252(std::string(1, static_cast<char>(c))))
                         .arg(stats.letterErrors[c])
                         .arg(stats.letterCorrect[c]);
        tips[key] = lines.join(QLatin1Char('\n'));
    }
    // A scale top that reads well: 5, 10, 20, 50 or 100 per cent and on.
    double top = highest;
    for (double step : {5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0})
        if (step >= highest) {
            top = step;
            break;
        }
    ShowValues(values, top, QStringLiteral("%"),
               QStringLiteral("Errores por cada 100 aciertos de las letras de la tecla"));
    SetToolTips(std::move(tips));
}

}  // namespace zav::ui
