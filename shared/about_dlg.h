#pragma once
// The About box of both programs: the program icon, its name and version, a closing line (none
// when empty), the licence and OK.
#include <QDialog>
#include <memory>

namespace Ui {
class CAboutDlg;
}

namespace zav::ui {

struct AboutTexts {
    QString title;
    QString version;
    QString closing;
};

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(const AboutTexts& texts, QWidget* parent = nullptr);
    ~CAboutDlg() override;

  private:
    void OnOk();

    std::unique_ptr<Ui::CAboutDlg> ui_;
};

}  // namespace zav::ui
