#pragma once
// The page table of a course: which help page belongs to which exercise. A text of entries
// "number:name" (read like "%d:%s"): white space may stand before the number and after the
// colon, none between the number and the colon; the name ends at the first white space.
// An entry covers the exercises from its number up to the next entry's number minus one.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/course/text_encoding.h"

namespace zav {

struct CPageEntry {
    int first = 0;           // first exercise index the entry covers (never looked at for entry 0)
    std::string file;        // page file name relative to the help folder
    std::size_t offset = 0;  // where the entry begins in the table's text
};

struct CPageTable {
    static constexpr std::size_t kMaxEntries = 300;
    static constexpr std::size_t kMaxName = 127;

    std::vector<CPageEntry> entries;
    std::size_t end = 0;  // where reading stopped in the text
};

// Reads entries until the text ends, an entry does not match, or the table is full. A name
// longer than kMaxName is cut and the rest of it skipped; a number beyond int is clamped.
CPageTable ParsePageTable(std::string_view text);

// The table in a file, Windows-1252 or UTF-8 (told apart and converted as course files are).
// Nothing when the file cannot be opened, or when it is UTF-8 with a character that
// Windows-1252 lacks: that character is then put into `refused`, when given.
std::optional<CPageTable> LoadPageTable(const std::filesystem::path& path,
                                        CUnmappable* refused = nullptr);

// The page of the exercise: the last entry before the first one whose number exceeds the
// index (the scan stops there even if later numbers are smaller). Nothing for an empty table.
std::optional<std::string> SelectExercisePage(const CPageTable& table, int index);

}  // namespace zav
