#pragma once
// The main window's toolbar and the prompts of its commands: every command gets its status-bar
// text and tooltip from one table, and the toolbar shows the commands in the table's order.
#include <QIcon>
#include <QString>

class QAction;
class QMainWindow;
class QToolBar;

namespace zav::ui {

struct FrameActions;

// Gives each command of the frame its prompt and, where it has a button, its icon, then builds
// the toolbar. Commands the frame does not have (null) are skipped.
QToolBar* CreateFrameToolBar(QMainWindow& frame, const FrameActions& actions);

// The icon of a toolbar button: the desktop's icon theme's, else our own picture.
QIcon ToolIcon(const char* themeName, const char* fallback);

}  // namespace zav::ui
