#include "tutor/app/prompts.h"

#include <QFileDialog>
#include <QPushButton>

#include "tutor/app/qt_text.h"
#include "tutor/resources/strings.h"

namespace zav::ui {
namespace {

QString Title() {
    return FromCp1252(text::kAppName);
}

}  // namespace

void CPrompts::Message(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, Title(), text, QMessageBox::Ok, parent_);
    box.exec();
}

CPrompts::Answer CPrompts::AskYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, Title(), text, QMessageBox::NoButton, parent_);
    QPushButton* yes = box.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes) return Answer::Yes;
    if (box.clickedButton() == no) return Answer::No;
    return Answer::Cancel;
}

QString CPrompts::OpenFileName(const QString& title, const QString& filter,
                               const QString& initial) {
    QFileDialog dialog(parent_, title, initial, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::ReadOnly);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString CPrompts::SaveFileName(const QString& title, const QString& filter, const QString& initial,
                               const QString& suffix) {
    QFileDialog dialog(parent_, title, initial, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    if (!initial.isEmpty()) dialog.selectFile(initial);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace zav::ui
