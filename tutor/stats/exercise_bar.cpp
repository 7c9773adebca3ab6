#include "tutor/stats/exercise_bar.h"

#include "shared/qt_text.h"
#include "tutor/stats/disc_images.h"
#include "ui_exercise_bar.h"

namespace zav::ui {

CExerciseBar::CExerciseBar(QWidget* parent)
    : QDockWidget(parent), ui_(std::make_unique<Ui::CExerciseBar>()) {
    setObjectName(QStringLiteral("exerciseBar"));
    // A bar of the frame, not a window of its own: it moves and floats but is never closed;
    // its title is a grip at its left end.
    setFeatures(DockWidgetMovable | DockWidgetFloatable | DockWidgetVerticalTitleBar);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    setWidget(content);
    // The pictures the bar starts with, until the view's first update.
    ui_->largeDisc->setPixmap(DiscPixmap(large_, DiscSize::Large));
    ShowSmallDiscs({Disc::Yellow, Disc::Red, Disc::Green, Disc::Yellow});
}

CExerciseBar::~CExerciseBar() = default;

QLineEdit* CExerciseBar::Edit(Field field) const {
    switch (field) {
        case Duration:
            return ui_->durationEdit;
        case Letters:
            return ui_->lettersEdit;
        case Words:
            return ui_->wordsEdit;
        case Errors:
            return ui_->errorsEdit;
        case ErrorPercent:
            return ui_->errorPercentEdit;
        case LettersPerMinute:
            return ui_->lpmEdit;
        case WordsPerMinute:
            return ui_->ppmEdit;
        case ErrorLetters:
            return ui_->errorLettersEdit;
        case TurnNumber:
        case kFieldCount:
            break;
    }
    return ui_->turnEdit;
}

void CExerciseBar::ShowFigures(const TurnFigureTexts& t) {
    const std::string* texts[kFieldCount] = {
        &t.duration,         &t.letters,        &t.words,        &t.errors,    &t.errorPercent,
        &t.lettersPerMinute, &t.wordsPerMinute, &t.errorLetters, &t.turnNumber};
    for (int f = 0; f < kFieldCount; ++f) {
        QLineEdit* edit = Edit(static_cast<Field>(f));
        const QString text = FromCp1252(*texts[f]);
        if (edit->text() != text) edit->setText(text);
    }
}

void CExerciseBar::ShowLargeDisc(Disc disc) {
    if (disc == large_) return;  // called after every key: draw only a change
    large_ = disc;
    ui_->largeDisc->setPixmap(DiscPixmap(disc, DiscSize::Large));
}

void CExerciseBar::ShowSmallDiscs(const std::array<Disc, 4>& discs) {
    small_ = discs;
    QLabel* labels[] = {ui_->disc0, ui_->disc1, ui_->disc2, ui_->disc3};
    for (std::size_t i = 0; i < discs.size(); ++i)
        labels[i]->setPixmap(DiscPixmap(discs[i], DiscSize::Small));
}

QString CExerciseBar::Text(Field field) const {
    return Edit(field)->text();
}

QString CExerciseBar::Summary() const {
    const QLabel* labels[kFieldCount] = {
        ui_->durationLabel, ui_->lettersLabel,      ui_->wordsLabel,
        ui_->errorsLabel,   ui_->errorPercentLabel, ui_->lpmLabel,
        ui_->ppmLabel,      ui_->errorLettersLabel, ui_->turnLabel};
    QStringList parts;
    for (int f = 0; f < kFieldCount; ++f)
        parts << labels[f]->text() + ' ' + Edit(static_cast<Field>(f))->text().trimmed();
    return parts.join(QStringLiteral("  "));
}

}  // namespace zav::ui
