#include "tutor/app/status_panes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "shared/qt_text.h"
#include "tutor/texts.h"

namespace zav::ui {
namespace {

// X11 modifier bits of a key event's state: Lock and Mod2, the usual home of Num Lock.
constexpr quint32 kX11Lock = 0x2;
constexpr quint32 kX11NumLock = 0x10;

// Room a pane keeps around its text: its frame and a little air.
int PaneChrome(const QLabel* pane) {
    return 2 * pane->frameWidth() + 8;
}

QLabel* AddPane(QStatusBar* bar, const QString& widest) {
    auto* pane = new QLabel(bar);
    pane->setFrameShape(QFrame::Panel);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(widest) + PaneChrome(pane));
    pane->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(pane);
    return pane;
}

}  // namespace

CStatusPanes::CStatusPanes(QStatusBar* bar, bool watchLocks) : QObject(bar), bar_(bar) {
    // The caption pane gets what the idle text leaves; the shortest caption fits it anyway.
    exercise_ = AddPane(bar, QStringLiteral("Ec 999: 99 de 99"));
    exercise_->installEventFilter(this);
    caps_ = AddPane(bar, Tr(text::kCapsPane));
    num_ = AddPane(bar, Tr(text::kNumPane));
    auto_ = AddPane(bar, Tr(text::kAutoPane));
    connect(bar_, &QStatusBar::messageChanged, this, &CStatusPanes::OnMessageChanged);
    OnMessageChanged(QString());
    if (watchLocks) qApp->installEventFilter(this);
}

bool CStatusPanes::PlatformReportsLocks() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void CStatusPanes::OnMessageChanged(const QString& message) {
    // A prompt that ends leaves the idle text behind.
    if (message.isEmpty()) bar_->showMessage(Tr(text::kIdlePrompt));
}

void CStatusPanes::SetExercise(const QString& caption) {
    caption_ = caption;
    exercise_->setToolTip(caption);
    FitCaption();
}

// The message area ends two pixels before the first pane and starts six pixels into the bar
// (QStatusBar's own drawing). The caption pane takes its full width while the idle text still
// fits before it, else it shrinks and elides; the view draws the caption in full anyway.
void CStatusPanes::FitCaption() {
    const int chrome = PaneChrome(exercise_);
    if (measured_.caption != caption_ || measured_.font != exercise_->font()) {
        measured_ = {caption_, exercise_->font(),
                     exercise_->fontMetrics().horizontalAdvance(caption_),
                     bar_->fontMetrics().horizontalAdvance(Tr(text::kIdlePrompt))};
    }
    const int full = measured_.captionWidth + chrome;
    const int prompt = measured_.promptWidth;
    int width = std::max(full, exercise_->minimumWidth());
    if (exercise_->isVisible() && exercise_->x() > 0) {
        const int room = exercise_->x() + exercise_->width() - 8 - prompt;
        width = std::clamp(room, exercise_->minimumWidth(), width);
    }
    if (width != exercise_->maximumWidth()) exercise_->setMaximumWidth(width);
    const int room = exercise_->maximumWidth() - chrome;
    exercise_->setText(measured_.captionWidth <= room
                           ? caption_
                           : exercise_->fontMetrics().elidedText(caption_, Qt::ElideRight, room));
}

void CStatusPanes::SetAuto(bool on) {
    auto_->setText(on ? Tr(text::kAutoPane) : QString());
}

void CStatusPanes::TrackLocks(const QKeyEvent& event) {
    const quint32 state = event.nativeModifiers();
    bool caps = state & kX11Lock;
    bool num = state & kX11NumLock;
    // The state is the one before the event: pressing a lock key turns its lock over.
    if (event.type() == QEvent::KeyPress) {
        if (event.key() == Qt::Key_CapsLock) caps = !caps;
        if (event.key() == Qt::Key_NumLock) num = !num;
    } else if (event.key() == Qt::Key_CapsLock || event.key() == Qt::Key_NumLock) {
        return;  // a lock key's release tells nothing new
    }
    caps_->setText(caps ? Tr(text::kCapsPane) : QString());
    num_->setText(num ? Tr(text::kNumPane) : QString());
}

bool CStatusPanes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == exercise_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        FitCaption();
    // A key event passes the filter once for every receiver on its way; the copy that goes to
    // the focus widget, its first widget, is the one read.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        watched->isWidgetType() && watched == QApplication::focusWidget())
        TrackLocks(*static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

QString CStatusPanes::PromptText() const {
    return bar_->currentMessage();
}
QString CStatusPanes::ExerciseText() const {
    return caption_;
}
QString CStatusPanes::CapsText() const {
    return caps_->text();
}
QString CStatusPanes::NumText() const {
    return num_->text();
}
QString CStatusPanes::AutoText() const {
    return auto_->text();
}

}  // namespace zav::ui
