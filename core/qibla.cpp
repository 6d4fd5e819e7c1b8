// The great-circle bearing to the Kaaba and its compass words.
#include "core/qibla.h"

#include <array>
#include <cmath>

#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Radians = Pi / 180.0;

// A bearing brought into 0 <= b < 360.
double Normalised(double degrees) {
    double b = std::fmod(degrees, 360.0);
    if (b < 0) {
        b += 360.0;
    }
    return b >= 360.0 ? 0.0 : b;
}

}  // namespace

double QiblaBearing(double latitude, double longitude) {
    // The initial course of the great circle from (phi1, lambda1) to (phi2, lambda2):
    // tan(theta) = sin(dLambda) cos(phi2) / (cos(phi1) sin(phi2) - sin(phi1) cos(phi2)
    // cos(dLambda)).
    const double phi1 = latitude * Radians;
    const double phi2 = KaabaLatitude * Radians;
    const double dLambda = (KaabaLongitude - longitude) * Radians;
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    return Normalised(std::atan2(y, x) / Radians);
}

const char* CompassWord(double bearing, bool sixteen) {
    static constexpr std::array<const char*, 16> Points = {
        texts::CompassN, texts::CompassNNE, texts::CompassNE, texts::CompassENE,
        texts::CompassE, texts::CompassESE, texts::CompassSE, texts::CompassSSE,
        texts::CompassS, texts::CompassSSW, texts::CompassSW, texts::CompassWSW,
        texts::CompassW, texts::CompassWNW, texts::CompassNW, texts::CompassNNW};
    const int points = sixteen ? 16 : 8;
    const double width = 360.0 / points;
    // Each point owns the sector centred on it; 348.75 and on is north again.
    const int sector = static_cast<int>(std::floor(Normalised(bearing) / width + 0.5)) % points;
    return Points[static_cast<std::size_t>(sector * (16 / points))];
}

std::string QiblaText(double bearing, const WordsOf& words) {
    const double b = Normalised(bearing);
    // 359.6 rounds to 360, which the text calls 0 like the compass word does.
    const long whole = std::lround(b) % 360;
    // The compass words hold no digits, so the whole text can take the language's digits.
    return words.digits(StrPrintf(words(texts::QiblaBearingText).c_str(), whole,
                                  words(CompassWord(b, false)).c_str()));
}

}  // namespace salvenor
