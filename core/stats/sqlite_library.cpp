#include "core/stats/sqlite_library.h"

#include <dlfcn.h>

#include <optional>

namespace zav {
namespace {

template <typename Function>
bool Find(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

std::optional<SqliteLibrary> Load() {
    // Kept open for the program's life: statements and databases hold its code.
    void* library = dlopen("libsqlite3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) return std::nullopt;
    SqliteLibrary s{};
    const bool found =
        Find(library, "sqlite3_open_v2", s.open_v2) && Find(library, "sqlite3_close", s.close) &&
        Find(library, "sqlite3_exec", s.exec) &&
        Find(library, "sqlite3_prepare_v2", s.prepare_v2) &&
        Find(library, "sqlite3_step", s.step) && Find(library, "sqlite3_reset", s.reset) &&
        Find(library, "sqlite3_finalize", s.finalize) &&
        Find(library, "sqlite3_bind_text", s.bind_text) &&
        Find(library, "sqlite3_bind_int", s.bind_int) &&
        Find(library, "sqlite3_bind_int64", s.bind_int64) &&
        Find(library, "sqlite3_bind_blob", s.bind_blob) &&
        Find(library, "sqlite3_column_int", s.column_int) &&
        Find(library, "sqlite3_column_int64", s.column_int64) &&
        Find(library, "sqlite3_column_text", s.column_text) &&
        Find(library, "sqlite3_column_bytes", s.column_bytes) &&
        Find(library, "sqlite3_last_insert_rowid", s.last_insert_rowid) &&
        Find(library, "sqlite3_extended_result_codes", s.extended_result_codes) &&
        Find(library, "sqlite3_extended_errcode", s.extended_errcode) &&
        Find(library, "sqlite3_busy_timeout", s.busy_timeout);
    if (!found) return std::nullopt;
    return s;
}

}  // namespace

const SqliteLibrary* Sqlite() {
    static const std::optional<SqliteLibrary> library = Load();
    return library ? &*library : nullptr;
}

}  // namespace zav
