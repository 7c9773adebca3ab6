#include "tutor/companion/add_on_missing_dlg.h"

#include "ui_add_on_missing_dlg.h"

namespace zav::ui {

CAddOnMissingDlg::CAddOnMissingDlg(const QString& triedPath, const QUrl& site,
                                   std::function<void(const QUrl&)> openUrl, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CAddOnMissingDlg>()),
      site_(site),
      openUrl_(std::move(openUrl)) {
    ui_->setupUi(this);
    ui_->triedPath->setText(triedPath);
    connect(ui_->webSiteButton, &QPushButton::clicked, this, &CAddOnMissingDlg::OnWebSite);
}

CAddOnMissingDlg::~CAddOnMissingDlg() = default;

QString CAddOnMissingDlg::TriedPath() const {
    return ui_->triedPath->text();
}

void CAddOnMissingDlg::OnWebSite() {
    if (openUrl_) openUrl_(site_);
}

}  // namespace zav::ui
