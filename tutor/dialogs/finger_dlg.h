#pragma once
// "Posición de los dedos": the modeless finger guide. It owns the finger table read from
// "fingers.txt" and draws the buttons of the fingers that type the next character pressed.
// The view tells it every next character, shown or hidden, so it is current when shown.
#include <QDialog>
#include <array>
#include <filesystem>
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
    explicit CFingerDlg(QWidget* parent = nullptr);
    ~CFingerDlg() override;

    // Reads the table; false when the file cannot be read (the caller ends the program).
    bool LoadFingerFile(const std::filesystem::path& path);
    const CFingerTable& Table() const { return table_; }
    CFingerTable& Table() { return table_; }

    // The layout to use from the next character on; nothing is redrawn now.
    void SetLayout(int index);
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
    CFingerTable table_;
};

}  // namespace zav::ui
