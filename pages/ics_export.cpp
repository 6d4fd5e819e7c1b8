// The iCalendar export of the prayer times.
#include "pages/ics_export.h"

#include <cctype>

#include "core/local_time.h"
#include "core/next_prayer.h"
#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

constexpr std::size_t MaxLineOctets = 75;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;                                   // [0, 399]
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468;
}

std::int64_t FixedOffsetMinute(const GregorianDate& date, DecimalHours time, int offsetMinutes) {
    const ClockMinute cut = CutToClockMinute(time);
    const std::int64_t days = DaysFromCivil(date.year, date.month, date.day) + cut.dayShift;
    return days * 86400 + cut.hour * 3600 + cut.minute * 60 -
           static_cast<std::int64_t>(offsetMinutes) * 60;
}

std::string LowerName(int index) {
    std::string name = PrayerNames[static_cast<std::size_t>(WrapPrayerIndex(index))];
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

}  // namespace

std::vector<IcsEvent> PrayerEventsOfDays(const GregorianDate& first, int days,
                                         PrayerSettings settings, DaylightSavingRule rule,
                                         bool sunrise) {
    std::vector<IcsEvent> events;
    for (int k = 0; k < days; ++k) {
        // Noon of each day by the calendar, clear of the clocks' changes.
        const CalendarFields day =
            BreakLocal(MakeLocal(first.year, first.month, first.day + k, 12, 0, 0));
        const GregorianDate date{day.day, day.month, day.year};
        const bool dst = rule == DaylightSavingRule::Always ||
                         (rule == DaylightSavingRule::LocalClock && DaylightSavingIn(day));
        settings.daylightSavingActive = dst;
        const auto times = ComputePrayerTimesOnDate(day.year, day.month, day.day, settings);
        for (int i = Fajr; i <= Isha; ++i) {
            if (i == Shrook && !sunrise) {
                continue;
            }
            IcsEvent event{date, i, times[static_cast<std::size_t>(i)], 0};
            if (rule == DaylightSavingRule::LocalClock) {
                event.utc = PrayerMinute({day.year, day.month, day.day, i, event.time}, dst);
            } else {
                // The times already carry the daylight-saving hour: only the standard offset goes.
                event.utc = FixedOffsetMinute(date, event.time, settings.gmtOffsetMinutes);
            }
            events.push_back(event);
        }
    }
    return events;
}

std::string IcsEscapeText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                break;  // a CRLF in the text is one line break
            default:
                out += c;
        }
    }
    return out;
}

std::string IcsFoldLine(std::string_view line) {
    std::string out;
    std::size_t limit = MaxLineOctets;  // the continuation's leading space counts
    while (line.size() > limit) {
        std::size_t cut = limit;
        // Back off to the start of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = MaxLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
    return out;
}

std::string IcsUtcDateTime(std::int64_t utc) {
    const CalendarFields f = BreakUtc(utc);
    return StrPrintf("%04d%02d%02dT%02d%02d%02dZ", f.year, f.month, f.day, f.hour, f.minute,
                     f.second);
}

std::string IcsCalendar(const std::vector<IcsEvent>& events, const IcsPlace& place,
                        const IcsOptions& options, std::int64_t stamp) {
    std::string out;
    const auto line = [&out](std::string_view text) { out += IcsFoldLine(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Salvenor//Prayer Times//EN");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    const std::string dtstamp = IcsUtcDateTime(stamp);
    // The place as the UID carries it: four decimals (about 11 metres) tell places apart and
    // keep a re-export's UIDs the same.
    const std::string placeKey = StrPrintf("%.4f_%.4f", place.latitude, place.longitude);
    for (const IcsEvent& e : events) {
        const char* name = PrayerNames[static_cast<std::size_t>(WrapPrayerIndex(e.prayerIndex))];
        line("BEGIN:VEVENT");
        line(StrPrintf("UID:%04d%02d%02d-%s-%s@salvenor", e.date.year, e.date.month, e.date.day,
                       LowerName(e.prayerIndex).c_str(), placeKey.c_str()));
        line("DTSTAMP:" + dtstamp);
        line("DTSTART:" + IcsUtcDateTime(e.utc));
        line("SUMMARY:" + IcsEscapeText(name));
        line("DESCRIPTION:" +
             IcsEscapeText(StrPrintf(texts::IcsEventDescription, name,
                                     FormatDecimalTime(e.prayerIndex, e.time).c_str())));
        if (!place.name.empty()) {
            line("LOCATION:" + IcsEscapeText(place.name));
        }
        line(StrPrintf("GEO:%.6f;%.6f", place.latitude, place.longitude));
        line("TRANSP:TRANSPARENT");
        if (options.alarmMinutes) {
            line("BEGIN:VALARM");
            line("ACTION:DISPLAY");
            line("DESCRIPTION:" +
                 IcsEscapeText(StrPrintf(texts::IcsAlarmDescription, name, *options.alarmMinutes)));
            line(StrPrintf("TRIGGER:-PT%dM", *options.alarmMinutes));
            line("END:VALARM");
        }
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

}  // namespace salvenor
