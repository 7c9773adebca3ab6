// The journal of turns: its schema and migrations, what it tells about days and keys, and how
// it fails: never by losing a turn it accepted or a file it did not write.
#include "core/stats/journal.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/stats/progress_periods.h"
#include "tests/support/scratch_folder.h"

namespace zav {
namespace {

using test::CScratchFolder;

constexpr std::time_t kNow = 1'765'000'000;  // December 2025
constexpr std::time_t kDay = 86400;

JournalTurn Turn(std::time_t time, const std::string& document, const CKeyTimes* keys = nullptr,
                 int letters = 50, int errors = 2, int duration = 3000) {
    JournalTurn turn;
    turn.time = time;
    turn.document = document;
    turn.course = "/cursos/Default";
    turn.record.letters = letters;
    turn.record.errors = errors;
    turn.record.duration = duration;
    turn.record.errorLetters = "\xf1q";
    turn.keys = keys;
    return turn;
}

// A table of keys where `code` took `ms` milliseconds on each of `timed` keystrokes.
CKeyTimes Keys(std::initializer_list<std::tuple<char, int, int>> keys) {
    CKeyTimes times;
    TimeStamp now{0, 0};
    times.Correct(0, now);  // opens the turn: later keys have intervals
    for (const auto& [code, timed, ms] : keys)
        for (int i = 0; i < timed; ++i) {
            now.milliseconds += ms;
            now.seconds += now.milliseconds / 1000;
            now.milliseconds %= 1000;
            times.Correct(static_cast<unsigned char>(code), now);
        }
    return times;
}

// The first column of the first row of `sql`, through a connection of its own.
std::string Scalar(const std::filesystem::path& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_stmt* statement = nullptr;
    std::string value = "<none>";
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

void Execute(const std::filesystem::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
    sqlite3_close(db);
}

std::string Bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Journal, NewJournalHoldsTurnsAndKeysInWalMode) {
    CScratchFolder folder;
    const auto file = folder / "data/zavtype/journal.sqlite";
    CJournal journal(file);
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    const CKeyTimes keys = Keys({{'a', 3, 200}, {'\xf1', 2, 400}});
    ASSERT_EQ(journal.AddTurn(Turn(kNow, "/home/ana/ana.zav", &keys)), JournalStatus::Ok);

    EXPECT_EQ(Scalar(file, "PRAGMA user_version"), std::to_string(CJournal::kVersion));
    EXPECT_EQ(Scalar(file, "PRAGMA journal_mode"), "wal");
    EXPECT_EQ(Scalar(file,
                     "SELECT time || '|' || document || '|' || letters || '|' || errors "
                     "|| '|' || duration || '|' || hex(error_letters) FROM turns"),
              JournalUtcText(kNow) + "|/home/ana/ana.zav|50|2|3000|F171");
    EXPECT_EQ(Scalar(file,
                     "SELECT group_concat(code || ':' || correct || ':' || timed || ':' || "
                     "ms, ' ') FROM turn_keys"),
              "0:1:0:0 97:3:3:600 241:2:2:800");

    const auto days = journal.Days("/home/ana/ana.zav", "");
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].date, JournalLocalDate(kNow));
    EXPECT_EQ(days[0].turns, 1);
    EXPECT_TRUE(journal.Days("/home/otro.zav", "").empty());
}

TEST(Journal, OlderJournalIsMigratedKeepingItsTurns) {
    CScratchFolder folder;
    const auto file = folder / "journal.sqlite";
    Execute(file, std::string(CJournal::Migrations()[0]) + "INSERT INTO turns VALUES(1, '" +
                      JournalUtcText(kNow - kDay) +
                      "', 'a.zav', 'c', 0, 0, 40, 1, 2400, 5, x'');"
                      "PRAGMA user_version=1;");
    CJournal journal(file);
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    EXPECT_EQ(Scalar(file, "PRAGMA user_version"), std::to_string(CJournal::kVersion));
    const CKeyTimes keys = Keys({{'a', 1, 100}});
    ASSERT_EQ(journal.AddTurn(Turn(kNow, "a.zav", &keys)), JournalStatus::Ok);
    const auto days = journal.Days("a.zav", "");
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].letters, 40);
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM turn_keys"), "2");
}

TEST(Journal, JournalOfNewerVersionIsLeftUntouched) {
    CScratchFolder folder;
    const auto file = folder / "journal.sqlite";
    Execute(file, "CREATE TABLE future(x); PRAGMA user_version=99;");
    const std::string before = Bytes(file);
    CJournal journal(file);
    EXPECT_EQ(journal.Open(), JournalStatus::Newer);
    EXPECT_FALSE(journal.IsOpen());
    EXPECT_EQ(journal.AddTurn(Turn(kNow, "a.zav")), JournalStatus::Closed);
    EXPECT_TRUE(Bytes(file) == before);
}

TEST(Journal, DamagedJournalIsSetAsideAndANewOneStarted) {
    CScratchFolder folder;
    const std::string garbage(8192, 'x');
    const auto file = folder.Write("journal.sqlite", garbage);
    CJournal journal(file);
    ASSERT_EQ(journal.Open(), JournalStatus::SetAside);
    EXPECT_TRUE(Bytes(journal.SetAsidePath()) == garbage);
    EXPECT_NE(journal.SetAsidePath(), journal.File());
    EXPECT_EQ(journal.AddTurn(Turn(kNow, "a.zav")), JournalStatus::Ok);
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM turns"), "1");
}

TEST(Journal, LockedJournalClosesWithoutLosingWhatItHolds) {
    CScratchFolder folder;
    const auto file = folder / "journal.sqlite";
    CJournal journal(file, 50);
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    ASSERT_EQ(journal.AddTurn(Turn(kNow, "a.zav")), JournalStatus::Ok);
    sqlite3* other = nullptr;
    sqlite3_open(file.c_str(), &other);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    EXPECT_EQ(journal.AddTurn(Turn(kNow, "a.zav")), JournalStatus::Locked);
    EXPECT_FALSE(journal.IsOpen());
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM turns"), "1");
}

// Runs `body` in a child process as the user "nobody", so that permissions hold for a test run
// as root; its exit status is the journal status it returns. 77: the child could not drop.
int AsNobody(const std::function<JournalStatus()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(77);
        _exit(static_cast<int>(body()));
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Journal, ReadOnlyFolderGivesUnwritableAndKeepsTheFile) {
    CScratchFolder folder;
    chmod(folder.Path().c_str(), 0755);
    const auto locked = folder / "locked";
    const auto existing = folder / "existing/zavtype/journal.sqlite";
    {
        CJournal journal(existing);
        ASSERT_EQ(journal.Open(), JournalStatus::Ok);
        ASSERT_EQ(journal.AddTurn(Turn(kNow, "a.zav")), JournalStatus::Ok);
    }
    std::filesystem::create_directory(locked);
    for (const auto& dir : {locked, folder / "existing", existing.parent_path()})
        chmod(dir.c_str(), 0555);
    const std::string before = Bytes(existing);
    // A folder that cannot be made, and a journal in a folder that cannot be written.
    for (const auto& file : {locked / "zavtype/journal.sqlite", existing}) {
        const int status = AsNobody([&] {
            CJournal journal(file);
            const JournalStatus opened = journal.Open();
            return opened != JournalStatus::Ok ? opened : journal.AddTurn(Turn(kNow, "b.zav"));
        });
        if (status == 77) GTEST_SKIP() << "cannot run as nobody";
        EXPECT_EQ(status, static_cast<int>(JournalStatus::Unwritable)) << file;
    }
    EXPECT_TRUE(Bytes(existing) == before);
    for (const auto& dir : {locked, folder / "existing", existing.parent_path()})
        chmod(dir.c_str(), 0755);
}

TEST(Journal, FullDiskGivesFullAndKeepsEarlierTurns) {
    CScratchFolder folder;
    const auto disk = folder / "disk";
    std::filesystem::create_directory(disk);
    if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=160k") != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    JournalStatus status = JournalStatus::Ok;
    int written = 0;
    {
        CJournal journal(disk / "journal.sqlite");
        status = journal.Open();
        std::string letters(2000, 'x');
        for (; status == JournalStatus::Ok && written < 5000; ++written) {
            JournalTurn turn = Turn(kNow, "a.zav");
            turn.record.errorLetters = letters;
            status = journal.AddTurn(turn);
        }
        EXPECT_FALSE(journal.IsOpen());
    }
    const std::string count = Scalar(disk / "journal.sqlite", "SELECT count(*) FROM turns");
    umount(disk.c_str());
    EXPECT_EQ(status, JournalStatus::Full);
    EXPECT_GT(written, 1);
    EXPECT_EQ(count, std::to_string(written - 1));
}

TEST(Journal, TwoTutorsWriteTogetherWithoutLoss) {
    CScratchFolder folder;
    const auto file = folder / "journal.sqlite";
    constexpr int kTurns = 150;
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        if (child == 0) {
            CJournal journal(file);
            JournalStatus status = journal.Open();
            const CKeyTimes keys = Keys({{'a', 2, 150}, {'b', 1, 90}});
            for (int i = 0; status == JournalStatus::Ok && i < kTurns; ++i)
                status = journal.AddTurn(Turn(kNow, "a.zav", &keys));
            _exit(static_cast<int>(status));  // 0 is Ok
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), static_cast<int>(JournalStatus::Ok));
    }
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM turns"), std::to_string(2 * kTurns));
    EXPECT_EQ(Scalar(file, "SELECT count(*) FROM turn_keys"), std::to_string(6 * kTurns));
}

TEST(Journal, UntitledTurnsMoveToThePathOnFirstSave) {
    CScratchFolder folder;
    CJournal journal(folder / "journal.sqlite");
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    journal.AddTurn(Turn(kNow, "sin-titulo:1"));
    journal.AddTurn(Turn(kNow, "sin-titulo:2"));
    ASSERT_EQ(journal.MoveDocument("sin-titulo:1", "/home/ana/ana.zav"), JournalStatus::Ok);
    EXPECT_TRUE(journal.Days("sin-titulo:1", "").empty());
    EXPECT_EQ(journal.Days("/home/ana/ana.zav", "").size(), 1u);
    EXPECT_EQ(journal.Days("sin-titulo:2", "").size(), 1u);
}

TEST(Journal, KeySpeedsAreMediansOverTheLastDays) {
    CScratchFolder folder;
    CJournal journal(folder / "journal.sqlite");
    ASSERT_EQ(journal.Open(), JournalStatus::Ok);
    // 'q' in three turns: 10 keys at 100 ms, 5 at 300, 10 at 200: the median key takes 200.
    for (const auto& [timed, ms] : {std::pair{10, 100}, {5, 300}, {10, 200}}) {
        const CKeyTimes keys = Keys({{'q', timed, ms}});
        journal.AddTurn(Turn(kNow - kDay, "a.zav", &keys));
    }
    // Slow letters need 20 keystrokes; the space never counts; 31 days ago is too old.
    const CKeyTimes many = Keys({{'a', 20, 100},
                                 {'b', 20, 150},
                                 {'c', 20, 500},
                                 {'d', 20, 120},
                                 {'e', 20, 130},
                                 {'f', 20, 140},
                                 {'g', 20, 160},
                                 {'h', 20, 170},
                                 {'i', 20, 110},
                                 {' ', 40, 900},
                                 {'z', 19, 900}});
    journal.AddTurn(Turn(kNow - kDay, "a.zav", &many));
    const CKeyTimes old = Keys({{'a', 20, 5000}});
    journal.AddTurn(Turn(kNow - 31 * kDay, "a.zav", &old));
    journal.AddTurn(Turn(kNow, "b.zav", &old));

    const auto speeds = journal.KeySpeeds("a.zav", 30, kNow);
    const auto q = std::find_if(speeds.begin(), speeds.end(),
                                [](const JournalKey& k) { return k.code == 'q'; });
    ASSERT_NE(q, speeds.end());
    EXPECT_DOUBLE_EQ(q->medianMs, 200.0);
    EXPECT_EQ(q->timed, 25);
    EXPECT_EQ(journal.SlowestLetters("a.zav", kNow), "cqhgbfed");
    EXPECT_EQ(journal.SlowestLetters("a.zav", kNow, 30, 3, 25), "q");
    EXPECT_EQ(journal.SlowestLetters("c.zav", kNow), "");
}

TEST(ProgressPeriods, DaysOfTheLast90StandAloneOlderOnesFormWeeks) {
    // 2026-12-09 is a Wednesday; 2026-09-11 is the first of its 90 days.
    const std::vector<JournalDay> days = {
        {"2026-08-30", 1, 6000, 100, 10},  // a Sunday: the week of Monday 24 August
        {"2026-09-07", 2, 6000, 200, 2},   // Monday and Thursday of one week
        {"2026-09-10", 2, 18000, 400, 6},  {"2026-09-11", 1, 3000, 150, 3},
        {"2026-12-09", 4, 12000, 1000, 0},
    };
    const auto periods = ProgressPeriods(days, "2026-12-09");
    const struct {
        const char* start;
        bool week;
        double lpm, errorPercent, minutesPerDay;
    } expected[] = {
        {"2026-08-24", true, 100.0, 10.0, 1.0},
        {"2026-09-07", true, 600.0 * 6000 / 24000, 8.0 * 100 / 600, 2.0},
        {"2026-09-11", false, 300.0, 2.0, 0.5},
        {"2026-12-09", false, 500.0, 0.0, 2.0},
    };
    ASSERT_EQ(periods.size(), std::size(expected));
    for (std::size_t i = 0; i < periods.size(); ++i) {
        EXPECT_EQ(periods[i].start, expected[i].start) << i;
        EXPECT_EQ(periods[i].week, expected[i].week) << i;
        EXPECT_DOUBLE_EQ(periods[i].lettersPerMinute, expected[i].lpm) << i;
        EXPECT_DOUBLE_EQ(periods[i].errorPercent, expected[i].errorPercent) << i;
        EXPECT_DOUBLE_EQ(periods[i].minutesPerDay, expected[i].minutesPerDay) << i;
    }
    EXPECT_EQ(DateOfDayNumber(DayNumber("2024-02-29") + 1), "2024-03-01");
}

}  // namespace
}  // namespace zav
