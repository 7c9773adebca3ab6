#include "core/help/page_table_check.h"

#include <algorithm>
#include <string>

#include "core/course/text_encoding.h"
#include "core/help/page_table.h"

namespace zav {
namespace {

int LineAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

}  // namespace

std::vector<CCheckFinding> CheckPageTable(std::string_view bytes, int exerciseCount,
                                          const std::filesystem::path& helpFolder) {
    std::vector<CCheckFinding> out;
    auto error = [&out](int line, std::string message) {
        out.push_back({line, CheckSeverity::kError, std::move(message)});
    };
    const CDecodedText decoded = DecodeText(bytes);
    for (const CUnmappable& c : decoded.unmappable)
        error(c.line, DescribeUnmappable(c) + " no existe en Windows-1252: la tabla no se lee");
    if (!decoded.unmappable.empty()) return out;

    const std::string_view text = decoded.text;
    const CPageTable table = ParsePageTable(text);
    if (table.entries.empty()) error(0, "la tabla no tiene ninguna entrada «número:página»");
    for (std::size_t k = 0; k < table.entries.size(); ++k) {
        const CPageEntry& entry = table.entries[k];
        const int line = LineAt(text, entry.offset);
        if (k > 0 && entry.first <= table.entries[k - 1].first) {
            error(line, "el número " + std::to_string(entry.first) +
                            " no es mayor que el de la entrada anterior (" +
                            std::to_string(table.entries[k - 1].first) +
                            "): el visor deja de buscar antes");
        }
        if (k > 0 && entry.first >= exerciseCount) {
            out.push_back({line, CheckSeverity::kWarning,
                           "el ejercicio " + std::to_string(entry.first) +
                               " no existe: el curso tiene " + std::to_string(exerciseCount) +
                               " (se cuentan desde 0)"});
        }
        std::error_code failed;
        if (!std::filesystem::is_regular_file(helpFolder / Utf8FromCp1252(entry.file), failed))
            error(line, "no existe la página " + Utf8FromCp1252(entry.file));
    }
    if (table.end < text.size()) {
        error(LineAt(text, table.end),
              table.entries.size() == CPageTable::kMaxEntries
                  ? "más de " + std::to_string(CPageTable::kMaxEntries) +
                        " entradas: el visor no lee las demás"
                  : std::string("esto no es una entrada «número:página»: el visor no lee "
                                "nada desde aquí"));
    }
    return out;
}

}  // namespace zav
