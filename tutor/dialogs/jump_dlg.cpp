#include "tutor/dialogs/jump_dlg.h"

#include <algorithm>

#include "core/app/number_text.h"
#include "core/course/document.h"
#include "core/course/exercise_choice.h"
#include "shared/qt_text.h"
#include "ui_jump_dlg.h"

namespace zav::ui {
namespace {

constexpr int kUpDownMax = 32767;  // the up-down's range is a 16-bit value

}  // namespace

CJumpDlg::CJumpDlg(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::CJumpDlg>()) {
    ui_->setupUi(this);
    setModal(false);
    ui_->numberUpDown->SetHorizontal(true);
    ui_->numberUpDown->SetWrap(true);
    ui_->numberUpDown->SetRange(0, 1000);
    ui_->numberUpDown->Attach(ui_->numberEdit);
    connect(ui_->numberEdit, &QLineEdit::textChanged, this, &CJumpDlg::OnNumberChanged);
    connect(ui_->sectionCombo, &QComboBox::activated, this, &CJumpDlg::OnSectionChosen);
    connect(ui_->jumpButton, &QPushButton::clicked, this, &CJumpDlg::OnJump);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CJumpDlg::OnCancel);
}

CJumpDlg::~CJumpDlg() = default;

void CJumpDlg::ShowFor(CZAVTypeDoc& doc) {
    const CCourse& course = doc.course;
    ui_->sectionCombo->setUpdatesEnabled(false);
    ui_->sectionCombo->clear();
    doc_ = &doc;
    titles_.clear();
    for (int s = 0; s < course.SectionCount(); ++s) {
        titles_.push_back(course.SectionTitle(s));
        ui_->sectionCombo->addItem(FromCp1252(titles_.back()));
    }
    ui_->numberUpDown->SetRange(1, std::clamp(course.ExerciseCount(), 1, kUpDownMax));
    // Writing the number selects the current exercise's section (the number-changed rule).
    const QString number = QString::number(doc.exercise + 1);
    if (ui_->numberEdit->text() == number) {
        SelectSectionOf(doc.exercise + 1);
    } else {
        ui_->numberEdit->setText(number);
    }
    ui_->sectionCombo->setUpdatesEnabled(true);
    show();
    raise();
    activateWindow();
    // Whatever had the focus when it was hidden, a typed number and Enter jump there.
    ui_->numberEdit->setFocus();
    ui_->numberEdit->selectAll();
}

QString CJumpDlg::NumberText() const {
    return ui_->numberEdit->text();
}
int CJumpDlg::SelectedSection() const {
    return ui_->sectionCombo->currentIndex();
}

void CJumpDlg::SelectSectionOf(int number) {
    if (!doc_) return;
    const std::string title = SectionTitleOfNumber(doc_->course, number);
    const int entry = FindEntryByPrefix(titles_, title);
    if (entry >= 0) ui_->sectionCombo->setCurrentIndex(entry);
}

void CJumpDlg::OnNumberChanged() {
    // Before the first show no document is known; a field without a number selects nothing.
    if (!doc_) return;
    if (const std::optional<int> number =
            ScanLeadingNumber(ui_->numberEdit->text().toStdString())) {
        SelectSectionOf(*number);
    }
}

void CJumpDlg::OnSectionChosen(int section) {
    if (!doc_ || section < 0) return;
    ui_->numberEdit->setText(QString::number(SectionFirstNumber(doc_->course, section)));
}

void CJumpDlg::OnJump() {
    if (doc_) {
        const std::optional<int> target =
            JumpTarget(ui_->numberEdit->text().toStdString(), doc_->course.ExerciseCount());
        // A field without a number leaves the exercise as it is.
        if (target) {
            doc_->exercise = *target;
            doc_->kind = CourseExercise;
            emit exerciseChosen();
        }
    }
    accept();
}

void CJumpDlg::OnCancel() {
    reject();
}

}  // namespace zav::ui
