#pragma once
#include <QSettings>
// The four most recently opened or saved progress files, newest first, kept in the user's
// settings under "Tallowmere Software" / "ZAVType Español".
#include <QStringList>

namespace zav::ui {

// The tutor's own settings store: recent files, the last folder, the window's place.
QSettings TutorSettings();

class CRecentFiles {
  public:
    static constexpr int kSize = 4;

    void Load();
    void Save() const;
    // Puts `path` (made absolute) first, dropping an older entry of the same file.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return files_; }

  private:
    QStringList files_;
};

}  // namespace zav::ui
