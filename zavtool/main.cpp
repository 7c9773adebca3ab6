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

// One line per command.
constexpr Command kCommands[] = {
    {"config", "config CARPETA                 configuración efectiva de CARPETA/config.txt",
     RunConfig},
    {"course", "course CURSO                   secciones y ejercicios de un curso", RunCourse},
    {"check", "check CURSO [--fingers ARCHIVO] [--help CARPETA]   revisa un curso", RunCheck},
    {"import", "import ARCHIVO.xml SALIDA       convierte un curso de KTouch", RunImport},
    {"new", "new SALIDA.zav [--config CARPETA] [--course CURSO]   progreso de un documento nuevo",
     RunNew},
    {"progress", "progress ARCHIVO.zav [--config CARPETA]   un archivo de progreso y sus cifras",
     RunProgress},
    {"drill", "drill [--fingers ARCHIVO] [--layout N] [--extra] [--count N] LETRAS   prácticas",
     RunDrill},
    {"report", "report ARCHIVO.zav SALIDA.html [--config CARPETA]   informe de evaluación",
     RunReport},
    {"pages", "pages TABLA ÍNDICE...           página de ayuda de cada ejercicio", RunPages},
    {"journal",
     "journal [ARCHIVO.zav] [--since FECHA] [--csv] [--keys] [--journal RUTA]   días o teclas",
     RunJournal},
};

void PrintHelp(std::FILE* to) {
    std::string help =
        "uso: zavtool ORDEN [ARGUMENTOS]\nayuda de una orden: zavtool help ORDEN\n\nórdenes:\n";
    for (const auto& command : kCommands) {
        help += "  ";
        help += command.usage;
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
    return Fail("no hay ayuda de «" + std::string(name) + "» (zavtool --help lista las órdenes)");
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
    Fail("orden desconocida «" + args[0] + "» (zavtool --help lista las órdenes)");
    return 1;
}
