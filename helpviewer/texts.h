#pragma once
// The help viewer's own texts, kept together, as the user sees them (UTF-8 source).

namespace zav::help_text {

inline constexpr char kProgramName[] = "ZAVTHelp";
inline constexpr char kUntitled[] = "Sin título";
inline constexpr char kVersion[] = "ZAVTHelp Version 1.0";

inline constexpr char kMenuHelp[] = "&Ayuda";
inline constexpr char kMenuGo[] = "&Ir";
inline constexpr char kAbout[] = "&Acerca de ZAVType Help";
inline constexpr char kBack[] = "&Anterior";
inline constexpr char kForward[] = "&Siguiente";
inline constexpr char kContents[] = "Contenido";
inline constexpr char kExerciseHelp[] = "&Ayuda de este ejercicio";

inline constexpr char kNoPageTable[] =
    "ZAVType no puede acceder a la información de este ejercicio";

inline constexpr char kUsage[] =
    "Uso: ZAVTHelp [--trace ARCHIVO]\n"
    "Muestra las páginas de ayuda de ZAVType (carpeta \"help\" junto al programa).\n"
    "ZAVType lo abre y le indica el ejercicio en pantalla.\n\n"
    "  --trace ARCHIVO  anota en ARCHIVO cada página mostrada y cada mensaje, en lugar de\n"
    "                   mostrar los mensajes (para pruebas)\n"
    "  --help           muestra esta ayuda\n"
    "  --version        muestra la versión\n";

}  // namespace zav::help_text
