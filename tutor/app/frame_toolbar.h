#pragma once
// The main window's toolbar and the prompts of its commands: every command gets its status-bar
// text and tooltip from one table, and the toolbar shows the commands in the table's order.
#include <QIcon>
#include <QString>
#include <functional>

class QAction;
class QMainWindow;
class QToolBar;

namespace zav::ui {

// Gives each named command of the frame its prompt and, where it has a button, its icon, then
// builds the toolbar. `action` finds a command by object name; commands it does not find
// (another part of the tutor not built in) are skipped.
QToolBar* CreateFrameToolBar(QMainWindow& frame,
                             const std::function<QAction*(const QString&)>& action);

// The icon of a toolbar button: the desktop theme's, else our own picture.
QIcon ToolIcon(const char* themeName, const char* fallback);

}  // namespace zav::ui
