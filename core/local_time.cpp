// Calendar break-down through the C library.
#include "core/local_time.h"

#include <ctime>

namespace salvenor {

namespace {

CalendarFields FromTm(const std::tm& tm) {
    CalendarFields f;
    f.year = tm.tm_year + 1900;
    f.month = tm.tm_mon + 1;
    f.day = tm.tm_mday;
    f.hour = tm.tm_hour;
    f.minute = tm.tm_min;
    f.second = tm.tm_sec;
    f.weekday = tm.tm_wday;
    f.yearDay = tm.tm_yday;
    f.isDst = tm.tm_isdst;
    f.gmtOffsetSeconds = tm.tm_gmtoff;
    return f;
}

}  // namespace

CalendarFields BreakLocal(std::int64_t t) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    localtime_r(&tt, &tm);
    return FromTm(tm);
}

CalendarFields BreakUtc(std::int64_t t) {
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    gmtime_r(&tt, &tm);
    return FromTm(tm);
}

bool DaylightSavingIn(const CalendarFields& local) {
    return local.isDst > 0;
}

bool DaylightSavingAt(std::int64_t t) {
    return DaylightSavingIn(BreakLocal(t));
}

bool ClockDateExists(int year, int month, int day) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && leap ? 29 : lengths[month - 1]);
}

namespace {

std::int64_t Make(int isDst, int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = isDst;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

}  // namespace

std::int64_t MakeLocal(int year, int month, int day, int hour, int minute, int second) {
    return Make(-1, year, month, day, hour, minute, second);
}

std::int64_t MakeLocalUnder(bool daylightSaving, int year, int month, int day, int hour, int minute,
                            int second) {
    return Make(daylightSaving ? 1 : 0, year, month, day, hour, minute, second);
}

void RefreshLocalZone() {
    tzset();
}

}  // namespace salvenor
