// zavtool pages TABLE INDEX...: the help page the viewer chooses for each exercise index.
#include <charconv>

#include "core/help/page_table.h"
#include "zavtool/commands.h"

namespace zav::tool {

int RunPages(Args args) {
    if (args.size() < 2)
        return Fail(Tr(QT_TRANSLATE_NOOP("zavtool", "uso: zavtool pages TABLA ÍNDICE...")));
    std::vector<int> indices;
    for (const auto& arg : args.subspan(1)) {
        int index = 0;
        const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), index);
        if (ec != std::errc() || end != arg.data() + arg.size()) {
            return Fail(
                Tr(QT_TRANSLATE_NOOP("zavtool", "no es un índice de ejercicio: %1"), {arg}));
        }
        indices.push_back(index);
    }
    CUnmappable refused;
    const auto table = LoadPageTable(args[0], &refused);
    if (refused.line > 0) {
        return Fail(args[0] + ", línea " + std::to_string(refused.line) + ": " +
                    DescribeUnmappable(refused) + " no existe en Windows-1252");
    }
    if (!table)
        return Fail(
            Tr(QT_TRANSLATE_NOOP("zavtool", "no se puede leer la tabla de páginas %1"), {args[0]}));
    for (int index : indices) Out(SelectExercisePage(*table, index).value_or("-") + "\n");
    return 0;
}

}  // namespace zav::tool
