#include "tutor/app/recent_files.h"

#include <QFileInfo>

#include "shared/user_settings.h"

namespace zav::ui {

namespace {

QString Key(int i) {
    return QStringLiteral("Recent File List/File%1").arg(i + 1);
}

}  // namespace

void CRecentFiles::Load() {
    files_.clear();
    QSettings store = UserSettings();
    for (int i = 0; i < kSize; ++i) {
        const QString file = store.value(Key(i)).toString();
        if (!file.isEmpty() && !files_.contains(file)) files_.append(file);
    }
}

void CRecentFiles::Save() const {
    QSettings store = UserSettings();
    for (int i = 0; i < kSize; ++i) {
        if (i < files_.size())
            store.setValue(Key(i), files_.at(i));
        else
            store.remove(Key(i));
    }
}

void CRecentFiles::Add(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    files_.removeAll(file);
    files_.prepend(file);
    while (files_.size() > kSize) files_.removeLast();
    Save();
}

void CRecentFiles::Remove(const QString& path) {
    files_.removeAll(QFileInfo(path).absoluteFilePath());
    Save();
}

}  // namespace zav::ui
