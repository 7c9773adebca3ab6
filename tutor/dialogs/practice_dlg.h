#pragma once
// "Practicar letras": the modal choice of a drill: the problem letters, letters in any order,
// or a text exactly as written. The caller fills it from the document, runs it, and on OK hands
// Choice() to ApplyPractice and starts the exercise.
#include <QDialog>
#include <memory>

#include "core/course/exercise_choice.h"

namespace Ui {
class CPracticeDlg;
}

namespace zav::ui {

class CPrompts;

class CPracticeDlg : public QDialog {
    Q_OBJECT

  public:
    CPracticeDlg(CPrompts& prompts, QWidget* parent = nullptr);
    ~CPracticeDlg() override;

    // The document's letters and whether there are problem letters; the first option is
    // chosen again, whatever was chosen last time.
    void SetChoice(const PracticeChoice& choice);
    const PracticeChoice& Choice() const { return choice_; }
    // The journal's slowest letters for "Letras lentas"; none: nothing to practise there.
    void SetSlowLetters(const std::string& letters) { slowLetters_ = letters; }
    const std::string& SlowLetters() const { return slowLetters_; }

  private:
    void OnProblem();
    void OnAnyOrder();
    void OnInOrder();
    void OnSlow();
    void OnStart();
    void OnCancel();

    void ApplyMode(int mode);
    void ReadControls();

    std::unique_ptr<Ui::CPracticeDlg> ui_;
    CPrompts& prompts_;
    PracticeChoice choice_;
    std::string slowLetters_;
};

}  // namespace zav::ui
