// Number formatting and scanning for the settings windows. Locale-independent: the decimal
// point is always '.', whatever locale the toolkit set.
#include "core/number_text.h"

#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>

namespace salvenor {

namespace {

std::string_view SkipBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    return text;
}

// Splits off a leading sign; from_chars accepts '-' only.
bool TakeSign(std::string_view& text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        const bool negative = text.front() == '-';
        text.remove_prefix(1);
        return negative;
    }
    return false;
}

}  // namespace

std::string FormatDouble15(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> ScanLeadingDouble(std::string_view text) {
    text = SkipBlanks(text);
    const bool negative = TakeSign(text);
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return std::nullopt;
    }
    double v = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (result.ec != std::errc() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return negative ? -v : v;
}

std::optional<long long> ScanLeadingInteger(std::string_view text) {
    text = SkipBlanks(text);
    const bool negative = TakeSign(text);
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    long long v = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), v);
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -v : v;
}

std::string FormatCoordinates(double latitude, double longitude) {
    // A value that rounds to zero gets the positive letter, so that 0 never reads "0.00 S".
    const auto part = [](double value, char positive, char negative) {
        // Room for the largest double written out in full.
        std::string digits(DBL_MAX_10_EXP + 8, '\0');
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(),
                                       std::abs(value), std::chars_format::fixed, 2)
                             .ptr;
        digits.resize(static_cast<std::size_t>(end - digits.data()));
        const bool zero = digits.find_first_not_of("0.") == std::string::npos;
        return digits + ' ' + (value < 0 && !zero ? negative : positive);
    };
    return part(latitude, 'N', 'S') + ", " + part(longitude, 'E', 'W');
}

}  // namespace salvenor
