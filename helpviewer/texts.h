#pragma once
// The help viewer's own texts, as the user sees them in Spanish, the source language (UTF-8).
// The interface texts are marked for Qt Linguist in the context "ZAVTHelp" and shown through
// Tr(), in the interface language (translations/zavtype_en.ts).
#include <QCoreApplication>
#include <QString>

namespace zav::help_text {

inline constexpr char kProgramName[] = "ZAVTHelp";
inline constexpr char kUntitled[] = QT_TRANSLATE_NOOP("ZAVTHelp", "Sin título");
inline constexpr char kVersion[] = "ZAVTHelp Version 1.0";

inline constexpr char kMenuHelp[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Ayuda");
inline constexpr char kMenuGo[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Ir");
inline constexpr char kAbout[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Acerca de ZAVType Help");
inline constexpr char kBack[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Anterior");
inline constexpr char kForward[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Siguiente");
inline constexpr char kContents[] = QT_TRANSLATE_NOOP("ZAVTHelp", "Contenido");
inline constexpr char kExerciseHelp[] = QT_TRANSLATE_NOOP("ZAVTHelp", "&Ayuda de este ejercicio");

inline constexpr char kNoPageTable[] =
    QT_TRANSLATE_NOOP("ZAVTHelp", "ZAVType no puede acceder a la información de este ejercicio");

inline constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "ZAVTHelp",
    "Uso: ZAVTHelp [--trace ARCHIVO]\n"
    "Muestra las páginas de ayuda de ZAVType (carpeta \"help\" junto al programa).\n"
    "ZAVType lo abre y le indica el ejercicio en pantalla.\n\n"
    "  --trace ARCHIVO  anota en ARCHIVO cada página mostrada y cada mensaje, en lugar de\n"
    "                   mostrar los mensajes (para pruebas)\n"
    "  --help           muestra esta ayuda\n"
    "  --version        muestra la versión\n");

// The text in the interface language.
inline QString Tr(const char* source) {
    return QCoreApplication::translate("ZAVTHelp", source);
}

}  // namespace zav::help_text
