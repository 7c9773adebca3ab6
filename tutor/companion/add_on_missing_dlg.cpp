#include "tutor/companion/add_on_missing_dlg.h"

#include "tutor/app/qt_text.h"
#include "tutor/resources/strings.h"
#include "ui_add_on_missing_dlg.h"

namespace zav::ui {

CAddOnMissingDlg::CAddOnMissingDlg(const QString& triedPath,
                                   std::function<void(const QUrl&)> openUrl, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CAddOnMissingDlg>()), openUrl_(std::move(openUrl)) {
    ui_->setupUi(this);
    ui_->triedPath->setText(triedPath);
    ui_->webSiteButton->setText(FromCp1252(text::kWebSiteUrl));
    connect(ui_->webSiteButton, &QPushButton::clicked, this, &CAddOnMissingDlg::OnWebSite);
}

CAddOnMissingDlg::~CAddOnMissingDlg() = default;

QString CAddOnMissingDlg::TriedPath() const {
    return ui_->triedPath->text();
}

void CAddOnMissingDlg::OnWebSite() {
    if (openUrl_) openUrl_(QUrl(FromCp1252(text::kWebSiteUrl)));
}

}  // namespace zav::ui
