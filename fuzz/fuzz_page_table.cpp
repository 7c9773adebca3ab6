// A course's help page table: at most 300 entries, each name one word of at most 127
// characters, and the page chosen for any exercise is one of the table's names.
#include <climits>
#include <string>

#include "core/help/page_table.h"
#include "fuzz/check.h"

namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const zav::CPageTable table = zav::ParsePageTable(zav::fuzz::Bytes(data, size));
    ZAV_CHECK(table.entries.size() <= zav::CPageTable::kMaxEntries);
    for (const auto& entry : table.entries) {
        ZAV_CHECK(entry.file.size() <= zav::CPageTable::kMaxName);
        for (char c : entry.file) ZAV_CHECK(c != '\0' && !IsSpace(c));
    }

    for (int index : {INT_MIN, -1, 0, 1, 50, 299, 300, INT_MAX}) {
        const auto page = zav::SelectExercisePage(table, index);
        ZAV_CHECK(page.has_value() == !table.entries.empty());
        if (!page) continue;
        bool inTable = false;
        for (const auto& entry : table.entries) inTable = inTable || entry.file == *page;
        ZAV_CHECK(inTable);
    }
    return 0;
}
