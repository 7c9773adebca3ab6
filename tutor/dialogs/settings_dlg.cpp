#include "tutor/dialogs/settings_dlg.h"

#include <QRegularExpressionValidator>
#include <QSettings>

#include "core/app/strings.h"
#include "core/course/document.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "tutor/dialogs/font_dlg.h"
#include "ui_settings_dlg.h"

namespace zav::ui {
namespace {

const QString kDesktopKeyboardKey = QStringLiteral("Teclado/escritorio");

QSettings SettingsStore() {
    return QSettings(FromCp1252(text::kOrganization), FromCp1252(text::kAppName));
}

}  // namespace

CSettingsDlg::CSettingsDlg(CPrompts& prompts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CSettingsDlg>()), prompts_(prompts) {
    ui_->setupUi(this);
    setModal(false);

    // The numeric fields take digits only; an empty field is refused at OK.
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (QLineEdit* edit : {ui_->badEdit, ui_->goodEdit, ui_->regularEdit}) {
        edit->setValidator(digits);
    }
    for (CUpDown* limit : {ui_->badUpDown, ui_->goodUpDown}) {
        limit->SetRange(0, kPerMilleMax);
        limit->SetAccelerated(true);
    }
    ui_->badUpDown->Attach(ui_->badEdit);
    ui_->goodUpDown->Attach(ui_->goodEdit);
    // The arrows reach 80 on purpose; OK accepts 0..10 only.
    ui_->regularUpDown->SetRange(0, kRegularArrowsMax);
    ui_->regularUpDown->Attach(ui_->regularEdit);

    // Not a value of the document: a choice of this desktop, kept with the program's settings.
    ui_->desktopKeyboardCheck->setChecked(DesktopKeyboardSetting());

    fontChooser_ = [this](const QFont& initial) { return ChooseFontWithDialog(initial); };

    connect(ui_->okButton, &QPushButton::clicked, this, &CSettingsDlg::OnOk);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CSettingsDlg::OnCancel);
    connect(ui_->changeFontButton, &QPushButton::clicked, this, &CSettingsDlg::OnChangeFont);
    connect(ui_->layoutCombo, &QComboBox::currentIndexChanged, this,
            &CSettingsDlg::OnLayoutChanged);
}

CSettingsDlg::~CSettingsDlg() = default;

bool CSettingsDlg::DesktopKeyboardSetting() {
    return SettingsStore().value(kDesktopKeyboardKey, false).toBool();
}

void CSettingsDlg::FillLayouts(const std::vector<std::string>& names) {
    const QSignalBlocker quiet(ui_->layoutCombo);
    ui_->layoutCombo->clear();
    for (const std::string& name : names) ui_->layoutCombo->addItem(FromCp1252(name));
    ui_->layoutCombo->setCurrentIndex(names.empty() ? -1 : 0);
}

void CSettingsDlg::LoadFromDocument(CZAVTypeDoc& doc) {
    doc_ = &doc;
    values_ = SettingsFromDocument(doc);
    WriteControls();
}

void CSettingsDlg::SetTypingMarks(const TypingMarks& marks) {
    marks_ = marks;
    ui_->nextLetterCheck->setChecked(marks.nextLetter);
    ui_->wrongKeyCheck->setChecked(marks.wrongKey);
}

void CSettingsDlg::WriteControls() {
    const QSignalBlocker quiet(ui_->layoutCombo);
    // A long name from a progress file is shown whole rather than cut, so OK cannot shorten it.
    ui_->fontNameEdit->setMaxLength(std::max<int>(64, static_cast<int>(values_.fontName.size())));
    ui_->fontNameEdit->setText(FromCp1252(values_.fontName));
    // An index the table does not have selects nothing.
    const bool listed = values_.layoutIndex >= 0 && values_.layoutIndex < ui_->layoutCombo->count();
    ui_->layoutCombo->setCurrentIndex(listed ? values_.layoutIndex : -1);
    ui_->badEdit->setText(QString::number(values_.badPerMille));
    ui_->goodEdit->setText(QString::number(values_.goodPerMille));
    ui_->regularEdit->setText(QString::number(values_.maxRegularErrors));
}

QLineEdit* CSettingsDlg::FieldEdit(SettingsField field) const {
    switch (field) {
        case SettingsField::Bad:
            return ui_->badEdit;
        case SettingsField::Good:
            return ui_->goodEdit;
        case SettingsField::Regular:
            return ui_->regularEdit;
        default:
            return nullptr;
    }
}

void CSettingsDlg::OnOk() {
    SettingsValues checked = values_;
    // With no entry selected the stored index stays, rather than becoming −1.
    if (ui_->layoutCombo->currentIndex() >= 0)
        checked.layoutIndex = ui_->layoutCombo->currentIndex();
    const SettingsCheck check =
        CheckSettingsFields(ui_->badEdit->text().toStdString(), ui_->goodEdit->text().toStdString(),
                            ui_->regularEdit->text().toStdString(), checked);
    if (check.failed != SettingsField::None) {
        prompts_.Message(FromCp1252(check.message), QMessageBox::Warning);
        QLineEdit* edit = FieldEdit(check.failed);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    values_ = checked;
    marks_ = {ui_->nextLetterCheck->isChecked(), ui_->wrongKeyCheck->isChecked()};
    if (doc_) ApplySettings(values_, *doc_);
    SettingsStore().setValue(kDesktopKeyboardKey, ui_->desktopKeyboardCheck->isChecked());
    emit settingsApplied();
    emit layoutApplied(values_.layoutIndex);
    accept();
}

void CSettingsDlg::OnCancel() {
    reject();
}

void CSettingsDlg::OnChangeFont() {
    QFont initial(FromCp1252(values_.fontName));
    initial.setPixelSize(std::max(1, FontPixelHeight(values_.fontSize, logicalDpiY())));
    initial.setWeight(QFont::Normal);
    initial.setItalic(false);
    if (const std::optional<QFont> chosen = fontChooser_(initial)) {
        values_.fontName = ToCp1252(chosen->family());
        if (chosen->pointSizeF() > 0) {
            values_.fontSize = qRound(chosen->pointSizeF() * 10);
        } else {
            values_.fontSize = qRound(chosen->pixelSize() * 720.0 / logicalDpiY());
        }
    }
    // Chosen or not, the controls show the members again.
    WriteControls();
}

void CSettingsDlg::OnLayoutChanged(int index) {
    values_.layoutIndex = index;
}

std::optional<QFont> CSettingsDlg::ChooseFontWithDialog(const QFont& initial) {
    return ChooseExerciseFont(initial, this);
}

}  // namespace zav::ui
