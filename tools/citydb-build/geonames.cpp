// GeoNames rows and ISO country names to the database's countries and cities.
#include "tools/citydb-build/geonames.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <set>
#include <system_error>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "core/prayer_times.h"
#include "core/str_printf.h"

namespace salvenor::geonames {

namespace {

// ASCII forms of U+00C0..U+00FF (Latin-1 letters).
constexpr std::array<const char*, 64> Latin1Letters = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "x", "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// ASCII forms of U+0100..U+017F (Latin Extended-A).
constexpr std::array<const char*, 128> LatinExtendedA = {
    "A", "a", "A",  "a",  "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d",   // 0100
    "D", "d", "E",  "e",  "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",   // 0110
    "G", "g", "G",  "g",  "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i",   // 0120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L",   // 0130
    "l", "L", "l",  "N",  "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o",   // 0140
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s",   // 0150
    "S", "s", "T",  "t",  "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u",   // 0160
    "U", "u", "U",  "u",  "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s"};  // 0170

// A few letters and marks beyond those blocks that place names use.
struct OtherForm {
    char32_t code;
    const char* ascii;
};
constexpr OtherForm OtherForms[] = {
    {0x01A0, "O"}, {0x01A1, "o"}, {0x01AF, "U"}, {0x01B0, "u"},  // Vietnamese horned letters
    {0x0218, "S"}, {0x0219, "s"}, {0x021A, "T"}, {0x021B, "t"},  // Romanian comma-below letters
    {0x02BB, "'"}, {0x02BC, "'"}, {0x2018, "'"}, {0x2019, "'"},  // apostrophes
    {0x2010, "-"}, {0x2011, "-"}, {0x2013, "-"}, {0x2014, "-"},  // dashes
};

const char* OtherLetter(char32_t c) {
    for (const OtherForm& form : OtherForms) {
        if (form.code == c) {
            return form.ascii;
        }
    }
    return "";
}

// Decodes one UTF-8 sequence at `i`; an invalid byte decodes to U+FFFD and advances by one.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// An elevation column: empty, GeoNames' no-data value or unreadable mean "none".
std::optional<double> Elevation(std::string_view text) {
    long long metres = 0;
    if (text.empty() || !ParseWhole(text, metres) || metres == NoElevation) {
        return std::nullopt;
    }
    return static_cast<double>(metres);
}

// A small JSON reader, enough for iso-codes' files: objects, arrays, strings, and the scalar
// words and numbers kept as their text.
class JsonReader {
  public:
    struct Value {
        enum class Kind { Scalar, String, Array, Object } kind = Kind::Scalar;
        std::string text;
        std::vector<Value> items;
        // An object's members: keys[i] names values[i].
        std::vector<std::string> keys;
        std::vector<Value> values;

        const Value* member(std::string_view key) const {
            for (std::size_t i = 0; i < keys.size(); ++i) {
                if (keys[i] == key) {
                    return &values[i];
                }
            }
            return nullptr;
        }
    };

    explicit JsonReader(std::string_view text) : text_(text) {}

    std::optional<Value> Parse(std::string* error) {
        Value value;
        if (!ParseValue(value, 0)) {
            if (error != nullptr) {
                *error = StrPrintf("malformed JSON near byte %zu", pos_);
            }
            return std::nullopt;
        }
        SkipBlanks();
        if (pos_ != text_.size()) {
            if (error != nullptr) {
                *error = StrPrintf("unexpected text after the JSON value at byte %zu", pos_);
            }
            return std::nullopt;
        }
        return value;
    }

  private:
    static constexpr int MaxDepth = 64;

    void SkipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    bool Take(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool ParseHex4(char32_t& out) {
        if (pos_ + 4 > text_.size()) {
            return false;
        }
        unsigned value = 0;
        if (!ParseHex(text_.substr(pos_, 4), value)) {
            return false;
        }
        pos_ += 4;
        out = value;
        return true;
    }

    static bool ParseHex(std::string_view digits, unsigned& value) {
        const char* end = digits.data() + digits.size();
        const auto [ptr, ec] = std::from_chars(digits.data(), end, value, 16);
        return ec == std::errc() && ptr == end;
    }

    bool ParseString(std::string& out) {
        if (!Take('"')) {
            return false;
        }
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (c != '\\') {
                out.push_back(c);
                continue;
            }
            if (pos_ >= text_.size()) {
                return false;
            }
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                    out.push_back('"');
                    break;
                case '\\':
                    out.push_back('\\');
                    break;
                case '/':
                    out.push_back('/');
                    break;
                case 'b':
                    out.push_back('\b');
                    break;
                case 'f':
                    out.push_back('\f');
                    break;
                case 'n':
                    out.push_back('\n');
                    break;
                case 'r':
                    out.push_back('\r');
                    break;
                case 't':
                    out.push_back('\t');
                    break;
                case 'u': {
                    char32_t c32 = 0;
                    if (!ParseHex4(c32)) {
                        return false;
                    }
                    if (c32 >= 0xD800 && c32 < 0xDC00 && text_.substr(pos_, 2) == "\\u") {
                        pos_ += 2;
                        char32_t low = 0;
                        if (!ParseHex4(low) || low < 0xDC00 || low >= 0xE000) {
                            return false;
                        }
                        c32 = 0x10000 + ((c32 - 0xD800) << 10) + (low - 0xDC00);
                    }
                    AppendUtf8(out, c32);
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }

    bool ParseValue(Value& value, int depth) {
        if (depth > MaxDepth) {
            return false;
        }
        SkipBlanks();
        if (pos_ >= text_.size()) {
            return false;
        }
        const char c = text_[pos_];
        if (c == '"') {
            value.kind = Value::Kind::String;
            return ParseString(value.text);
        }
        if (c == '[') {
            ++pos_;
            value.kind = Value::Kind::Array;
            if (Take(']')) {
                return true;
            }
            do {
                value.items.emplace_back();
                if (!ParseValue(value.items.back(), depth + 1)) {
                    return false;
                }
            } while (Take(','));
            return Take(']');
        }
        if (c == '{') {
            ++pos_;
            value.kind = Value::Kind::Object;
            if (Take('}')) {
                return true;
            }
            do {
                std::string key;
                if (!ParseString(key) || !Take(':')) {
                    return false;
                }
                value.keys.push_back(std::move(key));
                value.values.emplace_back();
                if (!ParseValue(value.values.back(), depth + 1)) {
                    return false;
                }
            } while (Take(','));
            return Take('}');
        }
        const auto end = text_.find_first_of(",]} \t\r\n", pos_);
        value.kind = Value::Kind::Scalar;
        value.text = std::string(text_.substr(pos_, end - pos_));
        pos_ = end == std::string_view::npos ? text_.size() : end;
        return !value.text.empty();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Coordinates as a name suffix, with `decimals` digits after the point.
std::string CoordinateSuffix(const Place& place, int decimals) {
    return StrPrintf(" (%.*f, %.*f)", decimals, place.latitude, decimals, place.longitude);
}

}  // namespace

std::string ToAscii(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = DecodeUtf8(utf8, i);
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else if (c == '\t') {
            out.push_back(' ');
        } else if (c >= 0xC0 && c < 0x100) {
            out += Latin1Letters[c - 0xC0];
        } else if (c >= 0x100 && c < 0x180) {
            out += LatinExtendedA[c - 0x100];
        } else if (c == 0xA0) {
            out.push_back(' ');
        } else {
            out += OtherLetter(c);
        }
    }
    // One blank between words, none at the ends.
    std::string clean;
    clean.reserve(out.size());
    for (const char c : out) {
        if (c == ' ' && (clean.empty() || clean.back() == ' ')) {
            continue;
        }
        clean.push_back(c);
    }
    if (!clean.empty() && clean.back() == ' ') {
        clean.pop_back();
    }
    return clean;
}

std::optional<Place> ParsePlace(std::string_view line, std::string* error) {
    const auto fail = [error](std::string why) -> std::optional<Place> {
        if (error != nullptr) {
            *error = std::move(why);
        }
        return std::nullopt;
    };
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> f = SplitTabs(line);
    if (f.size() != 19) {
        return fail(StrPrintf("expected 19 tab-separated columns, found %zu", f.size()));
    }
    Place place;
    if (!ParseWhole(f[0], place.id)) {
        return fail("the geonameid is not a number");
    }
    if (!ParseWhole(f[4], place.latitude) || !ParseWhole(f[5], place.longitude) ||
        !ValidLatitude(place.latitude) || !ValidLongitude(place.longitude)) {
        return fail("latitude or longitude is not a valid number");
    }
    if (f[8].size() != 2) {
        return fail("the country code is not two letters");
    }
    place.countryCode = std::string(f[8]);
    place.name = ToAscii(f[2]);
    if (place.name.empty()) {
        place.name = ToAscii(f[1]);
    }
    // A population that cannot be read counts as none: it only orders look-alikes.
    if (!ParseWhole(f[14], place.population)) {
        place.population = 0;
    }
    place.altitude = Elevation(f[15]).value_or(Elevation(f[16]).value_or(0.0));
    return place;
}

std::optional<std::map<std::string, std::string>> ParseIsoCountryNames(std::string_view json,
                                                                       std::string* error) {
    JsonReader reader(json);
    const auto root = reader.Parse(error);
    if (!root) {
        return std::nullopt;
    }
    const JsonReader::Value* list = root->member("3166-1");
    if (list == nullptr || list->kind != JsonReader::Value::Kind::Array) {
        if (error != nullptr) {
            *error = "no \"3166-1\" list";
        }
        return std::nullopt;
    }
    std::map<std::string, std::string> names;
    for (const JsonReader::Value& country : list->items) {
        const JsonReader::Value* code = country.member("alpha_2");
        const JsonReader::Value* common = country.member("common_name");
        const JsonReader::Value* name = country.member("name");
        const JsonReader::Value* chosen = common != nullptr ? common : name;
        if (code == nullptr || chosen == nullptr || code->kind != JsonReader::Value::Kind::String ||
            chosen->kind != JsonReader::Value::Kind::String) {
            continue;
        }
        names[code->text] = chosen->text;
    }
    if (names.empty()) {
        if (error != nullptr) {
            *error = "the \"3166-1\" list names no country";
        }
        return std::nullopt;
    }
    return names;
}

std::string CountryName(const std::string& code, const std::map<std::string, std::string>& iso,
                        std::vector<std::string>* warnings) {
    if (const auto it = iso.find(code); it != iso.end()) {
        const std::string ascii = ToAscii(it->second);
        if (!ascii.empty()) {
            return ascii;
        }
    }
    // Codes GeoNames uses that ISO 3166-1 has not assigned.
    static const std::map<std::string, std::string, std::less<>> Extra = {
        {"XK", "Kosovo"},
        {"AN", "Netherlands Antilles"},
        {"CS", "Serbia and Montenegro"},
        {"YU", "Yugoslavia"},
    };
    if (const auto it = Extra.find(code); it != Extra.end()) {
        return it->second;
    }
    if (warnings != nullptr) {
        warnings->push_back("no country name for the code " + code + "; the code stands in");
    }
    return code;
}

std::vector<CountryCities> ArrangeCountries(const std::vector<Place>& places,
                                            const std::map<std::string, std::string>& iso,
                                            std::vector<std::string>* warnings) {
    // Group the places by country name (std::map keeps the names in byte order).
    std::map<std::string, std::string> nameByCode;
    std::map<std::string, std::vector<const Place*>> byCountry;
    for (const Place& place : places) {
        if (place.name.empty()) {
            if (warnings != nullptr) {
                warnings->push_back(StrPrintf("place %llu has no usable name and is left out",
                                              static_cast<unsigned long long>(place.id)));
            }
            continue;
        }
        auto code = nameByCode.find(place.countryCode);
        if (code == nameByCode.end()) {
            code =
                nameByCode.emplace(place.countryCode, CountryName(place.countryCode, iso, warnings))
                    .first;
        }
        byCountry[code->second].push_back(&place);
    }

    std::vector<CountryCities> countries;
    countries.reserve(byCountry.size());
    for (const auto& [country, members] : byCountry) {
        struct Entry {
            std::string name;
            const Place* place;
        };
        std::vector<Entry> entries;
        entries.reserve(members.size());

        // Places sharing a name get their coordinates, with as many decimals as it takes to
        // tell them apart.
        std::unordered_map<std::string_view, std::vector<const Place*>> byName;
        for (const Place* place : members) {
            byName[place->name].push_back(place);
        }
        for (const auto& [base, same] : byName) {
            if (same.size() == 1) {
                entries.push_back({std::string(base), same.front()});
                continue;
            }
            // The one largest place keeps the plain name; the others are told apart.
            std::vector<const Place*> others = same;
            const auto largest = std::max_element(
                others.begin(), others.end(),
                [](const Place* a, const Place* b) { return a->population < b->population; });
            const bool alone = std::count_if(others.begin(), others.end(), [&](const Place* p) {
                                   return p->population == (*largest)->population;
                               }) == 1;
            if ((*largest)->population > 0 && alone) {
                entries.push_back({std::string(base), *largest});
                others.erase(largest);
            }
            int decimals = 2;
            while (decimals < 6) {
                std::set<std::string> suffixes;
                for (const Place* place : others) {
                    suffixes.insert(CoordinateSuffix(*place, decimals));
                }
                if (suffixes.size() == others.size()) {
                    break;
                }
                ++decimals;
            }
            for (const Place* place : others) {
                entries.push_back({std::string(base) + CoordinateSuffix(*place, decimals), place});
            }
        }

        const auto byNameThenId = [](const Entry& a, const Entry& b) {
            return std::tie(a.name, a.place->id) < std::tie(b.name, b.place->id);
        };
        std::sort(entries.begin(), entries.end(), byNameThenId);
        // Names still equal (the same coordinates, or a name that happens to look like a
        // suffixed one) are told apart by their GeoNames id.
        for (bool renamed = true; renamed;) {
            renamed = false;
            for (std::size_t i = 1; i < entries.size(); ++i) {
                if (entries[i].name == entries[i - 1].name) {
                    entries[i].name +=
                        StrPrintf(" #%llu", static_cast<unsigned long long>(entries[i].place->id));
                    renamed = true;
                }
            }
            if (renamed) {
                std::sort(entries.begin(), entries.end(), byNameThenId);
            }
        }

        CountryCities block{country, {}};
        block.cities.reserve(entries.size());
        for (Entry& e : entries) {
            block.cities.push_back({country, std::move(e.name), e.place->latitude,
                                    e.place->longitude, e.place->altitude});
        }
        countries.push_back(std::move(block));
    }
    return countries;
}

}  // namespace salvenor::geonames
