#pragma once
// "Acerca de ZAVType": the program icon, the version line and where to find help.
#include <QDialog>
#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace zav::ui {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

  private:
    void OnOk();

    std::unique_ptr<Ui::CAboutDlg> ui_;
};

}  // namespace zav::ui
