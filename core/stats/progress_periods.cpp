#include "core/stats/progress_periods.h"

#include <cstdio>

namespace zav {

// The proleptic Gregorian calendar, by H. Hinnant's days-from-civil algorithm.
long DayNumber(const std::string& date) {
    int y = 0, m = 0, d = 0;
    if (std::sscanf(date.c_str(), "%d-%d-%d", &y, &m, &d) != 3 || m < 1 || m > 12 || d < 1 ||
        d > 31)
        return 0;
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string DateOfDayNumber(long day) {
    day += 719468;
    const long era = (day >= 0 ? day : day - 146096) / 146097;
    const long doe = day - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2);
    char text[64];
    std::snprintf(text, sizeof text, "%04ld-%02ld-%02ld", y, m, d);
    return text;
}

namespace {

struct Totals {
    int turns = 0;
    int days = 0;
    long long duration = 0;
    long long letters = 0;
    long long errors = 0;
};

ProgressPeriod Finish(const std::string& start, bool week, const Totals& t) {
    ProgressPeriod period;
    period.start = start;
    period.week = week;
    period.turns = t.turns;
    if (t.duration > 0) period.lettersPerMinute = t.letters * 6000.0 / t.duration;
    if (t.letters > 0) period.errorPercent = t.errors * 100.0 / t.letters;
    if (t.days > 0) period.minutesPerDay = t.duration / 6000.0 / t.days;
    return period;
}

}  // namespace

std::vector<ProgressPeriod> ProgressPeriods(const std::vector<JournalDay>& days,
                                            const std::string& today, int dailyDays) {
    const long firstDaily = DayNumber(today) - dailyDays + 1;
    std::vector<ProgressPeriod> periods;
    Totals week;
    long weekStart = 0;
    for (const JournalDay& day : days) {
        const long n = DayNumber(day.date);
        Totals totals{day.turns, 1, day.duration, day.letters, day.errors};
        if (n >= firstDaily) {
            if (week.days > 0) periods.push_back(Finish(DateOfDayNumber(weekStart), true, week));
            week = {};
            periods.push_back(Finish(day.date, false, totals));
            continue;
        }
        // 1970-01-01 was a Thursday: day n is a Monday when (n + 3) mod 7 is 0.
        const long monday = n - ((n % 7 + 7 + 3) % 7);
        if (week.days > 0 && monday != weekStart) {
            periods.push_back(Finish(DateOfDayNumber(weekStart), true, week));
            week = {};
        }
        weekStart = monday;
        week.turns += totals.turns;
        week.days += 1;
        week.duration += totals.duration;
        week.letters += totals.letters;
        week.errors += totals.errors;
    }
    if (week.days > 0) periods.push_back(Finish(DateOfDayNumber(weekStart), true, week));
    return periods;
}

}  // namespace zav
