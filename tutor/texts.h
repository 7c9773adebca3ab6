#pragma once
// The tutor's own interface texts, as the user sees them in Spanish, the source language (UTF-8).
// Each is marked for Qt Linguist in the context "ZAVType" and shown through Tr(), which gives the
// translation of the interface language (translations/zavtype_en.ts). Texts that the core writes
// into files or compares stay bytes in core/app/strings.h.
#include <QCoreApplication>
#include <QString>

namespace zav::text {

inline constexpr char kUntitled[] = QT_TRANSLATE_NOOP("ZAVType", "Sin título");
inline constexpr char kSavePrompt[] = QT_TRANSLATE_NOOP("ZAVType", "¿Guardar cambios a %1?");
inline constexpr char kOpenTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Abrir");
inline constexpr char kSaveAsTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Guardar como");
// The answers of a yes / no / cancel question.
inline constexpr char kYes[] = QT_TRANSLATE_NOOP("ZAVType", "&Sí");
inline constexpr char kNo[] = QT_TRANSLATE_NOOP("ZAVType", "&No");
inline constexpr char kCancel[] = QT_TRANSLATE_NOOP("ZAVType", "&Cancelar");
inline constexpr char kProgressFilter[] = QT_TRANSLATE_NOOP("ZAVType", "Archivos ZAVTyp (*.zav)");
inline constexpr char kLoadCourseTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Abrir otro curso");
inline constexpr char kCourseNotOpened[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "No se puede abrir el archivo de curso %1. El curso y su progreso siguen como estaban.");
inline constexpr char kCommandLineHelp[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "Uso: ZAVType [ARCHIVO.zav]\n"
    "Tutor de mecanografía. Con un archivo de progreso lo abre; sin él empieza un\n"
    "documento nuevo con el curso \"Default\".\n"
    "\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versión y termina");
inline constexpr char kMenuFile[] = QT_TRANSLATE_NOOP("ZAVType", "&Archivo");
inline constexpr char kMenuNew[] = QT_TRANSLATE_NOOP("ZAVType", "&Nuevo\tCtrl+N");
inline constexpr char kMenuOpen[] = QT_TRANSLATE_NOOP("ZAVType", "&Abrir..\tCtrl+A");
inline constexpr char kMenuSave[] = QT_TRANSLATE_NOOP("ZAVType", "&Guardar\tCtrl+G");
inline constexpr char kMenuSaveAs[] = QT_TRANSLATE_NOOP("ZAVType", "Guardar c&omo");
inline constexpr char kMenuLoadCourse[] = QT_TRANSLATE_NOOP("ZAVType", "&Cargar curso");
inline constexpr char kMenuReport[] = QT_TRANSLATE_NOOP("ZAVType", "&Informe de evaluación");
inline constexpr char kMenuExit[] = QT_TRANSLATE_NOOP("ZAVType", "&Salir");
inline constexpr char kMenuView[] = QT_TRANSLATE_NOOP("ZAVType", "&Ver");
inline constexpr char kMenuToolbar[] = QT_TRANSLATE_NOOP("ZAVType", "Barra de &herramientas");
inline constexpr char kMenuStatusBar[] = QT_TRANSLATE_NOOP("ZAVType", "Barra de &estado");
inline constexpr char kMenuSettings[] = QT_TRANSLATE_NOOP("ZAVType", "&Configuración");
inline constexpr char kMenuFingers[] = QT_TRANSLATE_NOOP("ZAVType", "&Dedos..");
inline constexpr char kMenuStatistics[] = QT_TRANSLATE_NOOP("ZAVType", "Es&tadística");
inline constexpr char kMenuExercise[] = QT_TRANSLATE_NOOP("ZAVType", "&Ejercicio");
inline constexpr char kMenuPrevious[] = QT_TRANSLATE_NOOP("ZAVType", "&Anterior");
inline constexpr char kMenuNext[] = QT_TRANSLATE_NOOP("ZAVType", "&Siguiente");
inline constexpr char kMenuRestart[] = QT_TRANSLATE_NOOP("ZAVType", "&Reempezar");
inline constexpr char kMenuJump[] = QT_TRANSLATE_NOOP("ZAVType", "&Saltar a...");
inline constexpr char kMenuPractice[] = QT_TRANSLATE_NOOP("ZAVType", "&Practicar...");
inline constexpr char kMenuAutoAdvance[] = QT_TRANSLATE_NOOP("ZAVType", "&Avance automático");
inline constexpr char kMenuImprove[] = QT_TRANSLATE_NOOP("ZAVType", "&Mejorar");
inline constexpr char kMenuAboutDrillPlus[] =
    QT_TRANSLATE_NOOP("ZAVType", "Acerca de ZAV Drill &Plus");
inline constexpr char kMenuHelp[] = QT_TRANSLATE_NOOP("ZAVType", "&Ayuda");
inline constexpr char kMenuHelpPage[] = QT_TRANSLATE_NOOP("ZAVType", "&Ayuda");
inline constexpr char kToolBarTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Barra de herramientas");
inline constexpr char kExerciseBarTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Barra del ejercicio");
inline constexpr char kLettersBarTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Barra de letras");
inline constexpr char kMenuTips[] = QT_TRANSLATE_NOOP("ZAVType", "&Mostrar consejos");
inline constexpr char kMenuAbout[] = QT_TRANSLATE_NOOP("ZAVType", "&Acerca de");
inline constexpr char kAboutTitle[] = QT_TRANSLATE_NOOP("ZAVType", "Acerca de ZAVType");
inline constexpr char kAboutClosing[] =
    QT_TRANSLATE_NOOP("ZAVType", "Para recibir instrucciones y consejos, seleccione \"Ayuda\"");
inline constexpr char kMenuWebSite[] = QT_TRANSLATE_NOOP("ZAVType", "Sitio &Internet de ZAV Type");
// Command prompts: the status-bar text, then after a line break the tooltip, if any.
inline constexpr char kPromptNew[] = QT_TRANSLATE_NOOP("ZAVType",
                                                       "Crea un nuevo documento\n"
                                                       "Nuevo");
inline constexpr char kPromptOpen[] = QT_TRANSLATE_NOOP("ZAVType",
                                                        "Abre un documento ya existente\n"
                                                        "Abrir");
inline constexpr char kPromptSave[] = QT_TRANSLATE_NOOP("ZAVType",
                                                        "Guarda el documento activo\n"
                                                        "Guardar");
inline constexpr char kPromptReport[] =
    QT_TRANSLATE_NOOP("ZAVType", "Crea un informe de evaluación");
inline constexpr char kPromptSettings[] =
    QT_TRANSLATE_NOOP("ZAVType",
                      "Cambia la configuración de la aplicación\n"
                      "Configuración");
inline constexpr char kPromptFingers[] =
    QT_TRANSLATE_NOOP("ZAVType", "Muestra el dedo que pulsa la siguiente letra");
inline constexpr char kPromptStatistics[] = QT_TRANSLATE_NOOP("ZAVType",
                                                              "Abre el diálogo de estadística\n"
                                                              "Estadística");
inline constexpr char kPromptPrevious[] = QT_TRANSLATE_NOOP("ZAVType",
                                                            "Retrocede al ejercicio anterior\n"
                                                            "Ejercicio anterior");
inline constexpr char kPromptNext[] = QT_TRANSLATE_NOOP("ZAVType",
                                                        "Avanza al siguiente ejercicio\n"
                                                        "Siguiente ejercicio");
inline constexpr char kPromptRestart[] = QT_TRANSLATE_NOOP("ZAVType",
                                                           "Empieza este ejercicio otra vez\n"
                                                           "Reempezar");
inline constexpr char kPromptJump[] = QT_TRANSLATE_NOOP("ZAVType",
                                                        "Salta a otro ejercicio\n"
                                                        "Saltar");
inline constexpr char kPromptPractice[] = QT_TRANSLATE_NOOP("ZAVType",
                                                            "Practica mi combinación de letras\n"
                                                            "Practicar");
inline constexpr char kPromptAutoAdvance[] =
    QT_TRANSLATE_NOOP("ZAVType",
                      "Controla el avance automático entre ejercicios\n"
                      "Avance automático");
inline constexpr char kPromptSound[] = QT_TRANSLATE_NOOP("ZAVType", "Apaga / Enciende sonidos");
inline constexpr char kPromptHelp[] = QT_TRANSLATE_NOOP("ZAVType",
                                                        "Abre la ayuda\n"
                                                        "Ayuda");
// Only the English toolbar has the add-on's button.
inline constexpr char kPromptDrillPlus[] = QT_TRANSLATE_NOOP("ZAVType",
                                                             "Drill Plus\n"
                                                             "Launch ZAV Drill Plus");
// Status bar: the idle text of the first pane and the lock-key panes.
inline constexpr char kIdlePrompt[] =
    QT_TRANSLATE_NOOP("ZAVType", "¡Escriba la línea de arriba en el recuadro blanco!");
inline constexpr char kCapsPane[] = QT_TRANSLATE_NOOP("ZAVType", "CAP");
inline constexpr char kNumPane[] = QT_TRANSLATE_NOOP("ZAVType", "MAY");
// The report's save dialog.
inline constexpr char kReportFilter[] =
    QT_TRANSLATE_NOOP("ZAVType", "Archivos HTML (*.htm *.html)");
inline constexpr char kReportDefaultName[] = QT_TRANSLATE_NOOP("ZAVType", "informe");
inline constexpr char kReportCannotWrite[] =
    QT_TRANSLATE_NOOP("ZAVType", "No se puede escribir el informe %1.");
// The letters of a drill when there are none to practise; also the prompt of "&Mostrar consejos".
inline constexpr char kPromptTips[] =
    QT_TRANSLATE_NOOP("ZAVType", "Muestra consejos para este ejercicio");
// Before saving over a progress file that another program changed since it was opened or saved.
inline constexpr char kOverwriteChanged[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "El archivo %1 ha cambiado en el disco desde que se abrió o se guardó por última vez.\n"
    "¿Sobrescribirlo?");
inline constexpr char kAutoPane[] = QT_TRANSLATE_NOOP("ZAVType", "AUTO");
inline constexpr char kExercisePaneWidth[] =
    QT_TRANSLATE_NOOP("ZAVType", "Esta es dónde el nombre del ejercicio corriente es Mostrado");
inline constexpr char kTabHistory[] = QT_TRANSLATE_NOOP("ZAVType", "Historial");
inline constexpr char kTabSpeed[] = QT_TRANSLATE_NOOP("ZAVType", "Velocidad");
inline constexpr char kTabPrecision[] = QT_TRANSLATE_NOOP("ZAVType", "Precisión");
inline constexpr char kNothingToPractise[] = QT_TRANSLATE_NOOP("ZAVType",
                                                               "¡No hay letras para practicar!\n"
                                                               "Escriba algunas letras.");
// %1: the first character typed that the courses' character set (Windows-1252) lacks.
inline constexpr char kCharacterNotPractisable[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "El carácter «%1» no se puede practicar: no existe en el juego de caracteres de los cursos.");
inline constexpr char kNoSlowLetters[] =
    QT_TRANSLATE_NOOP("ZAVType",
                      "Todavía no hay letras lentas: cada letra necesita al menos 20 pulsaciones "
                      "en los últimos 30 días.");
inline constexpr char kCreateProcessFailed[] =
    QT_TRANSLATE_NOOP("ZAVType", "No se puede iniciar el programa %1.");
// Why a help viewer was given up; %1 is the system's reason.
inline constexpr char kHelpEnded[] =
    QT_TRANSLATE_NOOP("ZAVType", "El programa de ayuda terminó antes de responder.");
inline constexpr char kHelpUnreachable[] = QT_TRANSLATE_NOOP(
    "ZAVType", "El programa de ayuda no responde; deja de seguir los ejercicios.");
inline constexpr char kHelpNoPort[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "La ayuda no puede seguir los ejercicios: el tutor no pudo abrir su puerto de mensajes (%1).");

// The progress journal: why it cannot be used (%1 is its file).
inline constexpr char kJournalUnwritable[] =
    QT_TRANSLATE_NOOP("ZAVType", "No se puede escribir el diario de progreso %1.");
inline constexpr char kJournalFull[] = QT_TRANSLATE_NOOP(
    "ZAVType", "El disco está lleno: no se puede escribir el diario de progreso %1.");
inline constexpr char kJournalLocked[] =
    QT_TRANSLATE_NOOP("ZAVType", "Otro programa tiene bloqueado el diario de progreso %1.");
inline constexpr char kJournalNewer[] = QT_TRANSLATE_NOOP(
    "ZAVType",
    "El diario de progreso %1 es de una versión más reciente de ZAVType y no se modifica.");
inline constexpr char kJournalUnusable[] =
    QT_TRANSLATE_NOOP("ZAVType", "No se puede usar el diario de progreso %1.");
inline constexpr char kJournalSetAside[] =
    QT_TRANSLATE_NOOP("ZAVType",
                      "El diario de progreso %1 estaba dañado: se ha guardado aparte como %2 y se "
                      "empieza uno nuevo.");
inline constexpr char kJournalGoesOn[] =
    QT_TRANSLATE_NOOP("ZAVType", "ZAVType sigue sin diario; su progreso se guarda como siempre.");

}  // namespace zav::text

namespace zav::ui {

// The text in the interface language.
inline QString Tr(const char* source) {
    return QCoreApplication::translate("ZAVType", source);
}

}  // namespace zav::ui
