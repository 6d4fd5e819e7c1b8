// The sun's apparent position and the moments of its daily events (Meeus, "Astronomical
// Algorithms", 2nd ed., chapters 7, 12, 15, 22 and 25; equation numbers below are the book's).
#include "core/solar_position.h"

#include <algorithm>
#include <cmath>

namespace salvenor {

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Deg = Pi / 180;
constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525;

// Degrees an hour below which an event's correction is not applied (the sun at the meridian),
// and the largest correction applied.
constexpr double MinAltitudeRate = 1e-9;
constexpr double MaxCorrectionHours = 0.25;

// An angle in degrees taken into -180..180.
double Signed(double degrees) {
    return std::remainder(degrees, 360.0);
}

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

double Centuries(double julianDay) {
    return (julianDay - J2000) / DaysPerCentury;
}

// The terms that move little within a day: nutation in longitude and the obliquity (ch. 22, its
// four-term low-accuracy series), and the sun's nutation-and-aberration correction (ch. 25).
struct SlowTerms {
    double obliquity;            // apparent, degrees (25.8)
    double longitudeCorrection;  // degrees (25.8)
    double equationOfEquinoxes;  // degrees (ch. 12: nutation in longitude x cos obliquity)
};

SlowTerms SlowTermsAt(double t) {
    const double omega = (125.04452 - 1934.136261 * t) * Deg;
    const double sunMean = (280.4665 + 36000.7698 * t) * Deg;
    const double moonMean = (218.3165 + 481267.8813 * t) * Deg;
    const double nutationInLongitude =
        (-17.20 * std::sin(omega) - 1.32 * std::sin(2 * sunMean) - 0.23 * std::sin(2 * moonMean) +
         0.21 * std::sin(2 * omega)) /
        3600;
    const double nutationInObliquity =
        (9.20 * std::cos(omega) + 0.57 * std::cos(2 * sunMean) + 0.10 * std::cos(2 * moonMean) -
         0.09 * std::cos(2 * omega)) /
        3600;
    // Mean obliquity (22.2).
    const double mean =
        23.4392911111 + (-46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600;
    return {mean + 0.00256 * std::cos(omega), -0.00569 - 0.00478 * std::sin(omega),
            nutationInLongitude * std::cos((mean + nutationInObliquity) * Deg)};
}

// The sun's apparent longitude in degrees (ch. 25: 25.2, 25.3, 25.4, 25.8).
double ApparentLongitude(double t, double correction) {
    const double meanLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double meanAnomaly = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * Deg;
    const double s = std::sin(meanAnomaly);
    const double c = std::cos(meanAnomaly);
    const double sin2 = 2 * s * c;
    const double sin3 = s * (3 - 4 * s * s);
    const double center = (1.914602 - 0.004817 * t - 0.000014 * t * t) * s +
                          (0.019993 - 0.000101 * t) * sin2 + 0.000289 * sin3;
    return meanLongitude + center + correction;
}

// Mean sidereal time at Greenwich in degrees (12.4).
double MeanSiderealTime(double julianDay) {
    const double days = julianDay - J2000;
    const double t = days / DaysPerCentury;
    // 360.98564736629 x days split so that the whole turns drop out before the sum.
    return Normalized(280.46061837 + 0.98564736629 * days + 360 * (days - std::floor(days)) +
                      0.000387933 * t * t - t * t * t / 38710000);
}

}  // namespace

double JulianDay(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b -
           1524.5;
}

SunPosition SunAt(double julianDay) {
    const double t = Centuries(julianDay);
    const SlowTerms slow = SlowTermsAt(t);
    const double lambda = ApparentLongitude(t, slow.longitudeCorrection) * Deg;
    const double epsilon = slow.obliquity * Deg;
    const double alpha = std::atan2(std::cos(epsilon) * std::sin(lambda), std::cos(lambda));
    return {std::asin(std::sin(epsilon) * std::sin(lambda)) / Deg, Normalized(alpha / Deg),
            Normalized(MeanSiderealTime(julianDay) + slow.equationOfEquinoxes)};
}

SolarEvents::SolarEvents(double julianDay0h, double latitude, double longitude)
    : jd0_(julianDay0h), longitude_(longitude) {
    const SlowTerms slow = SlowTermsAt(Centuries(julianDay0h + 0.5));
    sinLatitude_ = std::sin(latitude * Deg);
    cosLatitude_ = std::cos(latitude * Deg);
    sinObliquity_ = std::sin(slow.obliquity * Deg);
    cosObliquity_ = std::cos(slow.obliquity * Deg);
    longitudeCorrection_ = slow.longitudeCorrection;
    equationOfEquinoxes_ = slow.equationOfEquinoxes;
    // 15.2: with the sun's right ascension of 0h the sun comes to the meridian when the sidereal
    // time has turned by the hour angle it has then; within the day (0..24 h).
    const Place start = At(0);
    declination0h_ = start.declination;
    approximateTransit_ = Normalized(-start.hourAngle) / 15;
}

SolarEvents::Place SolarEvents::At(double hours) const {
    const double jd = jd0_ + hours / 24;
    const double lambda = ApparentLongitude(Centuries(jd), longitudeCorrection_) * Deg;
    const double sinLambda = std::sin(lambda);
    const double alpha = std::atan2(cosObliquity_ * sinLambda, std::cos(lambda)) / Deg;
    const double hourAngle = MeanSiderealTime(jd) + equationOfEquinoxes_ + longitude_ - alpha;
    return {std::asin(sinObliquity_ * sinLambda) / Deg, Signed(hourAngle)};
}

double SolarEvents::Transit() const {
    // 15.2's correction with the sun's hour angle at the approximate transit.
    return approximateTransit_ - At(approximateTransit_).hourAngle / 15;
}

std::optional<double> SolarEvents::AtAltitude(double altitude, int side) const {
    // 15.1: the hour angle at which the sun reaches the altitude with the declination of 0h ...
    const double h0 = altitude * Deg;
    const double cosH0 = (std::sin(h0) - sinLatitude_ * std::sin(declination0h_ * Deg)) /
                         (cosLatitude_ * std::cos(declination0h_ * Deg));
    if (!(cosH0 >= -1 && cosH0 <= 1)) {
        return std::nullopt;
    }
    const double estimate = approximateTransit_ + side * std::acos(cosH0) / Deg / 15;
    // ... then 15.2's correction with the sun's position at that estimate: the altitude it has
    // there against the one sought, over the rate at which the altitude changes.
    const Place p = At(estimate);
    const double dec = p.declination * Deg;
    const double hourAngle = p.hourAngle * Deg;
    const double h = std::asin(sinLatitude_ * std::sin(dec) +
                               cosLatitude_ * std::cos(dec) * std::cos(hourAngle));
    const double rate = 15 * std::cos(dec) * cosLatitude_ * std::sin(hourAngle);
    if (std::fabs(rate) < MinAltitudeRate) {
        return estimate;  // at the meridian or the pole, where the altitude hardly changes
    }
    // Near midnight or noon, where the sun barely reaches the altitude, the rate nears 0 and the
    // linear correction loses its meaning; a correction is a few minutes at most elsewhere.
    return estimate + std::clamp((h - h0) / Deg / rate, -MaxCorrectionHours, MaxCorrectionHours);
}

double SolarEvents::Declination0h() const {
    return declination0h_;
}

}  // namespace salvenor
