#pragma once
// "Configuración": the document's font, letter limits, "Regular" threshold and keyboard layout.
// Modeless, made hidden the first time it is asked for; its values come from the document on
// LoadFromDocument and go back to it on OK. "Cancelar" only hides it: what was typed stays.
#include <QDialog>
#include <QFont>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/app/settings_values.h"
#include "core/typing/typing_marks.h"

class QLineEdit;

namespace Ui {
class CSettingsDlg;
}

namespace zav {
class CZAVTypeDoc;
}

namespace zav::ui {

class CPrompts;

class CSettingsDlg : public QDialog {
    Q_OBJECT

  public:
    // The font chooser: the chosen font, or nothing when cancelled.
    using FontChooser = std::function<std::optional<QFont>(const QFont& initial)>;

    CSettingsDlg(CPrompts& prompts, QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // The finger table's layout names, in table order; the first is selected.
    void FillLayouts(const std::vector<std::string>& names);
    // The document's values into the dialog; OK applies to this document from now on.
    void LoadFromDocument(CZAVTypeDoc& doc);
    const SettingsValues& Values() const { return values_; }
    // The user's typing marks, shown in their check boxes; OK takes the boxes' states.
    void SetTypingMarks(const TypingMarks& marks);
    const TypingMarks& Marks() const { return marks_; }
    // The on-screen keyboard draws the desktop's layout rather than the chosen one: kept with
    // the program's settings on OK, read by the frame without the dialog.
    static bool DesktopKeyboardSetting();
    // Replaces the font dialog, for tests.
    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }

  signals:
    // After OK: the view re-creates its font and redraws; the document is modified.
    void settingsApplied();
    // After OK, last: the finger guide takes the chosen layout.
    void layoutApplied(int layoutIndex);

  private:
    void OnOk();
    void OnCancel();
    void OnChangeFont();
    void OnLayoutChanged(int index);

    void WriteControls();
    QLineEdit* FieldEdit(SettingsField field) const;
    std::optional<QFont> ChooseFontWithDialog(const QFont& initial);

    std::unique_ptr<Ui::CSettingsDlg> ui_;
    CPrompts& prompts_;
    CZAVTypeDoc* doc_ = nullptr;
    SettingsValues values_;
    TypingMarks marks_;
    FontChooser fontChooser_;
};

}  // namespace zav::ui
