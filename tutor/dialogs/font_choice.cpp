#include "tutor/dialogs/font_choice.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>

namespace zav::ui {

QString RegularStyle(const QString& family) {
    const QStringList styles = QFontDatabase::styles(family);
    // Faces name their plain style differently; the names say more than the weights, which do
    // not tell a condensed style from the normal one.
    for (const char* name : {"Regular", "Book", "Normal", "Roman", "Medium"})
        for (const QString& style : styles)
            if (style.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return style;
    QString best;
    int bestDistance = 100000;
    for (const QString& style : styles) {
        const QFont font = QFontDatabase::font(family, style, 12);
        const int distance = (font.style() == QFont::StyleNormal ? 0 : 10000) +
                             std::abs(QFontDatabase::weight(family, style) - QFont::Normal);
        if (distance < bestDistance) {
            best = style;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<QFont> ChooseExerciseFont(const QFont& initial, QWidget* parent) {
    QFont start = initial;
    if (start.styleName().isEmpty() && !start.italic() && start.weight() == QFont::Normal)
        start.setStyleName(RegularStyle(QFontInfo(start).family()));
    QFontDialog dialog(start, parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    // The exercise font is a Western one: the writing-system selector (the dialog's only combo
    // box) and its label are hidden.
    for (QComboBox* combo : dialog.findChildren<QComboBox*>()) {
        combo->hide();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() == combo) label->hide();
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedFont();
}

}  // namespace zav::ui
