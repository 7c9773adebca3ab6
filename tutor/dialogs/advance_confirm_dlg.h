#pragma once
// "ZAVType Avance Automático": asks before an automatic advance. "Sí" is the default;
// "No", Esc and the close box answer no.
#include <QDialog>
#include <memory>

namespace Ui {
class CAdvanceConfirmDlg;
}

namespace zav::ui {

class CAdvanceConfirmDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAdvanceConfirmDlg(QWidget* parent = nullptr);
    ~CAdvanceConfirmDlg() override;

  private:
    void OnYes();
    void OnNo();

    std::unique_ptr<Ui::CAdvanceConfirmDlg> ui_;
};

}  // namespace zav::ui
