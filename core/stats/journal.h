#pragma once
// The journal: every finished turn with its date, kept in an SQLite database beside the user's
// other data, so that progress can be followed across days and per key. The progress file never
// depends on it. A journal that cannot be written closes itself and says why once; the caller
// goes on without it.
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "core/course/document.h"
#include "core/typing/key_times.h"

struct sqlite3;
struct sqlite3_stmt;

namespace zav {

enum class JournalStatus {
    Ok,
    Closed,      // not open, or closed after an earlier failure
    Unwritable,  // the folder or the file cannot be written
    Full,        // the disk is full
    Locked,      // another program held the journal longer than the busy timeout
    SetAside,    // the journal was damaged: kept under SetAsidePath(), a new one started
    Newer,       // written by a newer version of the tutor: left untouched
    Failed,      // any other error
};

// One turn as the journal keeps it.
struct JournalTurn {
    std::time_t time = 0;  // when the turn ended
    std::string document;  // the progress file's absolute path, or an id while it has none
    std::string course;    // the course file's path
    CTurnRecord record;
    const CKeyTimes* keys = nullptr;
};

// The turns of one local calendar day.
struct JournalDay {
    std::string date;  // "YYYY-MM-DD"
    int turns = 0;
    long long duration = 0;  // hundredths of a second
    long long letters = 0;
    long long errors = 0;
};

// One character's figures over a span of days.
struct JournalKey {
    int code = 0;  // Windows-1252
    long long correct = 0;
    long long timed = 0;
    long long milliseconds = 0;
    double medianMs = 0.0;  // median time per keystroke; 0 without a timed keystroke
};

class CJournal {
  public:
    static constexpr int kVersion = 3;
    // The schema's steps: step i brings a journal from version i to version i + 1.
    static const std::vector<const char*>& Migrations();

    explicit CJournal(std::filesystem::path file, int busyMilliseconds = 5000);
    ~CJournal();
    CJournal(const CJournal&) = delete;
    CJournal& operator=(const CJournal&) = delete;

    // Creates the folder and the file as needed and brings the schema up to date. SetAside
    // leaves the journal open on a new file.
    JournalStatus Open();
    bool IsOpen() const { return db_ != nullptr; }
    const std::filesystem::path& File() const { return file_; }
    const std::filesystem::path& SetAsidePath() const { return setAside_; }

    // One transaction per turn; a failure closes the journal (a damaged one is set aside and
    // the turn written to a new one).
    JournalStatus AddTurn(const JournalTurn& turn);
    // The turns of `from` now belong to `to`: a document saved for the first time.
    JournalStatus MoveDocument(const std::string& from, const std::string& to);

    // Reading never closes the journal; an empty `document` means every document. Dates are
    // local calendar days "YYYY-MM-DD"; an empty `since` means from the beginning.
    std::vector<JournalDay> Days(const std::string& document, const std::string& since) const;
    std::vector<JournalKey> Keys(const std::string& document, const std::string& since) const;
    // Each character's median milliseconds per keystroke over the `days` days before `now`,
    // only characters with a timed keystroke, in code order.
    std::vector<JournalKey> KeySpeeds(const std::string& document, int days, std::time_t now) const;
    // The slowest `count` characters but the space with at least `minimum` timed keystrokes in
    // the last `days` days, slowest first.
    std::string SlowestLetters(const std::string& document, std::time_t now, int days = 30,
                               int count = 8, int minimum = 20) const;

  private:
    JournalStatus OpenFile();
    JournalStatus Migrate();
    // SQLITE_OK, or the error that rolled the turn back.
    int WriteTurn(const JournalTurn& turn);
    // Closes the journal after an error and tells which failure it was.
    JournalStatus Fail(int code);
    bool SetAside();
    void Close();

    std::filesystem::path file_;
    std::filesystem::path setAside_;
    int busyMilliseconds_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insertTurn_ = nullptr;
    sqlite3_stmt* insertKey_ = nullptr;
};

// "YYYY-MM-DD HH:MM:SS" of `time` in UTC, as the journal stores it.
// Where the tutor keeps its journal: $XDG_DATA_HOME/zavtype, else ~/.local/share/zavtype.
std::filesystem::path JournalDefaultFile();
std::string JournalUtcText(std::time_t time);
// The local calendar day of `time`, "YYYY-MM-DD".
std::string JournalLocalDate(std::time_t time);

}  // namespace zav
