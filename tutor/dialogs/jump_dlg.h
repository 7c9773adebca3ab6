#pragma once
// "Salta a ejercicio": modeless, owned by the frame. Shown with the active document, it offers
// the course's sections and the current exercise's number; "Saltar" moves the document to the
// chosen course exercise and asks the caller to start it.
#include <QDialog>
#include <memory>
#include <vector>

namespace Ui {
class CJumpDlg;
}

namespace zav {
class CZAVTypeDoc;
}

namespace zav::ui {

class CJumpDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CJumpDlg(QWidget* parent = nullptr);
    ~CJumpDlg() override;

    // Fills the list and the number from the document, remembers it and shows the dialog.
    void ShowFor(CZAVTypeDoc& doc);

    QString NumberText() const;
    int SelectedSection() const;

  signals:
    // "Saltar" set the document's exercise and kind: the view starts the exercise.
    void exerciseChosen();

  private:
    void OnNumberChanged();
    void OnSectionChosen(int section);
    void OnJump();
    void OnCancel();

    void SelectSectionOf(int number);

    std::unique_ptr<Ui::CJumpDlg> ui_;
    CZAVTypeDoc* doc_ = nullptr;
    std::vector<std::string> titles_;
};

}  // namespace zav::ui
