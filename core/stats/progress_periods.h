#pragma once
// The points of the progress chart: one per day of practice over the last 90 days, one per week
// of practice before that. Days without practice leave no point.
#include <string>
#include <vector>

#include "core/stats/journal.h"

namespace zav {

struct ProgressPeriod {
    std::string start;  // "YYYY-MM-DD": the day, or the Monday that begins the week
    bool week = false;
    int turns = 0;
    double lettersPerMinute = 0.0;
    double errorPercent = 0.0;
    // Minutes practised per day of practice in the period.
    double minutesPerDay = 0.0;
};

inline constexpr int kProgressDailyDays = 90;

// `days` in date order, as CJournal::Days gives them; `today` is "YYYY-MM-DD". Days from
// today − 89 on stand alone; earlier days are summed by week, Monday to Sunday.
std::vector<ProgressPeriod> ProgressPeriods(const std::vector<JournalDay>& days,
                                            const std::string& today,
                                            int dailyDays = kProgressDailyDays);

// Days since 1970-01-01 of "YYYY-MM-DD", and back; a malformed date counts as day 0.
long DayNumber(const std::string& date);
std::string DateOfDayNumber(long day);

}  // namespace zav
