#include "core/stats/journal.h"

#include <chrono>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "core/stats/sqlite_library.h"

namespace zav {
namespace {

// Turns and their keys. Times are UTC text, which SQLite's date functions read; strings are
// stored as the tutor holds them (error letters are Windows-1252 bytes, hence a blob).
const std::vector<const char*> kMigrations = {
    // 0 → 1: the turns.
    "CREATE TABLE turns("
    " id INTEGER PRIMARY KEY,"
    " time TEXT NOT NULL,"
    " document TEXT NOT NULL,"
    " course TEXT NOT NULL,"
    " exercise INTEGER NOT NULL,"
    " kind INTEGER NOT NULL,"
    " letters INTEGER NOT NULL,"
    " errors INTEGER NOT NULL,"
    " duration INTEGER NOT NULL,"
    " words INTEGER NOT NULL,"
    " error_letters BLOB NOT NULL);",
    // 1 → 2: the speed of every key of a turn.
    "CREATE TABLE turn_keys("
    " turn INTEGER NOT NULL REFERENCES turns(id) ON DELETE CASCADE,"
    " code INTEGER NOT NULL,"
    " correct INTEGER NOT NULL,"
    " timed INTEGER NOT NULL,"
    " ms INTEGER NOT NULL,"
    " PRIMARY KEY(turn, code)) WITHOUT ROWID;",
    // 2 → 3: a document's turns in time order, for the charts.
    "CREATE INDEX turns_by_document ON turns(document, time);",
};

bool Damaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

JournalStatus Classify(int code) {
    switch (code & 0xff) {
        case SQLITE_FULL:
            return JournalStatus::Full;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return JournalStatus::Locked;
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return JournalStatus::Unwritable;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return JournalStatus::SetAside;
        default:
            return JournalStatus::Failed;
    }
}

int Exec(sqlite3* db, const char* sql) {
    return Sql().exec(db, sql, nullptr, nullptr, nullptr);
}

int ReadVersion(sqlite3* db, int& version) {
    sqlite3_stmt* query = nullptr;
    int code = Sql().prepare_v2(db, "PRAGMA user_version;", -1, &query, nullptr);
    if (code == SQLITE_OK && (code = Sql().step(query)) == SQLITE_ROW) {
        version = Sql().column_int(query, 0);
        code = SQLITE_OK;
    }
    Sql().finalize(query);
    return code;
}

// WAL lets readers and one writer work side by side; NORMAL syncs at checkpoints only, so a turn's
// commit costs no disk flush and a crash can lose at most the last turns, never the journal.
// The switch needs the file to itself and SQLite does not wait for it: when a second tutor opens a
// new journal while the first is switching it, it waits here until it reads the file as WAL.
int SwitchToWal(sqlite3* db, int busyMilliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(busyMilliseconds);
    int code = Exec(db, "PRAGMA journal_mode=WAL;");
    while ((code & 0xff) == SQLITE_BUSY && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        // A read tells the connection that another one has switched the file already.
        int version = 0;
        if ((code = ReadVersion(db, version)) == SQLITE_OK)
            code = Exec(db, "PRAGMA journal_mode=WAL;");
    }
    return code;
}

std::string TimeText(std::time_t time, bool utc, const char* format) {
    std::tm parts{};
    if (utc)
        gmtime_r(&time, &parts);
    else
        localtime_r(&time, &parts);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &parts));
}

}  // namespace

std::string JournalUtcText(std::time_t time) {
    return TimeText(time, true, "%Y-%m-%d %H:%M:%S");
}

std::string JournalLocalDate(std::time_t time) {
    return TimeText(time, false, "%Y-%m-%d");
}

const std::vector<const char*>& CJournal::Migrations() {
    return kMigrations;
}

CJournal::CJournal(std::filesystem::path file, int busyMilliseconds)
    : file_(std::move(file)), busyMilliseconds_(busyMilliseconds) {}

CJournal::~CJournal() {
    Close();
}

void CJournal::Close() {
    if (!db_) return;
    Sql().finalize(insertTurn_);
    Sql().finalize(insertKey_);
    insertTurn_ = insertKey_ = nullptr;
    Sql().close(db_);
    db_ = nullptr;
}

JournalStatus CJournal::Open() {
    Close();
    if (!Sqlite()) return JournalStatus::Failed;
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    if (error)
        return error == std::errc::no_space_on_device ? JournalStatus::Full
                                                      : JournalStatus::Unwritable;
    const JournalStatus status = OpenFile();
    if (status != JournalStatus::SetAside) return status;
    if (!SetAside()) return JournalStatus::Failed;
    const JournalStatus fresh = OpenFile();
    return fresh == JournalStatus::Ok ? JournalStatus::SetAside : fresh;
}

JournalStatus CJournal::OpenFile() {
    int code =
        Sql().open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code != SQLITE_OK) return Fail(code);
    Sql().extended_result_codes(db_, 1);
    // Two tutors share one journal: a writer waits for the other instead of failing at once.
    Sql().busy_timeout(db_, busyMilliseconds_);
    // A journal of a newer tutor is not touched at all, not even to switch its log mode.
    int version = 0;
    if ((code = ReadVersion(db_, version)) != SQLITE_OK) return Fail(code);
    if (version > kVersion) {
        Close();
        return JournalStatus::Newer;
    }
    if ((code = SwitchToWal(db_, busyMilliseconds_)) != SQLITE_OK ||
        (code = Exec(db_, "PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;")) != SQLITE_OK)
        return Fail(code);
    const JournalStatus migrated = Migrate();
    if (migrated != JournalStatus::Ok) return migrated;
    code = Sql().prepare_v2(db_,
                            "INSERT INTO turns(time, document, course, exercise, kind, "
                            "letters, errors, duration, words, error_letters) "
                            "VALUES(?,?,?,?,?,?,?,?,?,?)",
                            -1, &insertTurn_, nullptr);
    if (code == SQLITE_OK)
        code = Sql().prepare_v2(
            db_, "INSERT INTO turn_keys(turn, code, correct, timed, ms) VALUES(?,?,?,?,?)", -1,
            &insertKey_, nullptr);
    return code == SQLITE_OK ? JournalStatus::Ok : Fail(code);
}

// Two tutors may start at once: the version is read and raised inside one write transaction.
JournalStatus CJournal::Migrate() {
    int code = Exec(db_, "BEGIN IMMEDIATE;");
    if (code != SQLITE_OK) return Fail(code);
    int version = 0;
    code = ReadVersion(db_, version);
    if (code == SQLITE_OK && version > kVersion) {
        Exec(db_, "ROLLBACK;");
        Close();
        return JournalStatus::Newer;
    }
    for (int step = version; code == SQLITE_OK && step < kVersion; ++step)
        code = Exec(db_, kMigrations[step]);
    if (code == SQLITE_OK && version < kVersion)
        code = Exec(db_, ("PRAGMA user_version=" + std::to_string(kVersion) + ";").c_str());
    if (code == SQLITE_OK) code = Exec(db_, "COMMIT;");
    if (code != SQLITE_OK) {
        Exec(db_, "ROLLBACK;");
        return Fail(code);
    }
    return JournalStatus::Ok;
}

JournalStatus CJournal::Fail(int code) {
    Close();
    return Classify(code);
}

// The damaged file and its write-ahead log keep their data under a new name beside the old.
bool CJournal::SetAside() {
    const std::string stamp = TimeText(std::time(nullptr), true, "%Y%m%d-%H%M%S");
    std::filesystem::path target;
    std::error_code error;
    for (int n = 1; n < 1000; ++n) {
        target = file_;
        target += ".damaged-" + stamp + (n > 1 ? "-" + std::to_string(n) : "");
        if (!std::filesystem::exists(target, error)) break;
    }
    std::filesystem::rename(file_, target, error);
    if (error) return false;
    for (const char* part : {"-wal", "-shm"}) {
        std::filesystem::path from = file_, to = target;
        from += part;
        to += part;
        std::error_code ignored;
        if (std::filesystem::exists(from, ignored)) std::filesystem::rename(from, to, ignored);
    }
    setAside_ = target;
    return true;
}

JournalStatus CJournal::AddTurn(const JournalTurn& turn) {
    if (!db_) return JournalStatus::Closed;
    const int code = WriteTurn(turn);
    if (code == SQLITE_OK) return JournalStatus::Ok;
    if (!Damaged(code)) return Fail(code);
    Close();
    if (!SetAside() || OpenFile() != JournalStatus::Ok) {
        Close();
        return JournalStatus::Failed;
    }
    WriteTurn(turn);
    return JournalStatus::SetAside;
}

int CJournal::WriteTurn(const JournalTurn& turn) {
    int code = Exec(db_, "BEGIN IMMEDIATE;");
    if (code != SQLITE_OK) return code;
    const CTurnRecord& r = turn.record;
    const std::string time = JournalUtcText(turn.time);
    Sql().bind_text(insertTurn_, 1, time.data(), static_cast<int>(time.size()), SQLITE_STATIC);
    Sql().bind_text(insertTurn_, 2, turn.document.data(), static_cast<int>(turn.document.size()),
                    SQLITE_STATIC);
    Sql().bind_text(insertTurn_, 3, turn.course.data(), static_cast<int>(turn.course.size()),
                    SQLITE_STATIC);
    const int numbers[] = {r.exercise, r.kind, r.letters, r.errors, r.duration, r.words};
    for (int i = 0; i < 6; ++i) Sql().bind_int(insertTurn_, 4 + i, numbers[i]);
    Sql().bind_blob(insertTurn_, 10, r.errorLetters.data(), static_cast<int>(r.errorLetters.size()),
                    SQLITE_STATIC);
    bool ok = Sql().step(insertTurn_) == SQLITE_DONE;
    Sql().reset(insertTurn_);
    const sqlite3_int64 id = Sql().last_insert_rowid(db_);
    for (int code = 0; ok && turn.keys && code < 256; ++code) {
        const KeyFigures& key = (*turn.keys)[static_cast<unsigned char>(code)];
        if (key.correct == 0) continue;
        Sql().bind_int64(insertKey_, 1, id);
        Sql().bind_int(insertKey_, 2, code);
        Sql().bind_int(insertKey_, 3, key.correct);
        Sql().bind_int(insertKey_, 4, key.timed);
        Sql().bind_int64(insertKey_, 5, key.milliseconds);
        ok = Sql().step(insertKey_) == SQLITE_DONE;
        Sql().reset(insertKey_);
    }
    if (ok && (code = Exec(db_, "COMMIT;")) == SQLITE_OK) return SQLITE_OK;
    const int failure = ok ? code : Sql().extended_errcode(db_);
    Exec(db_, "ROLLBACK;");
    return failure == SQLITE_OK ? SQLITE_ERROR : failure;
}

JournalStatus CJournal::MoveDocument(const std::string& from, const std::string& to) {
    if (!db_) return JournalStatus::Closed;
    sqlite3_stmt* update = nullptr;
    int code = Sql().prepare_v2(db_, "UPDATE turns SET document=?1 WHERE document=?2", -1, &update,
                                nullptr);
    if (code == SQLITE_OK) {
        Sql().bind_text(update, 1, to.data(), static_cast<int>(to.size()), SQLITE_STATIC);
        Sql().bind_text(update, 2, from.data(), static_cast<int>(from.size()), SQLITE_STATIC);
        code = Sql().step(update);
        if (code == SQLITE_DONE) code = SQLITE_OK;
    }
    Sql().finalize(update);
    return code == SQLITE_OK ? JournalStatus::Ok : Fail(code);
}

std::filesystem::path JournalDefaultFile() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    if (data && *data) {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home ? home : ".") / ".local" / "share";
    }
    return folder / "zavtype" / "journal.sqlite";
}

}  // namespace zav
