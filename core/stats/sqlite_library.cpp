#include "core/stats/sqlite_library.h"

#include <optional>

#include "core/app/shared_library.h"

namespace zav {
namespace {

std::optional<SqliteLibrary> Load() {
    static const CSharedLibrary library("libsqlite3.so.0");
    SqliteLibrary s{};
    const bool found =
        library.Find("sqlite3_open_v2", s.open_v2) && library.Find("sqlite3_close", s.close) &&
        library.Find("sqlite3_exec", s.exec) && library.Find("sqlite3_prepare_v2", s.prepare_v2) &&
        library.Find("sqlite3_step", s.step) && library.Find("sqlite3_reset", s.reset) &&
        library.Find("sqlite3_finalize", s.finalize) &&
        library.Find("sqlite3_bind_text", s.bind_text) &&
        library.Find("sqlite3_bind_int", s.bind_int) &&
        library.Find("sqlite3_bind_int64", s.bind_int64) &&
        library.Find("sqlite3_bind_blob", s.bind_blob) &&
        library.Find("sqlite3_column_int", s.column_int) &&
        library.Find("sqlite3_column_int64", s.column_int64) &&
        library.Find("sqlite3_column_text", s.column_text) &&
        library.Find("sqlite3_column_bytes", s.column_bytes) &&
        library.Find("sqlite3_last_insert_rowid", s.last_insert_rowid) &&
        library.Find("sqlite3_extended_result_codes", s.extended_result_codes) &&
        library.Find("sqlite3_extended_errcode", s.extended_errcode) &&
        library.Find("sqlite3_busy_timeout", s.busy_timeout);
    if (!found) return std::nullopt;
    return s;
}

}  // namespace

const SqliteLibrary* Sqlite() {
    static const std::optional<SqliteLibrary> library = Load();
    return library ? &*library : nullptr;
}

}  // namespace zav
