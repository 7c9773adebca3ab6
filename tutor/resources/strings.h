#pragma once
// The tutor's own texts, kept together: Spanish as the user sees it, bytes of Windows-1252 where
// the core writes or compares them. Window code converts them at the edge.
//
// The file is saved as UTF-8; texts with characters above 127 that the core handles as bytes are
// spelled with \x escapes of their Windows-1252 codes.

namespace zav::text {

// Settings and start-up.
inline constexpr char kConfigMissing[] =
    "\xa1" "Error! No hay archivo de configuracion. Por favor reinstallar ZAV Type.";
inline constexpr char kImportantFileMissing[] =
    "Could not find an important file - ZAVType will exit now";

// Progress document.
inline constexpr char kUnexpectedFormat[] = "Formato de archivo no esperado.";
// The letters of a drill when there are none to practise; also the prompt of "&Mostrar consejos".
inline constexpr char kDrillFallback[] = "Muestra consejos para este ejercicio";
inline constexpr char kAccessDenied[] = "Acceso denegado a %1.";
inline constexpr char kCannotOpenDocument[] = "Imposible abrir documento.";
inline constexpr char kCannotSaveDocument[] = "Imposible guardar documento.";

// Typing view.
inline constexpr char kCourseCaption[] = "Ec %d: '%s' %d de %d";
inline constexpr char kProblemLettersCaption[] = "Ejercicio con sus letras problem\xe1ticas";
inline constexpr char kLettersInOrderCaption[] = "Ejercicio libre";
inline constexpr char kRandomLettersCaption[] = "Ejercicio de letras aleatorias";
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
inline constexpr char kSpeedCaption[] = "Palabras Por Minuto (total)";

// Dialogs.
inline constexpr char kEnterInteger[] = "Introduzca un n\xfamero entero.";
inline constexpr char kEnterIntegerRange[] = "Introduzca un n\xfamero entero entre %d y %d.";
inline constexpr char kNothingToPractise[] = "\xa1No hay letras por practicar!\n Entra algunas letras";

// Companion programs.

}  // namespace zav::text
