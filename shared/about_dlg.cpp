#include "shared/about_dlg.h"

#include <QPushButton>
#include <QStyle>

#include "ui_about_dlg.h"

namespace zav::ui {

CAboutDlg::CAboutDlg(const AboutTexts& texts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAboutDlg>()) {
    ui_->setupUi(this);
    setWindowTitle(texts.title);
    ui_->version->setText(texts.version);
    ui_->closing->setText(texts.closing);
    ui_->closing->setVisible(!texts.closing.isEmpty());
    const QIcon icon = windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                           : windowIcon();
    ui_->icon->setPixmap(icon.pixmap(32, 32));
    connect(ui_->ok, &QPushButton::clicked, this, &CAboutDlg::OnOk);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::OnOk() {
    accept();
}

}  // namespace zav::ui
