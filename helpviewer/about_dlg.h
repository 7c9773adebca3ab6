#pragma once
// The viewer's About box: the program's icon, its name and version, OK.
#include <QDialog>
#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace zav::help {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

  private:
    void OnOk();

    std::unique_ptr<Ui::CAboutDlg> ui_;
};

}  // namespace zav::help
