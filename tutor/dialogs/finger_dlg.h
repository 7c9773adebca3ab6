#pragma once
// "Posición de los dedos": the modeless finger guide. It draws the buttons of the fingers that
// type the next character, as the finger table (read from "fingers.txt", kept by the caller)
// says for its current layout.
#include <QDialog>
#include <array>
#include <memory>

#include "core/fingers/finger_layout.h"

class QPushButton;

namespace Ui {
class CFingerDlg;
}

namespace zav::ui {

class CFingerDlg : public QDialog {
    Q_OBJECT

  public:
    // `table` outlives the dialog.
    explicit CFingerDlg(const CFingerTable& table, QWidget* parent = nullptr);
    ~CFingerDlg() override;

    // Draws the fingers and the letter for `ch` (a Windows-1252 byte).
    void ShowFingerFor(char ch);

    QPushButton* FingerButton(int finger) const;
    QPushButton* ThumbButton() const;
    QString Letter() const;

  signals:
    // The close box, Esc or Enter hid the guide: the frame clears its check mark.
    void closedByUser();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void OnRejected();

    std::unique_ptr<Ui::CFingerDlg> ui_;
    std::array<QPushButton*, 8> fingers_{};
    const CFingerTable& table_;
};

}  // namespace zav::ui
