#include "tutor/dialogs/font_dlg.h"

#include <algorithm>
#include <tuple>

#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalBlocker>
#include <QStyle>

#include "ui_font_dlg.h"

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

CFontDlg::CFontDlg(const QFont& initial, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CFontDlg>()) {
    ui_->setupUi(this);
    // The exercises are Western text: only faces that can show it are offered.
    ui_->familyCombo->setWritingSystem(QFontDatabase::Latin);
    // Room for the longest usual style name and six of them, in the dialog's own font.
    const QFontMetrics metrics = ui_->styleList->fontMetrics();
    ui_->styleList->setFixedSize(
        metrics.horizontalAdvance(QStringLiteral("Condensed Bold Oblique")) +
            style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * ui_->styleList->frameWidth(),
        6 * metrics.height() + 2 * ui_->styleList->frameWidth());

    // The face the font resolves to on this system, as the user sees it now.
    {
        const QSignalBlocker quiet(ui_->familyCombo);
        ui_->familyCombo->setCurrentFont(QFont(QFontInfo(initial).family()));
    }
    // A plain font opens on the face's regular style, whatever style the matching picked.
    const bool plain = !initial.italic() && initial.weight() == QFont::Normal;
    FillStyles(ui_->familyCombo->currentFont().family(),
               plain ? QString() : QFontDatabase::styleString(initial));
    {
        const QSignalBlocker quiet(ui_->sizeSpin);
        // The size as asked, not as rounded to whole pixels, so that OK keeps it.
        ui_->sizeSpin->setValue(initial.pointSizeF() > 0
                                    ? initial.pointSizeF()
                                    : initial.pixelSize() * 72.0 / logicalDpiY());
    }
    ShowSample();

    connect(ui_->familyCombo, &QFontComboBox::currentFontChanged, this, &CFontDlg::OnFamilyChanged);
    connect(ui_->styleList, &QListWidget::currentRowChanged, this, &CFontDlg::OnStyleChanged);
    connect(ui_->sizeSpin, &QDoubleSpinBox::valueChanged, this, &CFontDlg::OnSizeChanged);
    connect(ui_->okButton, &QPushButton::clicked, this, &CFontDlg::OnOk);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CFontDlg::OnCancel);
}

CFontDlg::~CFontDlg() = default;

QFont CFontDlg::SelectedFont() const {
    const QString family = ui_->familyCombo->currentFont().family();
    const QListWidgetItem* style = ui_->styleList->currentItem();
    QFont font = style ? QFontDatabase::font(family, style->text(), 12) : QFont(family);
    font.setPointSizeF(ui_->sizeSpin->value());
    return font;
}

void CFontDlg::FillStyles(const QString& family, const QString& wanted) {
    const QSignalBlocker quiet(ui_->styleList);
    ui_->styleList->clear();
    // The regular style leads, then lightest first, each upright before slanted, as a menu of
    // styles reads.
    const QString regular = RegularStyle(family);
    const auto key = [&](const QString& style) {
        const bool slanted = QFontDatabase::font(family, style, 12).style() != QFont::StyleNormal;
        return std::tuple(style != regular, QFontDatabase::weight(family, style), slanted);
    };
    QStringList styles = QFontDatabase::styles(family);
    std::stable_sort(styles.begin(), styles.end(),
                     [&](const QString& a, const QString& b) { return key(a) < key(b); });
    ui_->styleList->addItems(styles);
    // A style the face lacks, or none asked, selects the regular one.
    ui_->styleList->setCurrentRow(std::max(int(styles.indexOf(wanted)), 0));
}

void CFontDlg::ShowSample() {
    ui_->sampleLabel->setFont(SelectedFont());
}

void CFontDlg::OnFamilyChanged(const QFont& family) {
    // Another face starts on its regular style: style names differ from face to face.
    FillStyles(family.family(), QString());
    ShowSample();
}

void CFontDlg::OnStyleChanged() {
    ShowSample();
}

void CFontDlg::OnSizeChanged() {
    ShowSample();
}

void CFontDlg::OnOk() {
    accept();
}

void CFontDlg::OnCancel() {
    reject();
}

std::optional<QFont> ChooseExerciseFont(const QFont& initial, QWidget* parent) {
    CFontDlg dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.SelectedFont();
}

}  // namespace zav::ui
