#include "tutor/app/frame_toolbar.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>

#include "core/app/strings.h"
#include "shared/qt_text.h"
#include "tutor/app/frame_actions.h"
#include "tutor/app/png_icon.h"
#include "tutor/texts.h"

namespace zav::ui {
namespace {

struct Command {
    QAction* FrameActions::*action;  // null marks a gap in the toolbar
    const char* prompt;              // status-bar text, then after a line break the tooltip
    const char* themeIcon;           // null: no button
    const char* fallback;
};

// The toolbar's buttons in their order, then the commands that only have a prompt.
constexpr Command kCommands[] = {
    {&FrameActions::exercisePrevious, text::kPromptPrevious, "go-previous", "previous"},
    {&FrameActions::exerciseRestart, text::kPromptRestart, "view-refresh", "restart"},
    {&FrameActions::exerciseNext, text::kPromptNext, "go-next", "next"},
    {&FrameActions::exerciseJump, text::kPromptJump, "go-jump", "jump"},
    {&FrameActions::exercisePractice, text::kPromptPractice, "input-keyboard", "practice"},
    {nullptr, nullptr, nullptr, nullptr},
    {&FrameActions::autoAdvance, text::kPromptAutoAdvance, "media-skip-forward", "auto"},
    {&FrameActions::viewStatistics, text::kPromptStatistics, "x-office-spreadsheet", "stats"},
    {&FrameActions::soundSwitch, text::kPromptSound, "audio-volume-high", "sound"},
    {nullptr, nullptr, nullptr, nullptr},
    {&FrameActions::fileOpen, text::kPromptOpen, "document-open", "open"},
    {&FrameActions::fileNew, text::kPromptNew, "document-new", "new"},
    {&FrameActions::fileSave, text::kPromptSave, "document-save", "save"},
    {nullptr, nullptr, nullptr, nullptr},
    {&FrameActions::drillPlus, text::kPromptDrillPlus, "applications-education", "drillplus"},
    {&FrameActions::helpIndex, text::kPromptHelp, "help-contents", "help"},
    {&FrameActions::report, text::kPromptReport, nullptr, nullptr},
    {&FrameActions::viewSettings, text::kPromptSettings, nullptr, nullptr},
    {&FrameActions::viewFingers, text::kPromptFingers, nullptr, nullptr},
    {&FrameActions::helpTips, text::kPromptTips, nullptr, nullptr},
};

void SetPrompt(QAction* action, const char* prompt) {
    const QString text = Tr(prompt);
    const int lineBreak = text.indexOf('\n');
    action->setStatusTip(lineBreak < 0 ? text : text.left(lineBreak));
    // A command without a tooltip of its own shows none, not its menu text.
    action->setToolTip(lineBreak < 0 ? QString() : text.mid(lineBreak + 1));
}

}  // namespace

QIcon ToolIcon(const char* themeName, const char* fallback) {
    const QStringList own{QStringLiteral(":/toolbar/%1.png").arg(QLatin1String(fallback))};
    // A desktop that names no icon theme leaves Qt with "hicolor", the freedesktop base theme,
    // which holds programs' icons and no command icons: searching it for every button cost more
    // than the rest of the toolbar.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) return PngIcon(own);
    // Our picture is read only where the theme has no icon of its own.
    return QIcon::fromTheme(QString::fromLatin1(themeName), PngIconWhenShown(own));
}

QToolBar* CreateFrameToolBar(QMainWindow& frame, const FrameActions& actions) {
    auto* bar = new QToolBar(&frame);
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(true);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bool gapPending = false;
    for (const Command& command : kCommands) {
        if (!command.action) {
            gapPending = true;
            continue;
        }
        QAction* found = actions.*command.action;
        if (!found) continue;  // a command this desktop does not have
        SetPrompt(found, command.prompt);
        if (!command.themeIcon) continue;
        if (gapPending && !bar->actions().isEmpty()) bar->addSeparator();
        gapPending = false;
        found->setIcon(ToolIcon(command.themeIcon, command.fallback));
        // The icon belongs to the toolbar; the menus keep their plain texts.
        found->setIconVisibleInMenu(false);
        bar->addAction(found);
    }
    frame.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

}  // namespace zav::ui
