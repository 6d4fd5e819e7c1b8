// The six daily times from the built-in solar table, the way a time is written, and the zone
// offset read from the system clock.
#include "core/prayer_times.h"

#include <algorithm>
#include <cmath>

#include "core/local_time.h"
#include "core/month_days.h"
#include "core/solar_table.h"
#include "core/str_printf.h"

namespace salvenor {

namespace {

// The constants and the order of the double operations are those the times have always been
// computed with; changing either moves results in the last bits.
constexpr double Pi = 3.141592653589793;
constexpr double InversePi = 1 / Pi;
constexpr double Rad = Pi * 0.005555555555555556;
constexpr double MinutesToHours = 0.016666666666666666;
constexpr double DegreesToHours = 0.06666666666666667;
constexpr double SunriseAltitude = -0.8333;
constexpr double HorizonDipPerRootMetre = 0.0347;

// Um Ul-Qura's Isha: a fixed interval after Maghrib (the convention has no Isha angle).
constexpr double UmmAlQuraIshaDelay = 1.5;

// Where the sun neither rises nor sets, the times are those of the nearest latitude toward the
// equator at which it does, found to within this many degrees.
constexpr double LatitudeSearchStep = 0.005;

struct WayAngles {
    double fajr;
    double isha;
};

// Indexed by CalculationWay; Um Ul-Qura's Isha angle is unused.
constexpr WayAngles Angles[4] = {{19.5, 17.0}, {19.0, 0.0}, {15.0, 15.0}, {18.0, 17.0}};

// Sines that do not depend on the place, computed once with the same calls and operands the
// formula uses, so the results are bit for bit those of computing them on every call.
struct FixedSines {
    std::array<double, 366> sinDec;  // sin(delta x rad) by table row
    std::array<double, 366> cosDec;
    std::array<double, 4> sinFajr;  // sin(-angle x rad) by CalculationWay
    std::array<double, 4> sinIsha;
    double sinSunriseAtSeaLevel;
};

const FixedSines& Sines() {
    static const FixedSines sines = [] {
        FixedSines f{};
        for (std::size_t r = 0; r < SolarDayTable.size(); ++r) {
            const double dec = SolarDayTable[r].declination * Rad;
            f.sinDec[r] = std::sin(dec);
            f.cosDec[r] = std::cos(dec);
        }
        for (std::size_t w = 0; w < 4; ++w) {
            f.sinFajr[w] = std::sin(-Angles[w].fajr * Rad);
            f.sinIsha[w] = std::sin(-Angles[w].isha * Rad);
        }
        f.sinSunriseAtSeaLevel = std::sin(SunriseAltitude * Rad);
        return f;
    }();
    return sines;
}

// The latitude-dependent terms of the hour-angle formula.
struct SunPath {
    double a;  // sin(phi) x sin(dec)
    double b;  // 1 / (cos(phi) x cos(dec))
};

SunPath PathAt(double latitude, double sinDec, double cosDec) {
    const double phi = latitude * Rad;
    return {std::sin(phi) * sinDec, 1 / (std::cos(phi) * cosDec)};
}

// PathAt for the place's own latitude, with sin and cos of the latitude kept from the previous
// call on this thread: successive calls are nearly always for the same place.
SunPath PathAtPlace(double latitude, double sinDec, double cosDec) {
    struct LatitudeSines {
        double latitude = 0.0;
        double sinPhi = 0.0;  // sin(0) and cos(0)
        double cosPhi = 1.0;
    };
    thread_local LatitudeSines last;
    if (latitude != last.latitude) {
        const double phi = latitude * Rad;
        last = {latitude, std::sin(phi), std::cos(phi)};
    }
    return {last.sinPhi * sinDec, 1 / (last.cosPhi * cosDec)};
}

// The cosine of the hour angle at which the sun stands at an altitude whose sine is given.
double CosHourAngle(double sinAltitude, const SunPath& path) {
    return (sinAltitude - path.a) * path.b;
}

// An hour angle's cosine as hours.
double Hours(double cosHourAngle) {
    return std::acos(cosHourAngle) * InversePi * 180 * DegreesToHours;
}

bool InRange(double cosine) {
    return cosine >= -1.0 && cosine <= 1.0;
}

// Rows counted from 1 January = 1 over the month lengths of the year, as the times have always
// been looked up (so 1 January reads row 1 and 31 December of a year divisible by 4 reads the
// row past the table's end, for which the last row stands).
int RowFor(const CalendarFields& date) {
    SetFebruaryFor(date.year);
    int row = date.day;
    for (int m = 0; m < date.month - 1; ++m) {
        row += GregorianMonthDays[m];
    }
    return std::min(row, 365);
}

std::array<DecimalHours, 6> TimesOfDay(const CalendarFields& date, const PrayerSettings& settings) {
    const FixedSines& sines = Sines();
    const int row = RowFor(date);
    const SolarDay& day = SolarDayTable[row];
    const double sinDec = sines.sinDec[row];
    const double cosDec = sines.cosDec[row];
    const double e = day.equationOfTime * day.sign;
    const double delta = day.declination;
    const double noonOffset = settings.daylightSavingActive ? 13 : 12;
    // Coordinates that are not numbers (a damaged settings file) count as 0, so that every time
    // stays a number.
    const double longitude = std::isfinite(settings.longitude) ? settings.longitude : 0.0;
    // The zone's meridian: minutes / 4 degrees, which for whole hours is 15 x hours exactly.
    const double thuhr = e * MinutesToHours +
                         (settings.gmtOffsetMinutes / 4.0 - longitude) * DegreesToHours +
                         noonOffset;

    // A negative altitude counts as sea level (the horizon is not raised).
    const double altitude =
        std::isfinite(settings.altitude) ? std::max(settings.altitude, 0.0) : 0.0;
    const double sinSunrise =
        altitude == 0
            ? sines.sinSunriseAtSeaLevel
            : std::sin((SunriseAltitude - HorizonDipPerRootMetre * std::sqrt(altitude)) * Rad);

    // A latitude beyond a pole counts as the pole.
    double latitude = std::isfinite(settings.latitude)
                          ? std::clamp(settings.latitude, MinLatitude, MaxLatitude)
                          : 0.0;
    SunPath path = PathAtPlace(latitude, sinDec, cosDec);
    double cosSunrise = CosHourAngle(sinSunrise, path);
    if (!InRange(cosSunrise)) {
        // Midnight sun or polar night: take the nearest latitude toward the equator at which the
        // sun rises and sets, and compute every time there. Between the equator (where it always
        // does) and the given latitude there is one boundary; bisect to it and keep the side on
        // which the sun still rises.
        double inside = 0.0;
        double outside = latitude;
        if (InRange(CosHourAngle(sinSunrise, PathAt(inside, sinDec, cosDec)))) {
            while (std::fabs(outside - inside) > LatitudeSearchStep) {
                const double middle = (inside + outside) / 2;
                if (InRange(CosHourAngle(sinSunrise, PathAt(middle, sinDec, cosDec)))) {
                    inside = middle;
                } else {
                    outside = middle;
                }
            }
            latitude = inside;
            path = PathAt(latitude, sinDec, cosDec);
            cosSunrise = CosHourAngle(sinSunrise, path);
        }
        // Only a horizon lowered by an altitude no place has keeps the sun from rising even at
        // the equator; the clamp keeps those times finite.
        cosSunrise = std::clamp(cosSunrise, -1.0, 1.0);
    }
    const double sunriseHours = Hours(cosSunrise);
    const double shrook = thuhr - sunriseHours;
    const double maghrib = thuhr + sunriseHours;
    // The seventh-of-the-night rule for a Fajr or Isha the sun's depression never reaches (the
    // white nights of high latitudes): the night runs from Maghrib to the next sunrise.
    const double night = 24 - (maghrib - shrook);
    const double seventhOfNight = night / 7;

    const int way = ValidCalculationWay(settings.calculationWay);

    // std::min/max keep Fajr before sunrise and Isha after sunset even where an absurd altitude
    // lowers the horizon below the twilight angle.
    const double cosFajr = CosHourAngle(sines.sinFajr[way], path);
    const double fajr =
        InRange(cosFajr) ? std::min(thuhr - Hours(cosFajr), shrook) : shrook - seventhOfNight;
    double isha = 0;
    if (way == UmmAlQura) {
        // Where the night is shorter than three hours, ninety minutes would put Isha after the
        // next Fajr; it then comes at the middle of the night.
        isha = maghrib + std::min(UmmAlQuraIshaDelay, night / 2);
    } else {
        const double cosIsha = CosHourAngle(sines.sinIsha[way], path);
        isha =
            InRange(cosIsha) ? std::max(thuhr + Hours(cosIsha), maghrib) : maghrib + seventhOfNight;
    }

    // Asr: the sun's altitude at which a shadow is its object's length plus the noon shadow.
    // Near the polar night the sun may stay below that altitude all day (cosine above 1) and the
    // shadow rule loses its meaning as the noon sun nears the horizon: the cosine is clamped
    // into -1..1 (Asr at Thuhr when the altitude is never reached) and Asr is kept no later than
    // Maghrib.
    const double x = 1 + std::tan(std::fabs(latitude - delta) * Rad);
    const double asrAltitude = std::atan(1 / x);
    const double cosAsr = std::clamp(CosHourAngle(std::sin(asrAltitude), path), -1.0, 1.0);
    const double asr = std::min(thuhr + Hours(cosAsr), maghrib);

    return {fajr, shrook, thuhr, asr, maghrib, isha};
}

}  // namespace

std::array<DecimalHours, 6> ComputePrayerTimes(std::int64_t when, const PrayerSettings& settings) {
    return TimesOfDay(BreakLocal(when), settings);
}

std::array<DecimalHours, 6> ComputePrayerTimesOnDate(int year, int month, int day,
                                                     const PrayerSettings& settings) {
    CalendarFields date;
    date.year = year;
    date.month = month;
    date.day = day;
    return TimesOfDay(date, settings);
}

DecimalHours ComputePrayerTime(int index, std::int64_t when, const PrayerSettings& settings) {
    return ComputePrayerTimes(when, settings)[WrapPrayerIndex(index)];
}

int WrapPrayerIndex(int index) {
    if (index > Isha) {
        return Fajr;
    }
    if (index < Fajr) {
        return Isha;
    }
    return index;
}

bool ValidLatitude(double degrees) {
    return degrees >= MinLatitude && degrees <= MaxLatitude;
}

bool ValidLongitude(double degrees) {
    return degrees >= MinLongitude && degrees <= MaxLongitude;
}

bool ValidAltitude(double metres) {
    return metres >= MinAltitude && metres <= MaxAltitude;
}

bool ValidGmtOffsetHours(int hours) {
    return hours >= MinGmtOffsetHours && hours <= MaxGmtOffsetHours;
}

int ValidCalculationWay(int way) {
    return way >= EgyptianSurvey && way <= WorldIslamicLeague ? way : EgyptianSurvey;
}

ClockMinute CutToClockMinute(DecimalHours time) {
    if (!std::isfinite(time)) {
        return {};  // never given by ComputePrayerTime
    }
    // fmod is exact, so the minutes come out as they do for the same time within the day.
    double within = std::fmod(time, 24.0);
    if (within < 0) {
        within += 24;
        if (within >= 24) {
            within = 0;  // a whole number of days before: that day's midnight
        }
    }
    // The whole days the time lies away from its date (kept in int's range for any finite time).
    const double days = std::clamp(std::round((time - within) / 24.0), -1e6, 1e6);
    const int shift = static_cast<int>(days);
    const int hour = static_cast<int>(within);
    return {shift, hour, static_cast<int>((within - hour) * 60)};
}

ClockTimeParts ClockTimeOf(int index, DecimalHours time, AmPmLetters letters) {
    const ClockMinute hm = CutToClockMinute(time);
    const bool pm = hm.hour > 12 || (hm.hour == 12 && WrapPrayerIndex(index) >= Thuhr);
    const bool upper = letters == AmPmLetters::Upper;
    return {
        hm.hour > 12 ? hm.hour - 12 : hm.hour, hm.minute,
        pm ? (upper ? QT_TRANSLATE_NOOP("salvenor", "PM") : QT_TRANSLATE_NOOP("salvenor", "pm"))
           : (upper ? QT_TRANSLATE_NOOP("salvenor", "AM") : QT_TRANSLATE_NOOP("salvenor", "am"))};
}

std::string FormatDecimalTime(int index, DecimalHours time, AmPmLetters letters) {
    const ClockTimeParts parts = ClockTimeOf(index, time, letters);
    return StrPrintf("%d:%02d %s", parts.hour, parts.minute, parts.suffix);
}

std::string FormatPrayerTime(int index, std::int64_t now, const PrayerSettings& settings) {
    return FormatDecimalTime(index, ComputePrayerTime(index, now, settings));
}

int SystemGmtOffsetMinutes(std::int64_t now) {
    const CalendarFields local = BreakLocal(now);
    // Daylight saving counts as one hour, as the computation adds one hour for it; so standard
    // offset + 60 minutes x flag is always the clock's true offset.
    return static_cast<int>(local.gmtOffsetSeconds / 60) - (DaylightSavingIn(local) ? 60 : 0);
}

int SystemGmtOffset(std::int64_t now) {
    return SystemGmtOffsetMinutes(now) / 60;
}

}  // namespace salvenor
