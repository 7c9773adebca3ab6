#include "tutor/dialogs/advance_confirm_dlg.h"

#include <QApplication>
#include <QStyle>

#include "ui_advance_confirm_dlg.h"

namespace zav::ui {

CAdvanceConfirmDlg::CAdvanceConfirmDlg(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAdvanceConfirmDlg>()) {
    ui_->setupUi(this);
    setModal(true);
    // The program's icon when it has one, else the platform's question icon.
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxQuestion);
    ui_->iconLabel->setPixmap(icon.pixmap(32, 32));
    connect(ui_->yesButton, &QPushButton::clicked, this, &CAdvanceConfirmDlg::OnYes);
    connect(ui_->noButton, &QPushButton::clicked, this, &CAdvanceConfirmDlg::OnNo);
}

CAdvanceConfirmDlg::~CAdvanceConfirmDlg() = default;

void CAdvanceConfirmDlg::OnYes() {
    accept();
}
void CAdvanceConfirmDlg::OnNo() {
    reject();
}

}  // namespace zav::ui
