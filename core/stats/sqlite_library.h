#pragma once
// SQLite, loaded when the journal is first opened rather than with the program: the tutor's
// first window neither waits for the library nor keeps its pages until a turn is kept.
#include <sqlite3.h>

namespace zav {

// The functions of SQLite the journal calls.
struct SqliteLibrary {
    decltype(&sqlite3_open_v2) open_v2;
    decltype(&sqlite3_close) close;
    decltype(&sqlite3_exec) exec;
    decltype(&sqlite3_prepare_v2) prepare_v2;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_reset) reset;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_bind_text) bind_text;
    decltype(&sqlite3_bind_int) bind_int;
    decltype(&sqlite3_bind_int64) bind_int64;
    decltype(&sqlite3_bind_blob) bind_blob;
    decltype(&sqlite3_column_int) column_int;
    decltype(&sqlite3_column_int64) column_int64;
    decltype(&sqlite3_column_text) column_text;
    decltype(&sqlite3_column_bytes) column_bytes;
    decltype(&sqlite3_last_insert_rowid) last_insert_rowid;
    decltype(&sqlite3_extended_result_codes) extended_result_codes;
    decltype(&sqlite3_extended_errcode) extended_errcode;
    decltype(&sqlite3_busy_timeout) busy_timeout;
};

// The library, loaded on the first call; null when it or one of its functions is missing.
const SqliteLibrary* Sqlite();

// The loaded library, for code that holds a database or statement and so knows it is there.
inline const SqliteLibrary& Sql() {
    return *Sqlite();
}

}  // namespace zav
