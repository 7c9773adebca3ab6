// What the journal tells about a span of days: the days' totals and each key's speed.
#include <algorithm>
#include <map>

#include "core/stats/journal.h"
#include "core/stats/sqlite_library.h"

namespace zav {
namespace {

// A statement with text parameters ?1, ?2, … that finalizes itself.
class CQuery {
  public:
    CQuery(sqlite3* db, const char* sql, std::initializer_list<std::string> params) {
        if (!db || Sql().prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) return;
        int index = 1;
        for (const std::string& param : params)
            Sql().bind_text(statement_, index++, param.c_str(), static_cast<int>(param.size()),
                            SQLITE_TRANSIENT);
    }
    ~CQuery() {
        if (statement_) Sql().finalize(statement_);
    }
    CQuery(const CQuery&) = delete;
    CQuery& operator=(const CQuery&) = delete;

    bool Next() { return statement_ && Sql().step(statement_) == SQLITE_ROW; }
    long long Number(int column) const { return Sql().column_int64(statement_, column); }
    std::string Text(int column) const {
        const auto* text = Sql().column_text(statement_, column);
        return text ? std::string(reinterpret_cast<const char*>(text),
                                  Sql().column_bytes(statement_, column))
                    : std::string();
    }

  private:
    sqlite3_stmt* statement_ = nullptr;
};

// The UTC time text of local midnight at the start of `date` ("YYYY-MM-DD"); "" for "".
std::string LocalMidnightUtc(const std::string& date) {
    std::tm parts{};
    if (date.empty() ||
        std::sscanf(date.c_str(), "%d-%d-%d", &parts.tm_year, &parts.tm_mon, &parts.tm_mday) != 3)
        return {};
    parts.tm_year -= 1900;
    parts.tm_mon -= 1;
    parts.tm_isdst = -1;
    return JournalUtcText(std::mktime(&parts));
}

// The median of per-turn milliseconds per keystroke, each turn weighing as many keystrokes as
// it timed: the time of a typical keystroke, untouched by a few long pauses.
double WeightedMedian(std::vector<std::pair<double, long long>>& turns) {
    long long total = 0;
    for (const auto& turn : turns) total += turn.second;
    if (total == 0) return 0.0;
    std::sort(turns.begin(), turns.end());
    long long seen = 0;
    for (const auto& turn : turns) {
        seen += turn.second;
        if (2 * seen >= total) return turn.first;
    }
    return turns.back().first;
}

// Every key of every turn of `document` (all documents when empty) from `sinceUtc` on.
std::vector<JournalKey> CollectKeys(sqlite3* db, const std::string& document,
                                    const std::string& sinceUtc) {
    CQuery rows(db,
                "SELECT k.code, k.correct, k.timed, k.ms FROM turn_keys k "
                "JOIN turns t ON t.id = k.turn "
                "WHERE (?1 = '' OR t.document = ?1) AND t.time >= ?2 ORDER BY k.code",
                {document, sinceUtc});
    std::map<int, std::pair<JournalKey, std::vector<std::pair<double, long long>>>> keys;
    while (rows.Next()) {
        const int code = static_cast<int>(rows.Number(0));
        auto& [key, turns] = keys[code];
        key.code = code;
        key.correct += rows.Number(1);
        const long long timed = rows.Number(2), ms = rows.Number(3);
        key.timed += timed;
        key.milliseconds += ms;
        if (timed > 0) turns.emplace_back(static_cast<double>(ms) / timed, timed);
    }
    std::vector<JournalKey> out;
    for (auto& [code, entry] : keys) {
        entry.first.medianMs = WeightedMedian(entry.second);
        out.push_back(entry.first);
    }
    return out;
}

}  // namespace

std::vector<JournalDay> CJournal::Days(const std::string& document,
                                       const std::string& since) const {
    CQuery rows(db_,
                "SELECT date(time, 'localtime') AS day, count(*), sum(duration), sum(letters), "
                "sum(errors) FROM turns WHERE (?1 = '' OR document = ?1) AND time >= ?2 "
                "GROUP BY day ORDER BY day",
                {document, LocalMidnightUtc(since)});
    std::vector<JournalDay> days;
    while (rows.Next())
        days.push_back({rows.Text(0), static_cast<int>(rows.Number(1)), rows.Number(2),
                        rows.Number(3), rows.Number(4)});
    return days;
}

std::vector<JournalKey> CJournal::Keys(const std::string& document,
                                       const std::string& since) const {
    return CollectKeys(db_, document, LocalMidnightUtc(since));
}

std::vector<JournalKey> CJournal::KeySpeeds(const std::string& document, int days,
                                            std::time_t now) const {
    std::vector<JournalKey> keys =
        CollectKeys(db_, document, JournalUtcText(now - std::time_t{days} * 86400));
    std::erase_if(keys, [](const JournalKey& key) { return key.timed == 0; });
    return keys;
}

std::string CJournal::SlowestLetters(const std::string& document, std::time_t now, int days,
                                     int count, int minimum) const {
    std::vector<JournalKey> keys = KeySpeeds(document, days, now);
    std::erase_if(
        keys, [minimum](const JournalKey& key) { return key.code == ' ' || key.timed < minimum; });
    std::stable_sort(keys.begin(), keys.end(), [](const JournalKey& a, const JournalKey& b) {
        return a.medianMs > b.medianMs;
    });
    std::string letters;
    for (const JournalKey& key : keys) {
        if (static_cast<int>(letters.size()) >= count) break;
        letters.push_back(static_cast<char>(key.code));
    }
    return letters;
}

}  // namespace zav
