#include "tutor/keyboard/keyboard_dock.h"

#include <xcb/xcb.h>

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPromise>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>

#include "core/app/strings.h"
#include "core/fingers/finger_layout.h"
#include "core/typing/typing_engine.h"
#include "shared/qt_text.h"
#include "tutor/keyboard/keyboard_widget.h"
#include "tutor/keyboard/xkb_keyboard.h"
#include "ui_keyboard_dock.h"

namespace zav::ui {
namespace {

// The X server's connection, when the tutor runs on one.
void* XcbConnection() {
#if QT_CONFIG(xcb)
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        return x11->connection();
#endif
    return nullptr;
}

const QString kShownKey = QStringLiteral("Teclado/visible");

QSettings Store() {
    return QSettings(FromCp1252(text::kOrganization), FromCp1252(text::kAppName));
}

bool IsDeadKey(int key) {
    return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
}

}  // namespace

class CDeadKeyWatcher : public QAbstractNativeEventFilter {
  public:
    explicit CDeadKeyWatcher(CKeyboardDock& dock) : dock_(dock) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~CDeadKeyWatcher() override {
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !message) return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS)
            dock_.RawKeyPressed(reinterpret_cast<const xcb_key_press_event_t*>(event)->detail);
        return false;  // the event goes on to Qt as ever
    }

  private:
    CKeyboardDock& dock_;
};

CKeyboardDock::CKeyboardDock(QWidget* parent)
    : QDockWidget(parent), ui_(std::make_unique<Ui::CKeyboardDock>()) {
    setObjectName(QStringLiteral("keyboardDock"));
    setWindowTitle(tr("Teclado"));
    setFeatures(DockWidgetMovable | DockWidgetFloatable | DockWidgetClosable);
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    setWidget(content);
    connect(&builder_, &QFutureWatcher<MapPointer>::finished, this, &CKeyboardDock::OnMapBuilt);
}

CKeyboardDock::~CKeyboardDock() {
    // A build still running finishes into its own promise; nobody waits for it here.
    builder_.disconnect(this);
}

CKeyboardWidget* CKeyboardDock::Keyboard() const {
    return ui_->keyboard;
}

QString CKeyboardDock::MarkText() const {
    return ui_->untypableMark->isHidden() ? QString() : ui_->untypableMark->text();
}

void CKeyboardDock::AddToMenu(QAction* before) {
    QAction* toggle = toggleViewAction();
    toggle->setText(tr("&Teclado"));
    toggle->setObjectName(QStringLiteral("viewKeyboard"));
    toggle->setStatusTip(tr("Muestra u oculta el teclado con la tecla siguiente"));
    if (before)
        for (QObject* owner : before->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(owner)) menu->insertAction(before, toggle);
    setVisible(Store().value(kShownKey, true).toBool());
    // Only the user's own choice is kept, not the hiding of a window that closes.
    connect(toggle, &QAction::triggered, this,
            [](bool shown) { Store().setValue(kShownKey, shown); });
}

void CKeyboardDock::closeEvent(QCloseEvent* event) {
    Store().setValue(kShownKey, false);
    QDockWidget::closeEvent(event);
}

void CKeyboardDock::SetLayout(const CFingerLayout* fingers, bool desktop) {
    // The same chosen layout again needs no new map; the desktop's may have changed.
    if (map_ && !desktop && !desktop_ && fingers == fingers_) return;
    fingers_ = fingers;
    desktop_ = desktop;
    const std::string layout = XkbLayoutForName(fingers ? fingers->name : std::string());
    void* connection = desktop ? XcbConnection() : nullptr;
    auto promise = std::make_shared<QPromise<MapPointer>>();
    builder_.setFuture(promise->future());
    promise->start();
    // Compiling a keymap and the compose table takes tens of milliseconds: not on the window's
    // thread, and only once the event loop runs, so that the window shows first.
    pendingBuild_ = [promise, layout, connection] {
        QThreadPool::globalInstance()->start([promise, layout, connection] {
            std::optional<CKeyboardMap> map;
            if (connection) map = BuildDesktopKeyboardMap(connection);
            if (!map) map = BuildKeyboardMap(layout);
            if (!map) map = BuildKeyboardMap("us");
            promise->addResult(map ? std::make_shared<const CKeyboardMap>(std::move(*map))
                                   : MapPointer());
            promise->finish();
        });
    };
    QTimer::singleShot(0, this, &CKeyboardDock::StartPendingBuild);
}

void CKeyboardDock::StartPendingBuild() {
    if (!pendingBuild_) return;
    auto start = std::move(pendingBuild_);
    pendingBuild_ = nullptr;
    start();
}

void CKeyboardDock::WaitForMap() {
    StartPendingBuild();
    builder_.waitForFinished();
    if (builder_.isFinished() && builder_.future().resultCount() > 0 && builder_.result() != map_)
        OnMapBuilt();
}

void CKeyboardDock::OnMapBuilt() {
    if (builder_.future().resultCount() == 0) return;
    const MapPointer built = builder_.result();
    if (built && built != map_) SetMap(built);
}

void CKeyboardDock::SetMap(MapPointer map) {
    if (!map) return;
    // The fingers of the finger table on this layout's keys.
    auto fingered = std::make_shared<CKeyboardMap>(*map);
    fingered->AssignFingers(fingers_);
    if (fingers_) {
        // AltGr levels show what the finger table teaches (@, #, €, ...) and the Spanish
        // letters and signs, as printed on the keys, not every rare sign of the layout.
        std::string taught =
            "\xE1\xE9\xED\xF3\xFA\xFC\xF1\xC1\xC9\xCD\xD3\xDA\xDC\xD1\xBF\xA1\x80@\xBA\xAA";
        for (const std::string& keys : fingers_->fingers) taught += keys;
        for (int key = 0; key < static_cast<int>(fingered->Keys().size()); ++key)
            for (int level : {2, 3}) {
                KeyLabels& labels = fingered->Labels(key);
                const int code = labels.code[level];
                if (code < 0 || taught.find(static_cast<char>(code)) == std::string::npos)
                    labels.text[level].clear();
            }
    }
    map_ = fingered;
    ui_->keyboard->SetMap(map_);
    std::vector<QColor> fills(map_->Keys().size());
    for (std::size_t key = 0; key < fills.size(); ++key)
        fills[key] = CKeyboardWidget::FingerColor(map_->Finger(static_cast<int>(key)));
    ui_->keyboard->SetKeyFills(std::move(fills));
    Relight();
    emit mapChanged(map_);
}

void CKeyboardDock::WatchKeys(QWidget* view) {
    view_ = view;
    view->installEventFilter(this);
    if (XcbConnection()) rawKeys_ = std::make_unique<CDeadKeyWatcher>(*this);
}

void CKeyboardDock::RawKeyPressed(unsigned keycode) {
    if (!map_ || deadDown_ || !view_ || !view_->hasFocus()) return;
    const KeySequence& sequence = map_->Sequence(static_cast<unsigned char>(next_));
    if (sequence.size() > 1 && map_->Keycode(sequence.front().key) == keycode) {
        deadDown_ = true;
        Relight();
    }
}

bool CKeyboardDock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsDeadKey(static_cast<QKeyEvent*>(event)->key()) &&
        !deadDown_) {
        deadDown_ = true;
        Relight();
    }
    return QDockWidget::eventFilter(watched, event);
}

void CKeyboardDock::ShowNext(char next, const std::string& line) {
    if (line != line_) {
        line_ = line;
        marked_.clear();
    }
    next_ = next;
    deadDown_ = false;
    Relight();
}

void CKeyboardDock::AfterCharacter(const CTypingEngine& engine) {
    const std::string& typed = engine.TypedText();
    if (typed.size() <= static_cast<std::size_t>(engine.Position())) return;
    // The last key was wrong: it flashes, and a dead key pressed before it is spent.
    deadDown_ = false;
    Relight();
    if (map_) ui_->keyboard->Flash(map_->KeyOfCharacter(static_cast<unsigned char>(typed.back())));
}

void CKeyboardDock::Relight() {
    const auto code = static_cast<unsigned char>(next_);
    if (!map_ || code == 0) {
        ui_->keyboard->SetHighlight({}, -1);
        ui_->untypableMark->hide();
        return;
    }
    const KeyHighlight light = map_->HighlightFor(code, deadDown_);
    const KeySequence& sequence = map_->Sequence(code);
    const int following = sequence.size() > 1 && !deadDown_ ? sequence.back().key : -1;
    ui_->keyboard->SetHighlight(light.keys, light.main, following);
    // A character that no key types is marked once per exercise, not lit.
    if (light.untypable && marked_.insert(code).second) {
        ui_->untypableMark->setText(tr("«%1»: ninguna tecla de este teclado escribe este carácter")
                                        .arg(FromCp1252(std::string(1, next_))));
        ui_->untypableMark->show();
    } else if (!light.untypable) {
        ui_->untypableMark->hide();
    }
}

}  // namespace zav::ui
