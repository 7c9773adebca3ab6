#include "tutor/dialogs/practice_dlg.h"

#include "core/app/strings.h"
#include "shared/prompts.h"
#include "shared/qt_text.h"
#include "tutor/texts.h"
#include "ui_practice_dlg.h"

namespace zav::ui {
namespace {

// The edits hold 256 characters; a longer text from a progress file is shown whole rather
// than cut, so that OK cannot shorten what the document holds.
void SetLimitedText(QLineEdit* edit, const std::string& text) {
    const QString shown = FromCp1252(text);
    edit->setMaxLength(std::max<int>(kPracticeTextMax, static_cast<int>(shown.size())));
    edit->setText(shown);
}

}  // namespace

CPracticeDlg::CPracticeDlg(CPrompts& prompts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CPracticeDlg>()), prompts_(prompts) {
    ui_->setupUi(this);
    setModal(true);
    connect(ui_->problemRadio, &QRadioButton::clicked, this, &CPracticeDlg::OnProblem);
    connect(ui_->anyOrderRadio, &QRadioButton::clicked, this, &CPracticeDlg::OnAnyOrder);
    connect(ui_->inOrderRadio, &QRadioButton::clicked, this, &CPracticeDlg::OnInOrder);
    connect(ui_->slowRadio, &QRadioButton::clicked, this, &CPracticeDlg::OnSlow);
    connect(ui_->startButton, &QPushButton::clicked, this, &CPracticeDlg::OnStart);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CPracticeDlg::OnCancel);
    SetChoice(PracticeChoice{});
}

CPracticeDlg::~CPracticeDlg() = default;

void CPracticeDlg::SetChoice(const PracticeChoice& choice) {
    choice_ = choice;
    SetLimitedText(ui_->anyOrderEdit, choice_.anyOrderLetters);
    SetLimitedText(ui_->inOrderEdit, choice_.inOrderText);
    ui_->extraCheck->setChecked(choice_.includeExtra == 1);
    ui_->problemRadio->setChecked(true);
    ApplyMode(PracticeProblem);
}

void CPracticeDlg::ApplyMode(int mode) {
    choice_.mode = mode;
    const PracticeControls controls = PracticeControlsFor(mode);
    // Disabled fields keep their text; both texts go back to the document on OK.
    ui_->anyOrderEdit->setEnabled(controls.anyOrderEnabled);
    ui_->inOrderEdit->setEnabled(controls.inOrderEnabled);
    ui_->extraCheck->setEnabled(controls.extraEnabled);
    // The cursor waits in the field of the chosen option, if it has one.
    if (controls.anyOrderEnabled) ui_->anyOrderEdit->setFocus();
    if (controls.inOrderEnabled) ui_->inOrderEdit->setFocus();
}

void CPracticeDlg::ReadControls() {
    choice_.anyOrderLetters = ToCp1252(ui_->anyOrderEdit->text());
    choice_.inOrderText = ToCp1252(ui_->inOrderEdit->text());
    choice_.includeExtra = ui_->extraCheck->isChecked() ? 1 : 0;
}

void CPracticeDlg::OnProblem() {
    ApplyMode(PracticeProblem);
}
void CPracticeDlg::OnAnyOrder() {
    ApplyMode(PracticeAnyOrder);
}
void CPracticeDlg::OnInOrder() {
    ApplyMode(PracticeInOrder);
}
void CPracticeDlg::OnSlow() {
    ApplyMode(PracticeSlow);
}

void CPracticeDlg::OnStart() {
    // A character that Windows-1252 lacks would be stored as "?": refused, naming it.
    for (const QLineEdit* edit : {ui_->anyOrderEdit, ui_->inOrderEdit}) {
        const QString missing = FirstWithoutCp1252(edit->text());
        if (missing.isEmpty()) continue;
        prompts_.Message(Tr(text::kCharacterNotPractisable).arg(missing), QMessageBox::Warning);
        return;
    }
    ReadControls();
    if (!CanStartPractice(choice_, slowLetters_)) {
        prompts_.Message(
            Tr(choice_.mode == PracticeSlow ? text::kNoSlowLetters : text::kNothingToPractise),
            QMessageBox::Warning);
        return;
    }
    accept();
}

void CPracticeDlg::OnCancel() {
    reject();
}

}  // namespace zav::ui
