#include "tutor/dialogs/finger_dlg.h"

#include <QKeyEvent>

#include "shared/qt_text.h"
#include "ui_finger_dlg.h"

namespace zav::ui {

CFingerDlg::CFingerDlg(const CFingerTable& table, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CFingerDlg>()), table_(table) {
    ui_->setupUi(this);
    setModal(false);
    fingers_ = {ui_->finger0, ui_->finger1, ui_->finger2, ui_->finger3,
                ui_->finger4, ui_->finger5, ui_->finger6, ui_->finger7};
    // The buttons only show which finger types the next key: they take no clicks, and a pressed
    // one stands out clearly rather than in the faint look of a disabled button.
    for (QPushButton* button : fingers_) button->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui_->thumbButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(
        QStringLiteral("QPushButton:pressed { background-color: #3d7fd0; "
                       "border: 1px solid #1f4f8f; border-radius: 3px; }"));
    // Esc and the close box end the dialog through reject().
    connect(this, &QDialog::rejected, this, &CFingerDlg::OnRejected);
}

CFingerDlg::~CFingerDlg() = default;

void CFingerDlg::ShowFingerFor(char ch) {
    const CFingerShown shown = table_.FingersFor(ch);
    for (int i = 0; i < 8; ++i) fingers_[i]->setDown(shown.fingers[i]);
    ui_->thumbButton->setDown(shown.thumb);
    ui_->letterEdit->setText(FromCp1252(std::string(1, shown.letter)));
}

QPushButton* CFingerDlg::FingerButton(int finger) const {
    return fingers_.at(finger);
}
QPushButton* CFingerDlg::ThumbButton() const {
    return ui_->thumbButton;
}
QString CFingerDlg::Letter() const {
    return ui_->letterEdit->text();
}

void CFingerDlg::keyPressEvent(QKeyEvent* event) {
    // The guide has no OK: Enter hides it like Esc, so the check mark of "&Dedos.." always
    // tells whether the guide is on screen.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CFingerDlg::OnRejected() {
    emit closedByUser();
}

}  // namespace zav::ui
