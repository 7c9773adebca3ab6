#include "helpviewer/about_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

#include "ui_about_dlg.h"

namespace zav::help {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    ui_->icon->setPixmap(icon.pixmap(32, 32));
    connect(ui_->buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::OnOk);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::OnOk() {
    accept();
}

}  // namespace zav::help
