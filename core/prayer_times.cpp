// The six daily times from the built-in solar table, the way a time is written, and the zone
// offset read from the system clock.
#include "core/prayer_times.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/hijri.h"
#include "core/local_time.h"
#include "core/month_days.h"
#include "core/solar_position.h"
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

// Ramadan, the Hijri month in which Umm al-Qura's Isha comes later.
constexpr int RamadanMonth = 9;

// From this latitude the Moonsighting Committee starts Fajr and Isha from a seventh of the night.
constexpr double SeasonalHighLatitude = 55;

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

// The nearest latitude toward the equator from `latitude`, where the sun neither rises nor sets,
// at which it does (the equator must be such a latitude). Between the two there is one boundary;
// bisect to it and keep the side on which the sun still rises.
double RisingLatitude(double latitude, double sinSunrise, double sinDec, double cosDec) {
    double inside = 0.0;
    double outside = latitude;
    while (std::fabs(outside - inside) > LatitudeSearchStep) {
        const double middle = (inside + outside) / 2;
        if (InRange(CosHourAngle(sinSunrise, PathAt(middle, sinDec, cosDec)))) {
            inside = middle;
        } else {
            outside = middle;
        }
    }
    return inside;
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
        // sun rises and sets, and compute every time there.
        if (InRange(CosHourAngle(sinSunrise, PathAt(0.0, sinDec, cosDec)))) {
            latitude = RisingLatitude(latitude, sinSunrise, sinDec, cosDec);
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

// What a computation with options follows, resolved from the convention, the custom angles or the
// built-in way.
struct Method {
    double fajrAngle = 0;
    double ishaAngle = 0;
    double ishaHours = 0;  // Isha this long after Maghrib; 0: by the Isha angle
    double maghribAngle = 0;
    bool seasonalTwilight = false;
    bool nightEndsAtFajr = false;
    std::array<int, 6> minutes{};  // the convention's own minutes plus the user's
};

// `value` taken into low..high; `otherwise` for a value that is not a number.
double InRangeOr(double value, double low, double high, double otherwise) {
    return std::isnan(value) ? otherwise : std::clamp(value, low, high);
}

Method MethodFor(const CalendarFields& date, const PrayerSettings& settings) {
    const CalculationOptions& options = settings.calculation;
    Method m;
    const Convention* row = FindConvention(options.convention);
    if (row != nullptr) {
        int ishaMinutes = row->ishaMinutes;
        if (row->ramadanIshaMinutes > 0 &&
            GregorianToHijriShifted(date.day, date.month, date.year, options.hijriAdjustDays)
                    .month == RamadanMonth) {
            ishaMinutes = row->ramadanIshaMinutes;
        }
        m = {row->fajrAngle,    row->ishaAngle,        ishaMinutes * MinutesToHours,
             row->maghribAngle, row->seasonalTwilight, row->nightEndsAtFajr,
             row->minuteOffsets};
    } else if (options.convention == CustomConventionName) {
        // Values out of range (a damaged settings file) are taken to the nearest in range.
        m.fajrAngle = InRangeOr(options.customFajrAngle, MinCustomAngle, MaxCustomAngle, 18);
        m.ishaAngle = InRangeOr(options.customIshaAngle, MinCustomAngle, MaxCustomAngle, 17);
        m.ishaHours =
            std::clamp(options.customIshaMinutes, 0, MaxCustomIshaMinutes) * MinutesToHours;
    } else {
        // No convention (or a name no row has): the built-in way.
        const int way = ValidCalculationWay(settings.calculationWay);
        m.fajrAngle = Angles[way].fajr;
        m.ishaAngle = Angles[way].isha;
        m.ishaHours = way == UmmAlQura ? UmmAlQuraIshaDelay : 0;
    }
    for (std::size_t i = 0; i < m.minutes.size(); ++i) {
        m.minutes[i] += std::clamp(options.adjustMinutes[i], MinAdjustMinutes, MaxAdjustMinutes);
    }
    return m;
}

// Khalid Shaukat's season-adjusted twilight for the Moonsighting Committee, as moonsighting.com
// publishes it: minutes before sunrise (Fajr) or after sunset (Isha,
// shafaq general) that run through four values a, b, c, d over the days since the winter
// solstice (21 December in the north, 21 June in the south).
double SeasonalTwilightMinutes(bool fajr, double latitude, const CalendarFields& date) {
    const double l = std::fabs(latitude) / 55;
    const std::array<double, 4> v =
        fajr
            ? std::array<double, 4>{75 + 28.65 * l, 75 + 19.44 * l, 75 + 32.74 * l, 75 + 48.10 * l}
            : std::array<double, 4>{75 + 25.60 * l, 75 + 2.050 * l, 75 - 9.210 * l, 75 + 6.140 * l};
    const int solsticeMonth = latitude >= 0 ? 12 : 6;
    const double day = JulianDay(date.year, date.month, date.day);
    double solstice = JulianDay(date.year, solsticeMonth, 21);
    if (solstice > day) {
        solstice = JulianDay(date.year - 1, solsticeMonth, 21);
    }
    const double d = day - solstice;
    const auto [a, b, c, dd] = v;
    if (d < 91) {
        return a + (b - a) / 91 * d;
    }
    if (d < 137) {
        return b + (c - b) / 46 * (d - 91);
    }
    if (d < 183) {
        return c + (dd - c) / 46 * (d - 137);
    }
    if (d < 229) {
        return dd + (c - dd) / 46 * (d - 183);
    }
    if (d < 275) {
        return c + (b - c) / 46 * (d - 229);
    }
    return b + (a - b) / 91 * (d - 275);
}

// The share of the night a high-latitude rule gives the twilight of `angle` degrees.
double NightShare(HighLatitudeRule rule, double angle) {
    switch (rule) {
        case HighLatitudeRule::MiddleOfNight:
            return 0.5;
        case HighLatitudeRule::AngleBased:
            return angle / 60;
        case HighLatitudeRule::SeventhOfNight:
            break;
    }
    return 1.0 / 7;
}

// One day's sun in the computation's local hours: from the built-in table (the declination and
// the equation of time of the day's row) or computed for the moment of each event.
class DaySun {
  public:
    DaySun(const CalendarFields& date, const PrayerSettings& settings, double latitude,
           double longitude, double sinSunrise) {
        const double zoneHours =
            settings.gmtOffsetMinutes * MinutesToHours + (settings.daylightSavingActive ? 1 : 0);
        if (settings.calculation.sun == SunModel::Computed) {
            // The declination of the day is the sun's at its transit: the noon shadow is the
            // shadow at noon.
            const double jd0 = JulianDay(date.year, date.month, date.day);
            computed_.emplace(jd0, latitude, longitude);
            const double transit = computed_->Transit();
            declination_ = computed_->DeclinationAtTransit();
            ChooseLatitude(latitude, sinSunrise);
            if (latitude_ != latitude) {
                computed_.emplace(jd0, latitude_, longitude);
            }
            zoneHours_ = zoneHours;
            noon_ = transit + zoneHours;
        } else {
            const int row = RowFor(date);
            const SolarDay& day = SolarDayTable[row];
            declination_ = day.declination;
            const double e = day.equationOfTime * day.sign;
            noon_ = e * MinutesToHours +
                    (settings.gmtOffsetMinutes / 4.0 - longitude) * DegreesToHours +
                    (settings.daylightSavingActive ? 13 : 12);
            ChooseLatitude(latitude, sinSunrise);
        }
    }

    double Noon() const { return noon_; }
    double Latitude() const { return latitude_; }
    double Declination() const { return declination_; }  // degrees, at noon

    // When the sun stands at `altitude` degrees before (side -1) or after (+1) noon; nullopt
    // where it never does.
    std::optional<double> At(double altitude, int side) const {
        if (computed_) {
            const std::optional<double> t = computed_->AtAltitude(altitude, side);
            return t ? std::optional<double>(*t + zoneHours_) : std::nullopt;
        }
        const double cosine = CosHourAngle(std::sin(altitude * Rad), path_);
        return InRange(cosine) ? std::optional<double>(noon_ + side * Hours(cosine)) : std::nullopt;
    }

    // At, or where the altitude is never reached the nearest the sun comes to it: noon where it
    // stays below, midnight where it stays above.
    double Nearest(double altitude, int side) const {
        const std::optional<double> t = At(altitude, side);
        if (t) {
            return *t;
        }
        const double cosine = std::clamp(CosHourAngle(std::sin(altitude * Rad), path_), -1.0, 1.0);
        return noon_ + side * Hours(cosine);
    }

  private:
    // The place's latitude, or where the sun neither rises nor sets the nearest latitude toward
    // the equator at which it does (as for the built-in way), and the sun's path there.
    void ChooseLatitude(double latitude, double sinSunrise) {
        const double sinDec = std::sin(declination_ * Rad);
        const double cosDec = std::cos(declination_ * Rad);
        latitude_ = latitude;
        path_ = PathAtPlace(latitude, sinDec, cosDec);
        if (!InRange(CosHourAngle(sinSunrise, path_)) &&
            InRange(CosHourAngle(sinSunrise, PathAt(0.0, sinDec, cosDec)))) {
            latitude_ = RisingLatitude(latitude, sinSunrise, sinDec, cosDec);
            path_ = PathAt(latitude_, sinDec, cosDec);
        }
    }

    std::optional<SolarEvents> computed_;
    double zoneHours_ = 0;
    double noon_ = 0;
    double declination_ = 0;
    double latitude_ = 0;
    SunPath path_{};
};

// The six times with calculation options: the convention's (or custom or built-in) angles, the
// Asr shadow, the high-latitude rule, the sun model and the minutes added to each time.
std::array<DecimalHours, 6> TimesWithOptions(const CalendarFields& date,
                                             const PrayerSettings& settings) {
    const CalculationOptions& options = settings.calculation;
    const Method method = MethodFor(date, settings);

    const double longitude = std::isfinite(settings.longitude) ? settings.longitude : 0.0;
    const double altitude =
        std::isfinite(settings.altitude) ? std::max(settings.altitude, 0.0) : 0.0;
    const double sunriseAltitude = SunriseAltitude - HorizonDipPerRootMetre * std::sqrt(altitude);
    const double placeLatitude = std::isfinite(settings.latitude)
                                     ? std::clamp(settings.latitude, MinLatitude, MaxLatitude)
                                     : 0.0;
    const DaySun sun(date, settings, placeLatitude, longitude, std::sin(sunriseAltitude * Rad));
    // The table's row lookup sets February for the date's year; the computed sun keeps that
    // side effect too (the Hijri conversion above may have set another year's).
    SetFebruaryFor(date.year);

    const double thuhr = sun.Noon();
    const double shrook = sun.Nearest(sunriseAltitude, -1);
    const double sunset = sun.Nearest(sunriseAltitude, +1);
    const double night = 24 - (sunset - shrook);

    double fajr = 0;
    double isha = 0;
    const std::optional<double> fajrByAngle = sun.At(-method.fajrAngle, -1);
    const std::optional<double> ishaByAngle = sun.At(-method.ishaAngle, +1);
    if (method.seasonalTwilight) {
        // From 55 degrees a seventh of the night, below it the angle; never earlier (Fajr) or
        // later (Isha) than the seasonal twilight.
        const bool high = std::fabs(placeLatitude) >= SeasonalHighLatitude;
        const double seasonalFajr =
            shrook - SeasonalTwilightMinutes(true, placeLatitude, date) * MinutesToHours;
        const double seasonalIsha =
            sunset + SeasonalTwilightMinutes(false, placeLatitude, date) * MinutesToHours;
        fajr =
            std::max(high ? shrook - night / 7 : fajrByAngle.value_or(seasonalFajr), seasonalFajr);
        isha =
            std::min(high ? sunset + night / 7 : ishaByAngle.value_or(seasonalIsha), seasonalIsha);
    } else {
        fajr = fajrByAngle ? *fajrByAngle
                           : shrook - night * NightShare(options.highLatitude, method.fajrAngle);
        // Tehran's night, which its high-latitude share divides, ends at Fajr.
        const double ishaNight = method.nightEndsAtFajr && fajrByAngle ? fajr + 24 - sunset : night;
        isha = ishaByAngle
                   ? *ishaByAngle
                   : sunset + ishaNight * NightShare(options.highLatitude, method.ishaAngle);
    }
    fajr = std::min(fajr, shrook);
    isha = std::max(isha, sunset);

    double maghrib = sunset;
    if (method.maghribAngle > 0) {
        maghrib = std::max(sun.At(-method.maghribAngle, +1).value_or(sunset), sunset);
    }
    if (method.ishaHours > 0) {
        // Where the night is shorter than twice the interval, Isha comes at the middle of it.
        isha = maghrib + std::min(method.ishaHours, night / 2);
    }
    maghrib = std::min(maghrib, isha);

    // Asr: the shadow is `shadow` object lengths beyond the noon shadow.
    const double shadow = options.asr == AsrShadow::Hanafi ? 2 : 1;
    const double x = shadow + std::tan(std::fabs(sun.Latitude() - sun.Declination()) * Rad);
    const double asr = std::min(sun.Nearest(std::atan(1 / x) / Rad, +1), sunset);

    std::array<DecimalHours, 6> times = {fajr, shrook, thuhr, asr, maghrib, isha};
    for (std::size_t i = 0; i < times.size(); ++i) {
        times[i] += method.minutes[i] * MinutesToHours;
        // Minutes added to one time never take it before the time ahead of it.
        if (i > 0) {
            times[i] = std::max(times[i], times[i - 1]);
        }
    }
    return times;
}

// Whether the options leave every time as the built-in way computes it.
bool TimesAsBuiltIn(const CalculationOptions& options) {
    // The minutes or'ed together rather than compared as an array, which calls memcmp.
    int minutes = 0;
    for (const int m : options.adjustMinutes) {
        minutes |= m;
    }
    return options.convention.empty() && options.asr == AsrShadow::Standard &&
           options.highLatitude == HighLatitudeRule::SeventhOfNight &&
           options.sun == SunModel::Table && minutes == 0;
}

std::array<DecimalHours, 6> TimesOf(const CalendarFields& date, const PrayerSettings& settings) {
    return TimesAsBuiltIn(settings.calculation) ? TimesOfDay(date, settings)
                                                : TimesWithOptions(date, settings);
}

}  // namespace

std::array<DecimalHours, 6> ComputePrayerTimes(std::int64_t when, const PrayerSettings& settings) {
    return TimesOf(BreakLocal(when), settings);
}

std::array<DecimalHours, 6> ComputePrayerTimesOnDate(int year, int month, int day,
                                                     const PrayerSettings& settings) {
    CalendarFields date;
    date.year = year;
    date.month = month;
    date.day = day;
    return TimesOf(date, settings);
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

std::string FormatDecimalTime(int index, DecimalHours time, const WordsOf& words,
                              AmPmLetters letters) {
    const ClockTimeParts parts = ClockTimeOf(index, time, letters);
    return words.digits(StrPrintf("%d:%02d", parts.hour, parts.minute)) + ' ' + words(parts.suffix);
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
