#pragma once
// The main window's commands, each one typed member: the frame creates them all in one place
// and hands them to the toolbar and the companions. Their object names are for tests only.
class QAction;

namespace zav::ui {

struct FrameActions {
    // "Archivo"
    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* loadCourse = nullptr;
    QAction* report = nullptr;
    QAction* appExit = nullptr;
    // "Ver"
    QAction* viewToolbar = nullptr;
    QAction* viewStatusBar = nullptr;
    QAction* viewSettings = nullptr;
    QAction* viewFingers = nullptr;
    QAction* viewStatistics = nullptr;
    // "Ejercicio"
    QAction* exercisePrevious = nullptr;
    QAction* exerciseNext = nullptr;
    QAction* exerciseRestart = nullptr;
    QAction* exerciseJump = nullptr;
    QAction* exercisePractice = nullptr;
    QAction* autoAdvance = nullptr;
    // Toolbar only; `drillPlus` exists only on an English-speaking desktop, else it is null.
    QAction* soundSwitch = nullptr;
    QAction* drillPlus = nullptr;
    // The add-on's menu and "Ayuda"
    QAction* aboutDrillPlus = nullptr;
    QAction* helpIndex = nullptr;
    QAction* helpTips = nullptr;
    QAction* appAbout = nullptr;
    QAction* webSite = nullptr;
};

}  // namespace zav::ui
