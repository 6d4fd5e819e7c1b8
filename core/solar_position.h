// The sun's apparent position for any moment and the moments of a day at which it crosses the
// meridian or stands at a given altitude, from the published formulas of Jean Meeus,
// "Astronomical Algorithms", 2nd ed. (Willmann-Bell, 1998): the Julian day (ch. 7), sidereal time
// (ch. 12), nutation and obliquity (ch. 22, low accuracy) and the solar coordinates (ch. 25, low
// accuracy: 0.01 degree). Each event is found as in ch. 15: a first estimate from the sun's
// position at 0h UT, corrected with the sun's position at the estimate itself (interpolated from
// its positions at 0h of the day before, the day and the day after), which puts it within a
// second or so of the exact moment.
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

// The sun's mean longitude and mean anomaly at an instant (Meeus 25.2, 25.3), taken into
// 0..360 degrees so that the sines of a day's moments are those of small angles, with the
// coefficients of the equation of the centre (25.4) and the correction of 25.8, which hardly
// change in a day.
struct SolarOrbit {
    double meanLongitude;  // degrees
    double meanAnomaly;    // degrees
    double center1;
    double center2;
    double correction;  // degrees
};

// One UT calendar day's sun seen from one place: its positions at 0h UT of the day before, the
// day and the day after, interpolated to each moment asked (Meeus ch. 15).
class SolarEvents {
  public:
    // `julianDay0h`: 0h UT of the day; latitude and longitude in degrees (east positive).
    SolarEvents(double julianDay0h, double latitude, double longitude);

    // The sun's declination in degrees at 0h UT of the day, and at its transit.
    double Declination0h() const;
    double DeclinationAtTransit() const;

    // The moment of the day's transit, in hours from 0h UT of the day.
    double Transit() const;

    // The moment before (side -1) or after (side +1) the transit at which the sun's centre stands
    // at `altitude` degrees (negative below the horizon, within 80 degrees of it); nullopt where it
    // does not reach that altitude on that day.
    std::optional<double> AtAltitude(double altitude, int side) const;

  private:
    struct Place {
        double sinDeclination;
        double cosDeclination;
        double hourAngle;  // local, degrees -180..180
    };
    Place At(double hours) const;

    // Quadratic interpolation over three values a day apart (Meeus 3.3), by the days from the
    // middle one.
    struct Interpolation {
        double middle;
        double before;  // middle minus the value before
        double after;   // the value after minus the middle
        double At(double n) const;
    };

    double longitude_;
    double sinLatitude_;
    double cosLatitude_;
    double siderealTime0h_;  // apparent, at Greenwich, degrees
    Interpolation alpha_;    // right ascension, degrees (continuous across 0/360)
    Interpolation sinDeclination_;
    Interpolation cosDeclination_;
    Place start_;                  // at 0h UT
    double approximateTransit_;    // hours
    double transit_;               // hours
    double declinationAtTransit_;  // degrees
};

}  // namespace salvenor
