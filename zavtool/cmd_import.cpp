// zavtool import FILE OUT: a course of KTouch written as a course file of this tutor, with a
// report of what did not come over.
#include <fstream>

#include "core/course/ktouch_import.h"
#include "core/course/textfile.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunImport(Args args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty())
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "uso: zavtool import ARCHIVO.xml SALIDA")));
    const std::string& in = args[0];
    const std::string& out = args[1];
    const auto xml = ReadBinaryFile(in);
    if (!xml) return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede leer %1"), {in}));
    const CImportedCourse course = ImportKTouchCourse(*xml);
    if (!course.error.empty()) return Fail(in + ": " + course.error);

    // A course already there may be a teacher's work: it is never overwritten.
    std::error_code error;
    if (std::filesystem::exists(out, error) || error)
        return Fail(out + " ya existe; elija otro nombre");
    {
        std::ofstream file(out, std::ios::binary);
        file << course.text;
        if (!file.flush()) {
            std::filesystem::remove(out, error);
            return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede escribir %1"), {out}));
        }
    }
    Say("«" + course.title + "»: " + std::to_string(course.lessons) + " lecciones, " +
        std::to_string(course.exercises) + " ejercicios en " + out + "\n");
    for (const CImportRefusal& r : course.refused) {
        Say("lección «" + r.lesson + "»" + (r.line ? ", línea " + std::to_string(r.line) : "") +
            ": " + r.character + " no existe en Windows-1252" +
            (r.line ? "; línea omitida\n" : "; queda «?» en el título\n"));
    }
    return 0;
}

}  // namespace zav::tool
