// zavtool: a command-line companion over the tutor's core, for course authors and teachers.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "zavtool/commands.h"
#include "zavtool/help_texts.h"

namespace {

using namespace zav::tool;

struct Command {
    std::string_view name;
    std::string_view usage;
    CommandFn run;
};

// One line per command; the usage line is in the interface language.
constexpr Command kCommands[] = {
    {"config",
     QT_TRANSLATE_NOOP(
         "zavtool", "config CARPETA                 configuración efectiva de CARPETA/config.txt"),
     RunConfig},
    {"course",
     QT_TRANSLATE_NOOP("zavtool",
                       "course CURSO                   secciones y ejercicios de un curso"),
     RunCourse},
    {"check",
     QT_TRANSLATE_NOOP("zavtool",
                       "check CURSO [--fingers ARCHIVO] [--help CARPETA]   revisa un curso"),
     RunCheck},
    {"import",
     QT_TRANSLATE_NOOP("zavtool", "import ARCHIVO.xml SALIDA       convierte un curso de KTouch"),
     RunImport},
    {"new",
     QT_TRANSLATE_NOOP(
         "zavtool",
         "new SALIDA.zav [--config CARPETA] [--course CURSO]   progreso de un documento nuevo"),
     RunNew},
    {"progress",
     QT_TRANSLATE_NOOP(
         "zavtool",
         "progress ARCHIVO.zav [--config CARPETA]   un archivo de progreso y sus cifras"),
     RunProgress},
    {"drill",
     QT_TRANSLATE_NOOP(
         "zavtool",
         "drill [--fingers ARCHIVO] [--layout N] [--extra] [--count N] LETRAS   prácticas"),
     RunDrill},
    {"report",
     QT_TRANSLATE_NOOP("zavtool",
                       "report ARCHIVO.zav SALIDA.html [--config CARPETA]   informe de evaluación"),
     RunReport},
    {"pages",
     QT_TRANSLATE_NOOP("zavtool",
                       "pages TABLA ÍNDICE...           página de ayuda de cada ejercicio"),
     RunPages},
    {"journal",
     QT_TRANSLATE_NOOP(
         "zavtool",
         "journal [ARCHIVO.zav] [--since FECHA] [--csv] [--keys] [--journal RUTA]   días o teclas"),
     RunJournal},
};

void PrintHelp(std::FILE* to) {
    std::string help = Tr(QT_TRANSLATE_NOOP(
        "zavtool",
        "uso: zavtool ORDEN [ARGUMENTOS]\nayuda de una orden: zavtool help ORDEN\n\nórdenes:\n"));
    for (const auto& command : kCommands) {
        help += "  ";
        help += Tr(command.usage.data());
        help += "\n";
    }
    (to == stdout ? Say : SayError)(help);
}

// zavtool help COMMAND: the command's page, the same text as in the manual page.
int PrintCommandHelp(std::string_view name) {
    for (const auto& help : kCommandHelp) {
        if (help.name == name) {
            std::fwrite(help.text.data(), 1, help.text.size(), stdout);
            return 0;
        }
    }
    return Fail(
        Tr(QT_TRANSLATE_NOOP("zavtool", "no hay ayuda de «%1» (zavtool --help lista las órdenes)"),
           {name}));
}

}  // namespace

int main(int argc, char** argv) {
    ReadTerminalEncoding();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintHelp(stderr);
        return 1;
    }
    if (args[0] == "help" && args.size() == 2) return PrintCommandHelp(args[1]);
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const auto& command : kCommands) {
        if (args[0] == command.name) {
            return command.run(Args(args).subspan(1));
        }
    }
    Fail(Tr(
        QT_TRANSLATE_NOOP("zavtool", "orden desconocida «%1» (zavtool --help lista las órdenes)"),
        {args[0]}));
    return 1;
}
