#pragma once
// Shown when the add-on cannot be started: where the tutor looked for it, and the project's page
// on the dialog's only button. There is no OK or Cancel: Esc or the close box ends it.
#include <QDialog>
#include <QUrl>
#include <functional>
#include <memory>

namespace Ui {
class CAddOnMissingDlg;
}

namespace zav::ui {

class CAddOnMissingDlg : public QDialog {
    Q_OBJECT

  public:
    // `openUrl` opens `site` when the button is pressed.
    CAddOnMissingDlg(const QString& triedPath, const QUrl& site,
                     std::function<void(const QUrl&)> openUrl, QWidget* parent = nullptr);
    ~CAddOnMissingDlg() override;

    QString TriedPath() const;

  private:
    void OnWebSite();

    std::unique_ptr<Ui::CAddOnMissingDlg> ui_;
    QUrl site_;
    std::function<void(const QUrl&)> openUrl_;
};

}  // namespace zav::ui
