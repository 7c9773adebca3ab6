#include "tutor/dialogs/up_down.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "core/app/number_text.h"

namespace zav::ui {

CUpDown::CUpDown(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setObjectName("up");
    down_->setObjectName("down");
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        // A held arrow repeats its signals; only the real press starts the acceleration clock.
        button->installEventFilter(this);
    }
    SetHorizontal(false);
    connect(up_, &QToolButton::clicked, this, &CUpDown::OnUpClicked);
    connect(down_, &QToolButton::clicked, this, &CUpDown::OnDownClicked);
}

void CUpDown::Attach(QLineEdit* buddy) {
    if (buddy_) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_) buddy_->installEventFilter(this);
}

void CUpDown::SetRange(int low, int high) {
    low_ = low;
    high_ = high;
}

void CUpDown::SetHorizontal(bool horizontal) {
    delete layout();
    auto* box =
        new QBoxLayout(horizontal ? QBoxLayout::LeftToRight : QBoxLayout::BottomToTop, this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    box->addWidget(down_);
    box->addWidget(up_);
    up_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
    const int size = horizontal ? 16 : 11;
    up_->setFixedHeight(horizontal ? 22 : size);
    down_->setFixedHeight(horizontal ? 22 : size);
}

void CUpDown::Step(int direction) {
    if (!buddy_) return;
    const int size =
        accelerated_ && held_.isValid() ? AcceleratedStep(static_cast<int>(held_.elapsed())) : 1;
    const int value =
        StepNumber(buddy_->text().toStdString(), direction * size, low_, high_, wrap_);
    buddy_->setText(QString::number(value));
}

bool CUpDown::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == up_ || watched == down_) && event->type() == QEvent::MouseButtonPress) {
        held_.start();
    }
    if ((watched == up_ || watched == down_) && event->type() == QEvent::MouseButtonRelease) {
        held_.invalidate();
    }
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            if (!key->isAutoRepeat()) held_.start();
            Step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CUpDown::OnUpClicked() {
    Step(1);
}
void CUpDown::OnDownClicked() {
    Step(-1);
}

}  // namespace zav::ui
