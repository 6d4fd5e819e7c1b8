// Finding cities by any part of their names.
#include "citydb/city_search.h"

#include <algorithm>
#include <array>
#include <utility>

namespace salvenor {

namespace {

// U+00C0..U+017F folded: the letter without its accent, in lower case; empty for the two signs
// of the range (× and ÷), which stay as they are.
constexpr std::array<std::string_view, 0x180 - 0xC0> LatinFolds = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c",  "e",  "e", "e", "e", "i",  "i",  "i", "i", "d", "n",
    "o", "o", "o",  "o",  "o", "",  "o",  "u",  "u",  "u", "u", "y", "th", "ss", "a", "a", "a", "a",
    "a", "a", "ae", "c",  "e", "e", "e",  "e",  "i",  "i", "i", "i", "d",  "n",  "o", "o", "o", "o",
    "o", "",  "o",  "u",  "u", "u", "u",  "y",  "th", "y", "a", "a", "a",  "a",  "a", "a", "c", "c",
    "c", "c", "c",  "c",  "c", "c", "d",  "d",  "d",  "d", "e", "e", "e",  "e",  "e", "e", "e", "e",
    "e", "e", "g",  "g",  "g", "g", "g",  "g",  "g",  "g", "h", "h", "h",  "h",  "i", "i", "i", "i",
    "i", "i", "i",  "i",  "i", "i", "ij", "ij", "j",  "j", "k", "k", "k",  "l",  "l", "l", "l", "l",
    "l", "l", "l",  "l",  "l", "n", "n",  "n",  "n",  "n", "n", "n", "n",  "n",  "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r",  "r",  "r",  "r", "s", "s", "s",  "s",  "s", "s", "s", "s",
    "t", "t", "t",  "t",  "t", "t", "u",  "u",  "u",  "u", "u", "u", "u",  "u",  "u", "u", "u", "u",
    "w", "w", "y",  "y",  "y", "z", "z",  "z",  "z",  "z", "z", "s",
};

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Letters and digits make words; bytes of UTF-8 sequences count as letters.
bool IsWordCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || IsAsciiDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// What the database builder adds to tell places of one name apart: " (lat, lon)" or " #id".
bool IsLookAlikeSuffix(std::string_view rest) {
    if (rest.size() >= 3 && rest.substr(0, 2) == " (" && rest.back() == ')') {
        return true;
    }
    return rest.size() >= 3 && rest.substr(0, 2) == " #" &&
           std::all_of(rest.begin() + 2, rest.end(), IsAsciiDigit);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

MatchKind KindOf(std::string_view name, std::string_view typed, std::size_t first) {
    if (first == 0) {
        return name.size() == typed.size() || IsLookAlikeSuffix(name.substr(typed.size()))
                   ? MatchKind::Exact
                   : MatchKind::Prefix;
    }
    for (std::size_t at = first; at != std::string_view::npos; at = name.find(typed, at + 1)) {
        if (!IsWordCharacter(name[at - 1])) {
            return MatchKind::WordStart;
        }
    }
    return MatchKind::Anywhere;
}

}  // namespace

std::string FoldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead >= 'A' && lead <= 'Z') {
            out.push_back(static_cast<char>(lead - 'A' + 'a'));
            continue;
        }
        // Two-byte UTF-8 sequences of U+00C0..U+017F (lead bytes C3..C5).
        if (lead >= 0xC3 && lead <= 0xC5 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            if ((next & 0xC0) == 0x80) {
                const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
                if (code >= 0xC0) {
                    const std::string_view fold = LatinFolds[code - 0xC0];
                    if (!fold.empty()) {
                        out.append(fold);
                        ++i;
                        continue;
                    }
                }
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

CitySearch::CitySearch(std::vector<CityEntry> cities) : cities_(std::move(cities)) {
    folded_.reserve(cities_.size());
    for (const CityEntry& city : cities_) {
        folded_.push_back(FoldForSearch(city.name));
    }
}

std::vector<CityMatch> CitySearch::Find(std::string_view typed, std::size_t limit,
                                        std::size_t* found) const {
    if (found != nullptr) {
        *found = 0;
    }
    const std::string query = FoldForSearch(TrimBlanks(typed));
    if (query.empty()) {
        return {};
    }
    // One bucket for each kind, major cities before minor ones; each keeps the file's order.
    constexpr std::size_t Kinds = 4;
    std::array<std::vector<CityMatch>, Kinds * 2> buckets;
    for (std::size_t i = 0; i < folded_.size(); ++i) {
        const std::size_t at = folded_[i].find(query);
        if (at == std::string::npos) {
            continue;
        }
        const MatchKind kind = KindOf(folded_[i], query, at);
        const bool minor = cities_[i].name.find('%') != std::string::npos;
        buckets[static_cast<std::size_t>(kind) * 2 + (minor ? 1 : 0)].push_back({i, kind});
    }
    std::vector<CityMatch> matches;
    for (const std::vector<CityMatch>& bucket : buckets) {
        const std::size_t take = std::min(bucket.size(), limit - matches.size());
        matches.insert(matches.end(), bucket.begin(),
                       bucket.begin() + static_cast<std::ptrdiff_t>(take));
        if (found != nullptr) {
            *found += bucket.size();
        }
    }
    return matches;
}

}  // namespace salvenor
