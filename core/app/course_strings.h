#pragma once
// Why a course, page table or import is refused. These are messages only, never written to a
// file, so they are kept in UTF-8; %1 stands for the file, %2 for a line, %3 for a character.
// Those that the windows show as they stand are marked for Qt Linguist and translated there; the
// macro is Qt's own spelling, so that lupdate finds them while the core stays free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace zav::text {

inline constexpr char kCourseUnreadable[] = "No se puede abrir el archivo de curso %1.";
inline constexpr char kCourseKept[] =
    QT_TRANSLATE_NOOP("ZAVType", "El curso y su progreso siguen como estaban.");
inline constexpr char kCourseBinary[] =
    "El archivo %1 no es un curso: contiene bytes nulos, como un programa o una imagen.";
inline constexpr char kCourseWithoutExercises[] =
    "El curso %1 no tiene ningún ejercicio (una línea terminada en un salto de línea que no "
    "empiece con un tabulador).";
inline constexpr char kCourseUnmappable[] =
    "El curso %1 no se puede cargar: en la línea %2, el carácter %3 no se puede escribir con "
    "el juego de caracteres del tutor (Windows-1252).";
inline constexpr char kPageTableUnmappable[] = QT_TRANSLATE_NOOP(
    "ZAVTHelp",
    "La tabla de páginas %1 no se puede leer: en la línea %2, el carácter %3 no existe en "
    "Windows-1252.");

}  // namespace zav::text
