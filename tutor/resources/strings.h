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
inline constexpr char kAccessDenied[] = "Acceso denegado a %1.";
inline constexpr char kCannotOpenDocument[] = "Imposible abrir documento.";
inline constexpr char kCannotSaveDocument[] = "Imposible guardar documento.";

// Typing view.

// Statistics and report.
inline constexpr char kGradeBien[] = "Bien";
inline constexpr char kGradeRegular[] = "Regular";
inline constexpr char kGradeMal[] = "Mal";
inline constexpr char kRowError[] = "ERROR";

// Dialogs.

// Companion programs.

}  // namespace zav::text
