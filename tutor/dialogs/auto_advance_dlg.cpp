#include "tutor/dialogs/auto_advance_dlg.h"

#include "ui_auto_advance_dlg.h"

namespace zav::ui {

CAutoAdvanceDlg::CAutoAdvanceDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAutoAdvanceDlg>()) {
    ui_->setupUi(this);
    setModal(true);
    connect(ui_->ruleCombo, &QComboBox::currentIndexChanged, this, &CAutoAdvanceDlg::OnRuleChanged);
    connect(ui_->okButton, &QPushButton::clicked, this, &CAutoAdvanceDlg::OnOk);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CAutoAdvanceDlg::OnCancel);
}

CAutoAdvanceDlg::~CAutoAdvanceDlg() = default;

void CAutoAdvanceDlg::SetValues(const AutoAdvanceValues& values) {
    values_ = values;
    ui_->autoCheck->setChecked(values.autoAdvance != 0);
    ui_->everyCombo->setEditText(QString::number(values.autoNum));
    // A rule the list does not have selects nothing and stays stored as it was.
    const QSignalBlocker quiet(ui_->ruleCombo);
    const bool listed = values.autoType >= 0 && values.autoType < ui_->ruleCombo->count();
    ui_->ruleCombo->setCurrentIndex(listed ? values.autoType : -1);
    ui_->confirmCheck->setChecked(values.confirmAdvance);
}

void CAutoAdvanceDlg::OnRuleChanged(int index) {
    if (index >= 0) values_.autoType = index;
}

void CAutoAdvanceDlg::OnOk() {
    values_.autoAdvance = ui_->autoCheck->isChecked() ? 1 : 0;
    values_.autoNum =
        ParseAdvanceEvery(ui_->everyCombo->currentText().toStdString(), values_.autoNum);
    values_.confirmAdvance = ui_->confirmCheck->isChecked();
    accept();
}

void CAutoAdvanceDlg::OnCancel() {
    reject();
}

}  // namespace zav::ui
