#include "tutor/stats/exercise_bar.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include "shared/qt_text.h"
#include "tutor/stats/disc_images.h"
#include "ui_exercise_bar.h"

namespace zav::ui {
namespace {

// Wide enough for `widest` in the field's own font and frame, whatever the font and scale.
void FitField(QLineEdit* edit, const QString& widest) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    option.features = QStyleOptionFrame::None;
    const QMargins margins = edit->textMargins();
    // Qt keeps two pixels of room on each side of a line edit's text.
    const int text =
        edit->fontMetrics().horizontalAdvance(widest) + 4 + margins.left() + margins.right() + 1;
    const QSize size = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                       QSize(text, edit->height()), edit);
    edit->setFixedWidth(size.width());
}

}  // namespace

CExerciseBar::CExerciseBar(QWidget* parent)
    : QDockWidget(parent), ui_(std::make_unique<Ui::CExerciseBar>()) {
    setObjectName(QStringLiteral("exerciseBar"));
    // A bar of the frame, not a window of its own: it moves and floats but is never closed;
    // its title is a grip at its left end.
    setFeatures(DockWidgetMovable | DockWidgetFloatable | DockWidgetVerticalTitleBar);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    // Each field holds the widest figure its format gives: "%4.3f" seconds of a long turn,
    // counts of a 255-letter line, a full error percentage, a row of error letters.
    const QString digits3 = QStringLiteral("888"), digits4 = QStringLiteral("8888");
    const std::pair<QLineEdit*, QString> widest[] = {
        {ui_->durationEdit, QStringLiteral("8888.888")},
        {ui_->lettersEdit, digits3},
        {ui_->wordsEdit, digits3},
        {ui_->errorsEdit, digits3},
        {ui_->errorPercentEdit, QStringLiteral("100%")},
        {ui_->lpmEdit, digits4},
        {ui_->ppmEdit, digits3},
        {ui_->errorLettersEdit, QStringLiteral("wwwwww")},
        {ui_->turnEdit, digits3},
    };
    for (const auto& [edit, text] : widest) FitField(edit, text);
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
