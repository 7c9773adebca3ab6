#pragma once
// The font chooser of the settings: a face of the Latin writing system, one of its styles and a
// size in points, with a sample line. It opens on the current face and size in the face's
// regular style; Cancel leaves the caller's font as it was.
#include <QDialog>
#include <QFont>
#include <memory>
#include <optional>

namespace Ui {
class CFontDlg;
}

namespace zav::ui {

class CFontDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CFontDlg(const QFont& initial, QWidget* parent = nullptr);
    ~CFontDlg() override;

    // The face, style and size shown, in points.
    QFont SelectedFont() const;

  private:
    void OnFamilyChanged(const QFont& family);
    void OnStyleChanged();
    void OnSizeChanged();
    void OnOk();
    void OnCancel();

    void FillStyles(const QString& family, const QString& wanted);
    void ShowSample();

    std::unique_ptr<Ui::CFontDlg> ui_;
};

// The face's regular style ("Book", "Regular", ...), or empty when the face has none.
QString RegularStyle(const QString& family);
// Runs the chooser on `initial`: the chosen font, or nothing on Cancel.
std::optional<QFont> ChooseExerciseFont(const QFont& initial, QWidget* parent);

}  // namespace zav::ui
