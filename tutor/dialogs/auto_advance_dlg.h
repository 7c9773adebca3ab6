#pragma once
// "Avance automático": the modal settings of the automatic advance. The caller fills it from
// the document and, when it ends with OK, stores Values() back (ApplyAutoAdvance).
#include <QDialog>
#include <memory>

#include "core/course/exercise_choice.h"

namespace Ui {
class CAutoAdvanceDlg;
}

namespace zav::ui {

class CAutoAdvanceDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAutoAdvanceDlg(QWidget* parent = nullptr);
    ~CAutoAdvanceDlg() override;

    void SetValues(const AutoAdvanceValues& values);
    const AutoAdvanceValues& Values() const { return values_; }

  private:
    void OnRuleChanged(int index);
    void OnOk();
    void OnCancel();

    std::unique_ptr<Ui::CAutoAdvanceDlg> ui_;
    AutoAdvanceValues values_;
};

}  // namespace zav::ui
