#pragma once
// Every message box and file chooser of the tutor goes through this one class, titled with the
// application's name. Tests put a scripted subclass in its place so that nothing blocks.
#include <QMessageBox>
#include <QString>

class QWidget;

namespace zav::ui {

class CPrompts {
  public:
    enum class Answer { Yes, No, Cancel };

    virtual ~CPrompts() = default;
    void SetParent(QWidget* parent) { parent_ = parent; }

    // A message with an OK button.
    virtual void Message(const QString& text, QMessageBox::Icon icon = QMessageBox::Warning);
    // "Sí", "No", "Cancelar"; closing the box answers Cancel.
    virtual Answer AskYesNoCancel(const QString& text);
    // The chosen file's path, or empty when cancelled. An empty filter offers every file.
    virtual QString OpenFileName(const QString& title, const QString& filter,
                                 const QString& initial);
    // Asks before replacing an existing file; `suffix` is added to a name without one.
    virtual QString SaveFileName(const QString& title, const QString& filter,
                                 const QString& initial, const QString& suffix);

    // Where a file dialog starts: `initial` as given when it names a folder, else in the folder
    // of the last file chosen (remembered in the settings), with `initial`'s name if any.
    static QString StartPath(const QString& initial);
    static void RememberFolder(const QString& file);

  protected:
    QWidget* parent_ = nullptr;
};

}  // namespace zav::ui
