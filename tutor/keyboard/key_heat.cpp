#include "tutor/keyboard/key_heat.h"

#include <algorithm>
#include <cmath>

#include "core/course/document.h"
#include "core/stats/journal.h"
#include "shared/qt_text.h"

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
               QStringLiteral("%1 %2").arg(QString::number(high, 'g', 6), unit),
               caption});
}

void CKeyHeatMap::ShowTotals(const std::vector<KeyTotals>& totals, double scale,
                             std::initializer_list<double> steps, const QString& unit,
                             const QString& caption,
                             const std::function<QString(unsigned char)>& tip) {
    std::vector<std::optional<double>> values(totals.size());
    std::vector<QString> tips(totals.size());
    double highest = 0;
    for (std::size_t key = 0; key < totals.size(); ++key) {
        const KeyTotals& total = totals[key];
        if (total.characters.empty()) continue;
        // Without a denominator the numerator alone counts as the whole scale (errors without
        // a correct keystroke are 100 %).
        const double value = total.denominator > 0
                                 ? scale * double(total.numerator) / double(total.denominator)
                                 : scale;
        values[key] = value;
        highest = std::max(highest, value);
        QStringList lines;
        for (unsigned char c : total.characters) lines << tip(c);
        tips[key] = lines.join(QLatin1Char('\n'));
    }
    // A scale top that reads well: the first step that holds the highest value.
    double top = highest;
    for (double step : steps)
        if (step >= highest) {
            top = step;
            break;
        }
    ShowValues(values, top, unit, caption);
    SetToolTips(std::move(tips));
}

void CKeyHeatMap::ShowErrorRatios(const CProgressStats& stats) {
    if (!Map()) return;
    std::array<long long, 256> errors{}, correct{};
    for (int c = 0; c < 256; ++c) {
        errors[c] = stats.letterErrors[c];
        correct[c] = stats.letterCorrect[c];
    }
    ShowTotals(TotalsPerKey(*Map(), errors, correct), 100.0,
               {5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0}, QStringLiteral("%"),
               tr("Errores por cada 100 aciertos de las letras de la tecla"),
               [&stats](unsigned char c) {
                   return tr("«%1»: %2 errores, %3 aciertos")
                       .arg(FromCp1252(std::string(1, static_cast<char>(c))))
                       .arg(stats.letterErrors[c])
                       .arg(stats.letterCorrect[c]);
               });
}

void CKeyHeatMap::ShowKeySpeeds(const std::vector<JournalKey>& keys) {
    if (!Map()) return;
    std::array<long long, 256> weighted{}, timed{};
    std::array<double, 256> median{};
    for (const JournalKey& key : keys) {
        if (key.code < 0 || key.code > 255 || key.timed <= 0) continue;
        weighted[key.code] = std::llround(key.medianMs * double(key.timed));
        timed[key.code] = key.timed;
        median[key.code] = key.medianMs;
    }
    ShowTotals(TotalsPerKey(*Map(), weighted, timed), 1.0,
               {250.0, 500.0, 750.0, 1000.0, 1500.0, 2000.0, 5000.0}, QStringLiteral("ms"),
               tr("Tiempo por pulsación de las letras de la tecla (mediana)"),
               [&median, &timed](unsigned char c) {
                   return tr("«%1»: %2 ms, %3 pulsaciones")
                       .arg(FromCp1252(std::string(1, static_cast<char>(c))))
                       .arg(std::lround(median[c]))
                       .arg(timed[c]);
               });
}

}  // namespace zav::ui
