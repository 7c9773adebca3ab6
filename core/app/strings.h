#pragma once
// The tutor's own texts, kept together: Spanish as the user sees it, bytes of Windows-1252 where
// the core writes or compares them. Window code converts them at the edge.
//
// The file is saved as UTF-8; texts with characters above 127 that the core handles as bytes are
// spelled with \x escapes of their Windows-1252 codes.

namespace zav::text {

// Settings and start-up.
inline constexpr char kConfigMissing[] =
    "\xa1"
    "Error! No hay archivo de configuraci\xf3n. Por favor, reinstale ZAV Type.";
// %1: the file that is missing or unreadable.
inline constexpr char kImportantFileMissing[] =
    "No se encuentra o no se puede leer el archivo %1, necesario para ZAVType. El programa se "
    "cerrar\xe1.";

// Main window and start-up.
inline constexpr char kAppName[] = "ZAVType Espa\xf1ol";
inline constexpr char kOrganization[] = "Tallowmere Software";
inline constexpr char kWindowTitle[] = "ZAVType";
inline constexpr char kUntitled[] = "Sin t\xedtulo";
inline constexpr char kSavePrompt[] = "\xbfGuardar cambios a %1?";
inline constexpr char kProgressFilter[] = "Archivos ZAVTyp (*.zav)";
inline constexpr char kLoadCourseTitle[] = "Abrir otro curso";
inline constexpr char kCourseNotOpened[] =
    "No se puede abrir el archivo de curso %1. El curso y su progreso siguen como estaban.";
inline constexpr char kVersionLine[] = "ZAVType Version 1.40-es";
inline constexpr char kCommandLineHelp[] =
    "Uso: ZAVType [ARCHIVO.zav]\n"
    "Tutor de mecanograf\xed"
    "a. Con un archivo de progreso lo abre; sin \xe9l empieza un\n"
    "documento nuevo con el curso \"Default\".\n\n"
    "  -h, --help     muestra esta ayuda y termina\n"
    "  -v, --version  muestra la versi\xf3n y termina";
inline constexpr char kMenuFile[] = "&Archivo";
inline constexpr char kMenuNew[] = "&Nuevo\tCtrl+N";
inline constexpr char kMenuOpen[] = "&Abrir..\tCtrl+A";
inline constexpr char kMenuSave[] = "&Guardar\tCtrl+G";
inline constexpr char kMenuSaveAs[] = "Guardar c&omo";
inline constexpr char kMenuLoadCourse[] = "&Cargar curso";
inline constexpr char kMenuReport[] = "&Informe de evaluaci\xf3n";
inline constexpr char kMenuExit[] = "&Salir";
inline constexpr char kMenuView[] = "&Ver";
inline constexpr char kMenuToolbar[] = "Barra de &herramientas";
inline constexpr char kMenuStatusBar[] = "Barra de &estado";
inline constexpr char kMenuSettings[] = "&Configuraci\xf3n";
inline constexpr char kMenuFingers[] = "&Dedos..";
inline constexpr char kMenuStatistics[] = "Es&tad\xedstica";
inline constexpr char kMenuExercise[] = "&Ejercicio";
inline constexpr char kMenuPrevious[] = "&Anterior";
inline constexpr char kMenuNext[] = "&Siguiente";
inline constexpr char kMenuRestart[] = "&Reempezar";
inline constexpr char kMenuJump[] = "&Saltar a...";
inline constexpr char kMenuPractice[] = "&Practicar...";
inline constexpr char kMenuAutoAdvance[] = "&Avance autom\xe1tico";
inline constexpr char kMenuImprove[] = "&Mejorar";
inline constexpr char kMenuAboutDrillPlus[] = "Acerca de ZAV Drill &Plus";
inline constexpr char kMenuHelp[] = "&Ayuda";
inline constexpr char kMenuHelpPage[] = "&Ayuda";
inline constexpr char kToolBarTitle[] = "Barra de herramientas";
inline constexpr char kExerciseBarTitle[] = "Barra del ejercicio";
inline constexpr char kLettersBarTitle[] = "Barra de letras";
inline constexpr char kMenuTips[] = "&Mostrar consejos";
inline constexpr char kMenuAbout[] = "&Acerca de";
inline constexpr char kMenuWebSite[] = "Sitio &Internet de ZAV Type";
// Command prompts: the status-bar text, then after a line break the tooltip, if any.
inline constexpr char kPromptNew[] = "Crea un nuevo documento\nNuevo";
inline constexpr char kPromptOpen[] = "Abre un documento ya existente\nAbrir";
inline constexpr char kPromptSave[] = "Guarda el documento activo\nGuardar";
inline constexpr char kPromptReport[] = "Crea un informe de evaluaci\xf3n";
inline constexpr char kPromptSettings[] =
    "Cambia la configuraci\xf3n de la aplicaci\xf3n\nConfiguraci\xf3n";
inline constexpr char kPromptFingers[] = "Muestra el dedo que pulsa la siguiente letra";
inline constexpr char kPromptStatistics[] = "Abre el di\xe1logo de estad\xedstica\nEstad\xedstica";
inline constexpr char kPromptPrevious[] = "Retrocede al ejercicio anterior\nEjercicio anterior";
inline constexpr char kPromptNext[] = "Avanza al siguiente ejercicio\nSiguiente ejercicio";
inline constexpr char kPromptRestart[] = "Empieza este ejercicio otra vez\nReempezar";
inline constexpr char kPromptJump[] = "Salta a otro ejercicio\nSaltar";
inline constexpr char kPromptPractice[] = "Practica mi combinaci\xf3n de letras\nPracticar";
inline constexpr char kPromptAutoAdvance[] =
    "Controla el avance autom\xe1tico entre ejercicios\nAvance autom\xe1tico";
inline constexpr char kPromptSound[] = "Apaga / Enciende sonidos";
inline constexpr char kPromptHelp[] = "Abre la ayuda\nAyuda";
// Only the English toolbar has the add-on's button.
inline constexpr char kPromptDrillPlus[] = "Drill Plus\nLaunch ZAV Drill Plus";
// Status bar: the idle text of the first pane and the lock-key panes.
inline constexpr char kIdlePrompt[] =
    "\xa1"
    "Escriba la l\xednea de arriba en el recuadro blanco!";
inline constexpr char kCapsPane[] = "CAP";
inline constexpr char kNumPane[] = "MAY";
// The report's save dialog.
inline constexpr char kReportFilter[] = "Archivos HTML (*.htm *.html)";
inline constexpr char kReportDefaultName[] = "informe";
inline constexpr char kReportCannotWrite[] = "No se puede escribir el informe %1.";

// Progress document.
inline constexpr char kUnexpectedFormat[] = "Formato de archivo no esperado.";
// The letters of a drill when there are none to practise; also the prompt of "&Mostrar consejos".
inline constexpr char kPromptTips[] = "Muestra consejos para este ejercicio";
inline constexpr char kDrillFallback[] = "Muestra consejos para este ejercicio";
inline constexpr char kAccessDenied[] = "Acceso denegado a %1.";
inline constexpr char kCannotOpenDocument[] = "Imposible abrir documento.";
inline constexpr char kCannotSaveDocument[] = "Imposible guardar documento.";
// Before saving over a progress file that another program changed since it was opened or saved.
inline constexpr char kOverwriteChanged[] =
    "El archivo %1 ha cambiado en el disco desde que se abri\xf3 o se guard\xf3 "
    "por \xfaltima vez.\n\xbfSobrescribirlo?";

// Typing view.
inline constexpr char kCourseCaption[] = "Ec %d: '%s' %d de %d";
inline constexpr char kProblemLettersCaption[] = "Ejercicio con sus letras problem\xe1ticas";
inline constexpr char kLettersInOrderCaption[] = "Ejercicio libre";
inline constexpr char kRandomLettersCaption[] = "Ejercicio de letras aleatorias";
inline constexpr char kSlowLettersCaption[] = "Ejercicio con sus letras lentas";
inline constexpr char kAutoPane[] = "AUTO";
inline constexpr char kExercisePaneWidth[] =
    "Esta es d\xf3nde el nombre del ejercicio corriente es Mostrado";

// Statistics and report.
inline constexpr char kGradeBien[] = "Bien";
inline constexpr char kGradeRegular[] = "Regular";
inline constexpr char kGradeMal[] = "Mal";
inline constexpr char kRowError[] = "ERROR";
// The statistics graphs: the history table's header and the speed tab's caption.
inline constexpr char kHistoryHeader[] = "Ec\terrs\ttiempo\t%err\tppm\tlpm\tErrs";
inline constexpr char kSpeedCaption[] = "Palabras por minuto (total)";
inline constexpr char kTabHistory[] = "Historial";
inline constexpr char kTabSpeed[] = "Velocidad";
inline constexpr char kTabPrecision[] = "Precisi\xf3n";
// The evaluation report's pieces, in the order they are written.
inline constexpr char kReportHead[] =
    "<html><head><title>ZAV Type : Informe de Evaluaci\xf3n</title></head>"
    "<body bgcolor=#ffffff><h2>ZAV Type : Informe de Evaluaci\xf3n</h2>";
inline constexpr char kReportNames[] =
    "<table><tr><td>Nombre:</td><td>%s</td><tr>\n"
    "<tr><td>Nombre de curso:</td><td>%s</td></tr></table>";
inline constexpr char kReportTurnsHead[] =
    "<h2>Ejercicios</h2><table border=1>"
    "<tr><td bgcolor=#eeeeee><b>Ejercicio</b></td><td bgcolor=#eeeeee><b>Errores</b></td>"
    "<td bgcolor=#eeeeee><b>Duraci&oacute;n</b></td><td bgcolor=#eeeeee><b>% err</b></td>"
    "<td bgcolor=#eeeeee><b>ppm</b></td><td bgcolor=#eeeeee><b>lpm</b></td>"
    "<td bgcolor=#eeeeee><b>Errores</b></td></tr>";
inline constexpr char kReportTurnsEnd[] = "</table>";
inline constexpr char kReportTotalDuration[] = "Duraci&oacute;n en total: %dh %dm %2.2fs";
inline constexpr char kReportSpeeds[] =
    "<table><tr><td>Palabras por minuto:</td>"
    "<td>\xdaltimas 20: %3.1f<br>\xdaltimas 100: %3.1f<br>Total: %3.1f</td></tr></table>";
inline constexpr char kReportGrades[] =
    "<table><tr><td align=\"top\">Precis&oacute;n de ejercicios:</td>"
    "<td>Bien: %d<br>Regular: %d<br>Mal: %d</td></tr></table>";
inline constexpr char kReportLettersHead[] =
    "<h2>Precisi&oacute;n por letras</h2><table border=1>"
    "<tr><td bgcolor=#eeeeee><b>Letra</b></td><td bgcolor=#eeeeee><b>Veces</b></td>"
    "<td bgcolor=#eeeeee><b>%err</b></td></tr>";
inline constexpr char kReportLettersEnd[] = "</table>";
inline constexpr char kReportEnd[] = "</body></html>";

// Dialogs.
inline constexpr char kEnterInteger[] = "Introduzca un n\xfamero entero.";
inline constexpr char kEnterIntegerRange[] = "Introduzca un n\xfamero entero entre %d y %d.";
inline constexpr char kNothingToPractise[] =
    "\xa1No hay letras para practicar!\nEscriba algunas letras.";
// %1: the first character typed that the courses' character set (Windows-1252) lacks.
inline constexpr char kCharacterNotPractisable[] =
    "El car\xe1"
    "cter \xab%1\xbb no se puede practicar: no existe en el juego de caracteres de "
    "los cursos.";
inline constexpr char kNoSlowLetters[] =
    "Todav\xed"
    "a no hay letras lentas: cada letra necesita al menos 20 pulsaciones en los "
    "\xfaltimos 30 d\xed"
    "as.";

// Companion programs.
inline constexpr char kHelpViewerProgram[] = "ZAVTHelp";
inline constexpr char kCreateProcessFailed[] = "No se puede iniciar el programa %1.";
// The add-on lies in a sibling folder of the tutor's folder.
inline constexpr char kAddOnFolder[] = "ZAV Drill Plus";
inline constexpr char kAddOnProgram[] = "DrillPlus";
inline constexpr char kUpgradePage[] = "help/upgrade.htm";
// The project's own page, shipped with the help: what "Sitio Internet" opens.
inline constexpr char kProjectPage[] = "help/proyecto.htm";
// Why a help viewer was given up; %1 is the system's reason.
inline constexpr char kHelpEnded[] = "El programa de ayuda termin\xf3 antes de responder.";
inline constexpr char kHelpUnreachable[] =
    "El programa de ayuda no responde; deja de seguir los ejercicios.";
inline constexpr char kHelpNoPort[] =
    "La ayuda no puede seguir los ejercicios: el tutor no pudo abrir su puerto de mensajes "
    "(%1).";

}  // namespace zav::text
