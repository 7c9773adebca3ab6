#pragma once
// The texts the core writes into files, compares or hands on as bytes: Windows-1252, as they are
// written. The windows' own texts are translatable and live in tutor/texts.h.
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
inline constexpr char kVersionLine[] = "ZAVType Version 1.40-es";

// Progress document.
inline constexpr char kUnexpectedFormat[] = "Formato de archivo no esperado.";
// The letters of a drill when there are none to practise.
inline constexpr char kDrillFallback[] = "Muestra consejos para este ejercicio";
inline constexpr char kAccessDenied[] = "Acceso denegado a %1.";
inline constexpr char kCannotOpenDocument[] = "Imposible abrir documento.";
inline constexpr char kCannotSaveDocument[] = "Imposible guardar documento.";

// Typing view.
inline constexpr char kCourseCaption[] = "Ec %d: '%s' %d de %d";
inline constexpr char kProblemLettersCaption[] = "Ejercicio con sus letras problem\xe1ticas";
inline constexpr char kLettersInOrderCaption[] = "Ejercicio libre";
inline constexpr char kRandomLettersCaption[] = "Ejercicio de letras aleatorias";
inline constexpr char kSlowLettersCaption[] = "Ejercicio con sus letras lentas";

// Statistics and report.
inline constexpr char kGradeBien[] = "Bien";
inline constexpr char kGradeRegular[] = "Regular";
inline constexpr char kGradeMal[] = "Mal";
inline constexpr char kRowError[] = "ERROR";
// The statistics graphs: the history table's header and the speed tab's caption.
inline constexpr char kHistoryHeader[] = "Ec\terrs\ttiempo\t%err\tppm\tlpm\tErrs";
inline constexpr char kSpeedCaption[] = "Palabras por minuto (total)";
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

// Companion programs.
inline constexpr char kHelpViewerProgram[] = "ZAVTHelp";
// The add-on lies in a sibling folder of the tutor's folder.
inline constexpr char kAddOnFolder[] = "ZAV Drill Plus";
inline constexpr char kAddOnProgram[] = "DrillPlus";
inline constexpr char kUpgradePage[] = "help/upgrade.htm";
// The project's own page, shipped with the help: what "Sitio Internet" opens.
inline constexpr char kProjectPage[] = "help/proyecto.htm";

}  // namespace zav::text
