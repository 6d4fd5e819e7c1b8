// The sun's apparent position for any moment and the moments of a day at which it crosses the
// meridian or stands at a given altitude, from the published formulas of Jean Meeus,
// "Astronomical Algorithms", 2nd ed. (Willmann-Bell, 1998): the Julian day (ch. 7), sidereal time
// (ch. 12), nutation and obliquity (ch. 22, low accuracy) and the solar coordinates (ch. 25, low
// accuracy: 0.01 degree). Each event is found as in ch. 15: a first estimate from the sun's
// position at 0h UT, corrected with the sun's position at the estimate itself, which puts it
// within a second or so of the exact moment.
#pragma once

#include <optional>

namespace salvenor {

// The Julian day of 0h UT of a Gregorian calendar date (Meeus 7.1).
double JulianDay(int year, int month, int day);

struct SunPosition {
    double declination;     // apparent, degrees
    double rightAscension;  // apparent, degrees 0..360
    double siderealTime;    // apparent sidereal time at Greenwich, degrees 0..360
};

// The sun at a Julian day (UT; the 70 s or so between UT and dynamical time move the sun by less
// than 0.001 degree, a tenth of a second in its times, and are left out).
SunPosition SunAt(double julianDay);

// One UT calendar day's sun seen from one place: the terms that change little in a day are
// computed once, the rest at each moment asked.
class SolarEvents {
  public:
    // `julianDay0h`: 0h UT of the day; latitude and longitude in degrees (east positive).
    SolarEvents(double julianDay0h, double latitude, double longitude);

    // The sun's declination in degrees at 0h UT of the day.
    double Declination0h() const;

    // The moment of the day's transit, in hours from 0h UT of the day.
    double Transit() const;

    // The moment before (side -1) or after (side +1) the transit at which the sun's centre stands
    // at `altitude` degrees (negative below the horizon); nullopt where it does not reach that
    // altitude on that day.
    std::optional<double> AtAltitude(double altitude, int side) const;

  private:
    struct Place {
        double declination;
        double hourAngle;  // local, degrees -180..180
    };
    Place At(double hours) const;

    double jd0_;
    double longitude_;
    double sinLatitude_;
    double cosLatitude_;
    double sinObliquity_;
    double cosObliquity_;
    double longitudeCorrection_;  // nutation and aberration in the sun's longitude, degrees
    double equationOfEquinoxes_;  // apparent minus mean sidereal time, degrees
    double declination0h_;
    double approximateTransit_;  // hours
};

}  // namespace salvenor
