// The sun's apparent position and the moments of its daily events (Meeus, "Astronomical
// Algorithms", 2nd ed., chapters 7, 12, 15, 22 and 25; equation numbers below are the book's).
#include "core/solar_position.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace salvenor {

namespace {

constexpr double Pi = 3.141592653589793;
constexpr double Deg = Pi / 180;
constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525;
constexpr double SiderealDegreesPerDay = 360.98564736629;

// Degrees an hour below which an event's correction is not applied (the sun at the meridian),
// and the largest correction applied.
constexpr double MinAltitudeRate = 1e-9;
constexpr double MaxCorrectionHours = 0.25;

// An angle in degrees taken into -180..180 (for the angles of a day, a few turns at most).
double Signed(double degrees) {
    return degrees - 360 * std::nearbyint(degrees / 360);
}

double Normalized(double degrees) {
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

double Centuries(double julianDay) {
    return (julianDay - J2000) / DaysPerCentury;
}

// The terms that move little within a day: the obliquity, the sun's nutation-and-aberration
// correction (ch. 25) and the equation of the equinoxes (ch. 12), with the nutation in longitude
// of ch. 22's four-term series (0.5"; the nutation in obliquity changes the cosine it is
// multiplied by in the fifth decimal and is left out).
struct SlowTerms {
    double sinObliquity;  // apparent (25.8)
    double cosObliquity;
    double longitudeCorrection;  // degrees (25.8)
    double equationOfEquinoxes;  // degrees
};

SlowTerms SlowTermsAt(double t) {
    const double omega = (125.04452 - 1934.136261 * t) * Deg;
    const double sinOmega = std::sin(omega);
    const double cosOmega = std::cos(omega);
    const double sunMean = (280.4665 + 36000.7698 * t) * Deg;
    const double moonMean = (218.3165 + 481267.8813 * t) * Deg;
    const double nutationInLongitude =
        (-17.20 * sinOmega - 1.32 * std::sin(2 * sunMean) - 0.23 * std::sin(2 * moonMean) +
         0.42 * sinOmega * cosOmega) /
        3600;
    // Mean obliquity (22.2), then apparent (25.8).
    const double obliquity =
        (23.4392911111 + (-46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600 +
         0.00256 * cosOmega) *
        Deg;
    const double cosObliquity = std::cos(obliquity);
    return {std::sin(obliquity), cosObliquity, -0.00569 - 0.00478 * sinOmega,
            nutationInLongitude * cosObliquity};
}

SolarOrbit OrbitAt(double t, double correction) {
    return {Normalized(280.46646 + 36000.76983 * t + 0.0003032 * t * t),
            Normalized(357.52911 + 35999.05029 * t - 0.0001537 * t * t),
            1.914602 - 0.004817 * t - 0.000014 * t * t, 0.019993 - 0.000101 * t, correction};
}

// The sun's apparent longitude in degrees `days` after the orbit's instant (ch. 25: 25.2, 25.3,
// 25.4, 25.8); the quadratic terms of a day or two are below 1e-9 degree.
double ApparentLongitude(const SolarOrbit& orbit, double days) {
    const double meanAnomaly = (orbit.meanAnomaly + 35999.05029 / DaysPerCentury * days) * Deg;
    const double s = std::sin(meanAnomaly);
    const double c = std::cos(meanAnomaly);
    const double sin2 = 2 * s * c;
    const double sin3 = s * (3 - 4 * s * s);
    const double center = orbit.center1 * s + orbit.center2 * sin2 + 0.000289 * sin3;
    return orbit.meanLongitude + 36000.76983 / DaysPerCentury * days + center + orbit.correction;
}

// Mean sidereal time at Greenwich in degrees (12.4).
double MeanSiderealTime(double julianDay) {
    const double days = julianDay - J2000;
    const double t = days / DaysPerCentury;
    // SiderealDegreesPerDay x days split so that the whole turns drop out before the sum.
    return Normalized(280.46061837 + (SiderealDegreesPerDay - 360) * days +
                      360 * (days - std::floor(days)) + 0.000387933 * t * t - t * t * t / 38710000);
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
    const double lambda = ApparentLongitude(OrbitAt(t, slow.longitudeCorrection), 0) * Deg;
    const double alpha = std::atan2(slow.cosObliquity * std::sin(lambda), std::cos(lambda));
    return {std::asin(slow.sinObliquity * std::sin(lambda)) / Deg, Normalized(alpha / Deg),
            Normalized(MeanSiderealTime(julianDay) + slow.equationOfEquinoxes)};
}

SolarEvents::SolarEvents(double julianDay0h, double latitude, double longitude)
    : longitude_(longitude) {
    const SlowTerms slow = SlowTermsAt(Centuries(julianDay0h + 0.5));
    sinLatitude_ = std::sin(latitude * Deg);
    cosLatitude_ = std::cos(latitude * Deg);
    const SolarOrbit orbit = OrbitAt(Centuries(julianDay0h), slow.longitudeCorrection);
    siderealTime0h_ = MeanSiderealTime(julianDay0h) + slow.equationOfEquinoxes;
    // Ch. 15: the sun's right ascension and declination at 0h UT of the day before, the day and
    // the day after, interpolated to each moment (3.3).
    std::array<double, 3> alpha{};
    std::array<double, 3> sinDec{};
    std::array<double, 3> cosDec{};
    for (int i = 0; i < 3; ++i) {
        const double lambda = ApparentLongitude(orbit, i - 1) * Deg;
        const double sinLambda = std::sin(lambda);
        alpha[i] = std::atan2(slow.cosObliquity * sinLambda, std::cos(lambda)) / Deg;
        sinDec[i] = slow.sinObliquity * sinLambda;
        cosDec[i] = std::sqrt(1 - sinDec[i] * sinDec[i]);
    }
    const auto interpolation = [](double y1, double y2, double y3) {
        return Interpolation{y2, y2 - y1, y3 - y2};
    };
    // The right ascension's differences across 0/360 degrees.
    alpha_ = interpolation(alpha[1] - Signed(alpha[1] - alpha[0]), alpha[1],
                           alpha[1] + Signed(alpha[2] - alpha[1]));
    sinDeclination_ = interpolation(sinDec[0], sinDec[1], sinDec[2]);
    cosDeclination_ = interpolation(cosDec[0], cosDec[1], cosDec[2]);
    // 15.2: with the sun's right ascension of 0h the sun comes to the meridian when the sidereal
    // time has turned by the hour angle it has then (within the day, 0..24 h); corrected with the
    // sun's hour angle at that approximate transit.
    start_ = At(0);
    approximateTransit_ = Normalized(-start_.hourAngle) / 15;
    const Place noon = At(approximateTransit_);
    transit_ = approximateTransit_ - noon.hourAngle / 15;
    declinationAtTransit_ = std::asin(noon.sinDeclination) / Deg;
}

double SolarEvents::Interpolation::At(double n) const {
    // 3.3: y2 + n/2 (a + b + n c), with c = b - a.
    return middle + n / 2 * (before + after + n * (after - before));
}

SolarEvents::Place SolarEvents::At(double hours) const {
    const double n = hours / 24;
    // 15.2: the sidereal time turns 360.985647 degrees a day.
    const double hourAngle =
        siderealTime0h_ + SiderealDegreesPerDay * n + longitude_ - alpha_.At(n);
    return {sinDeclination_.At(n), cosDeclination_.At(n), Signed(hourAngle)};
}

double SolarEvents::Declination0h() const {
    return std::asin(start_.sinDeclination) / Deg;
}

double SolarEvents::DeclinationAtTransit() const {
    return declinationAtTransit_;
}

double SolarEvents::Transit() const {
    return transit_;
}

std::optional<double> SolarEvents::AtAltitude(double altitude, int side) const {
    // 15.1: the hour angle at which the sun reaches the altitude with the declination of 0h ...
    const double sinH0 = std::sin(altitude * Deg);
    const double cosH0 =
        (sinH0 - sinLatitude_ * start_.sinDeclination) / (cosLatitude_ * start_.cosDeclination);
    if (!(cosH0 >= -1 && cosH0 <= 1)) {
        return std::nullopt;
    }
    const double estimate = approximateTransit_ + side * std::acos(cosH0) / Deg / 15;
    // ... then 15.2's correction with the sun's position at that estimate: the altitude it has
    // there against the one sought (as the difference of the sines over the cosine, to first
    // order), over the rate at which the altitude changes.
    const Place p = At(estimate);
    const double hourAngle = p.hourAngle * Deg;
    const double sinH =
        sinLatitude_ * p.sinDeclination + cosLatitude_ * p.cosDeclination * std::cos(hourAngle);
    const double rate = 15 * p.cosDeclination * cosLatitude_ * std::sin(hourAngle);
    if (std::fabs(rate) < MinAltitudeRate) {
        return estimate;  // at the meridian or the pole, where the altitude hardly changes
    }
    const double step = (sinH - sinH0) / std::cos(altitude * Deg) / Deg / rate;
    // Near midnight or noon, where the sun barely reaches the altitude, the rate nears 0 and the
    // linear correction loses its meaning; a correction is a few minutes at most elsewhere.
    return estimate + std::clamp(step, -MaxCorrectionHours, MaxCorrectionHours);
}

}  // namespace salvenor
