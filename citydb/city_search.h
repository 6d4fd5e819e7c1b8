// Finding a country's cities by any part of their names, as the user types: case and accents
// ignored, the best matches first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "citydb/city_database.h"

namespace salvenor {

// Text as the search compares it: ASCII letters in lower case, the Latin letters of UTF-8 text
// without their accents ("Querétaro" is "queretaro", "ß" is "ss"); everything else as it is.
std::string FoldForSearch(std::string_view text);

// How well a name matches what was typed, best first.
enum class MatchKind {
    Exact,      // the whole name (a look-alike's added coordinates or number not counted)
    Prefix,     // the name begins with it
    WordStart,  // a later word of the name begins with it
    Anywhere,   // it lies inside a word
};

struct CityMatch {
    std::size_t index = 0;  // into the searched entries
    MatchKind kind = MatchKind::Anywhere;
    bool operator==(const CityMatch&) const = default;
};

// The cities of one country, folded once so that every keystroke is a plain scan.
class CitySearch {
  public:
    CitySearch() = default;
    explicit CitySearch(std::vector<CityEntry> cities);

    const std::vector<CityEntry>& cities() const { return cities_; }

    // The cities whose names contain `typed` (case and accents ignored; blanks at its ends do not
    // count), at most `limit` of them: exact matches first, then prefixes, word starts and the
    // rest; within each, the major cities before the minor ones (a '%' in the name marks a minor
    // city, the only size the database records), then the file's order. Nothing for an empty text.
    // `found`, when given, receives the number of all the matches.
    std::vector<CityMatch> Find(std::string_view typed, std::size_t limit,
                                std::size_t* found = nullptr) const;

  private:
    std::vector<CityEntry> cities_;
    std::vector<std::string> folded_;  // entry i: FoldForSearch of city i's name
};

}  // namespace salvenor
