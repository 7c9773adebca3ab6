#pragma once
// "Teclado": the keyboard docked under the exercise. Its keys wear the colours of their fingers,
// the key of the next character is lit with the modifiers to hold (a dead key first, then the
// base key), a wrong key flashes, and a character that no key types gets a mark instead. The
// layout is the one of the finger table's layout, or the keyboard the desktop uses.
#include <QDockWidget>
#include <QFutureWatcher>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "core/keyboard/keyboard_map.h"

namespace Ui {
class CKeyboardDock;
}

namespace zav {
struct CFingerLayout;
class CTypingEngine;
}  // namespace zav

namespace zav::ui {

class CKeyboardWidget;

class CKeyboardDock : public QDockWidget {
    Q_OBJECT

  public:
    using MapPointer = std::shared_ptr<const CKeyboardMap>;

    explicit CKeyboardDock(QWidget* parent = nullptr);
    ~CKeyboardDock() override;

    // Tints the keys with `fingers` and draws the XKB layout named by it, or with `desktop` the
    // layout the desktop uses. The map is built in the background; it shows when ready.
    void SetLayout(const CFingerLayout* fingers, bool desktop);
    // The same, with a map at hand (tests, benchmarks).
    void SetMap(MapPointer map);
    // Waits until the map of the last SetLayout is shown.
    void WaitForMap();
    // Watches `view`'s keys for dead keys, which type nothing by themselves: as Qt key events
    // where the platform delivers them, and as the X server's raw key presses, since Qt's
    // compose support swallows a dead key before any widget sees it.
    void WatchKeys(QWidget* view);
    // Puts "&Teclado" into the menu of `before`, ahead of it: it shows and hides the keyboard,
    // which is shown for a new user and keeps the user's choice from run to run.
    void AddToMenu(QAction* before);

    // The next character to type in `line` (0 at the end of a line).
    void ShowNext(char next, const std::string& line);
    // After every typed character: a wrong one flashes its key.
    void AfterCharacter(const CTypingEngine& engine);

    CKeyboardWidget* Keyboard() const;
    // The text of the mark for a character no key types; empty while none shows.
    QString MarkText() const;

  signals:
    // A new map is shown; the heat map draws the same keyboard.
    void mapChanged(MapPointer map);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box hides the keyboard for good, as "&Teclado" does.
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class CDeadKeyWatcher;
    // A key went down on the X server's keyboard while the view had the focus.
    void RawKeyPressed(unsigned keycode);
    void OnMapBuilt();
    void StartPendingBuild();
    void Relight();
    void ApplyFingers();

    std::unique_ptr<Ui::CKeyboardDock> ui_;
    QFutureWatcher<MapPointer> builder_;
    const CFingerLayout* fingers_ = nullptr;
    MapPointer map_;
    std::string line_;
    std::set<unsigned char> marked_;
    char next_ = 0;
    bool deadDown_ = false;
    bool desktop_ = false;
    QWidget* view_ = nullptr;
    std::function<void()> pendingBuild_;
    std::unique_ptr<class CDeadKeyWatcher> rawKeys_;
};

}  // namespace zav::ui
