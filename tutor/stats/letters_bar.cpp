#include "tutor/stats/letters_bar.h"

#include "ui_letters_bar.h"

namespace zav::ui {

CLettersBar::CLettersBar(QWidget* parent)
    : QDockWidget(parent), ui_(std::make_unique<Ui::CLettersBar>()) {
    setObjectName(QStringLiteral("lettersBar"));
    setFeatures(DockWidgetMovable | DockWidgetFloatable | DockWidgetVerticalTitleBar);
    setAllowedAreas(Qt::AllDockWidgetAreas);
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    setWidget(content);
}

CLettersBar::~CLettersBar() = default;

void CLettersBar::ShowLists(const QString& good, const QString& bad) {
    ui_->goodEdit->setText(good);
    ui_->badEdit->setText(bad);
}

QString CLettersBar::Good() const {
    return ui_->goodEdit->text();
}
QString CLettersBar::Bad() const {
    return ui_->badEdit->text();
}

}  // namespace zav::ui
