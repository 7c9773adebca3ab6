#include "shared/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>

#include "core/app/strings.h"
#include "shared/qt_text.h"
#include "shared/user_settings.h"
#include "tutor/texts.h"

namespace zav::ui {
namespace {

QString Title() {
    return FromCp1252(text::kAppName);
}

const QString kLastFolderKey = QStringLiteral("Settings/LastFolder");

QSettings Store() {
    return UserSettings();
}

}  // namespace

void CPrompts::Message(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, Title(), text, QMessageBox::Ok, parent_);
    box.exec();
}

CPrompts::Answer CPrompts::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(Tr(text::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(Tr(text::kNo), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(Tr(text::kCancel), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

QString CPrompts::StartPath(const QString& initial) {
    if (QFileInfo(initial).isAbsolute()) return initial;
    const QString folder = Store().value(kLastFolderKey).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return initial;
    return initial.isEmpty() ? folder : QDir(folder).filePath(initial);
}

void CPrompts::RememberFolder(const QString& file) {
    if (!file.isEmpty()) Store().setValue(kLastFolderKey, QFileInfo(file).absolutePath());
}

QString CPrompts::OpenFileName(const QString& title, const QString& filter, const QString& given) {
    const QString initial = StartPath(given);
    QFileDialog dialog(parent_, title, initial, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

QString CPrompts::SaveFileName(const QString& title, const QString& filter, const QString& given,
                               const QString& suffix) {
    const QString initial = StartPath(given);
    QFileDialog dialog(parent_, title, initial, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

}  // namespace zav::ui
