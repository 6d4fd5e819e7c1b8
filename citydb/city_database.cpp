// Reading the country summary and the city file: sequential scans through ExactReader, one open
// file per operation, nothing kept between calls.
#include "citydb/city_database.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <utility>

#include "base/binary_coding.h"
#include "base/file_reading.h"
#include "core/paths.h"
#include "core/prayer_times.h"
#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

std::string FillFileName(std::string_view pattern, std::string_view fileName) {
    std::string text(pattern);
    const auto at = text.find("%1");
    if (at != std::string::npos) {
        text.replace(at, 2, fileName);
    }
    return text;
}

std::string PathUnder(const std::string& directory, const char* storedName) {
    const std::string native = NativePath(storedName);
    return directory.empty() ? native : directory + "/" + native;
}

// Coordinates a place on the earth can have.
bool IsPlace(const CityCoordinates& c) {
    return ValidLatitude(c.latitude) && ValidLongitude(c.longitude) && std::isfinite(c.altitude);
}

// Opens one of the database files for reading; on failure the general error report names the
// file in its stored form and the cause, and the result is empty.
FilePtr OpenDatabaseFile(const std::string& directory, const char* storedName,
                         MessageBoxes& boxes) {
    const std::string path = PathUnder(directory, storedName);
    errno = 0;
    // Only a regular file, opened without blocking: a folder opens on Linux but cannot be read,
    // and a FIFO would wait for a writer for ever. Either is reported as the platform reports a
    // file it may not read.
    PathKind kind = PathKind::Missing;
    FilePtr file = OpenRegularFile(path, &kind);
    const char* pattern = nullptr;
    if (kind == PathKind::Other) {
        pattern = texts::FileAccessDenied;
    } else if (!file) {
        pattern = (errno == ENOENT || errno == ENOTDIR) ? texts::FileNotFound
                  : (errno == EACCES || errno == EPERM) ? texts::FileAccessDenied
                                                        : texts::FileOpenFailed;
    }
    if (pattern != nullptr) {
        boxes.show(FillFileName(pattern, storedName), MessageIcon::Exclamation);
        return file;
    }
    // The scans read many small fields in a row: a larger buffer means fewer system calls.
    std::setvbuf(file.get(), nullptr, _IOFBF, 64 * 1024);
    return file;
}

// Latitude, longitude and altitude: three little-endian doubles, read in one go.
CityCoordinates ReadCoordinates(ExactReader& reader) {
    std::array<unsigned char, 24> bytes{};
    reader.ReadExact(bytes.data(), bytes.size());
    return {DecodeF64(bytes.data()), DecodeF64(bytes.data() + 8), DecodeF64(bytes.data() + 16)};
}

// The listing's rules for one record of a country's block, shared by every reading of a block:
// the block ends where another country's records begin; records no place can have are left out
// (and reported), and so are nameless ones and a name equal to the one before it.
class BlockRules {
  public:
    enum class Fate { City, EndOfBlock, NotAPlace, Passed };

    Fate Take(const std::string& country, const std::string& city,
              const CityCoordinates& coordinates) {
        if (!started_) {
            blockCountry_ = country;
            started_ = true;
        } else if (country != blockCountry_) {
            return Fate::EndOfBlock;
        }
        if (!IsPlace(coordinates)) {
            return Fate::NotAPlace;
        }
        if (city.empty() || city == previousCity_) {
            return Fate::Passed;
        }
        previousCity_ = city;
        return Fate::City;
    }

  private:
    bool started_ = false;
    std::string blockCountry_;
    std::string previousCity_;
};

}  // namespace

CityDatabase::CityDatabase(std::string directory, MessageBoxes& boxes)
    : directory_(std::move(directory)), boxes_(boxes) {}

std::optional<std::vector<CountryEntry>> CityDatabase::ReadSummary() const {
    const FilePtr file = OpenDatabaseFile(directory_, CountrySummaryFile, boxes_);
    if (!file) {
        return std::nullopt;
    }
    ExactReader reader(file.get(), boxes_, texts::DiskReadError);
    std::vector<CountryEntry> entries;
    // At least one record: an empty summary is as short a read as a cut one (the disk-read
    // message, exit code 1), never an empty list that would send its readers to the start of the
    // city file.
    do {
        CountryEntry entry;
        reader.ReadCountedString(entry.name);
        entry.offset = reader.ReadU32();
        entries.push_back(std::move(entry));
    } while (!reader.AtEnd());
    // Each country's cities start after the previous country's; a country without cities of
    // its own (the closing "Not Valid" record) points at the end of the city file.
    struct stat st {};
    const std::string cityPath = PathUnder(directory_, CityIndexFile);
    const bool sized = ::stat(cityPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    const auto citySize = static_cast<std::uint64_t>(sized ? st.st_size : 0);
    const char* damage = nullptr;
    for (std::size_t i = 0; i < entries.size() && damage == nullptr; ++i) {
        const std::uint64_t offset = entries[i].offset;
        if (entries[i].name.empty()) {
            damage = texts::SummaryNamelessCountry;
        } else if (sized && offset > citySize) {
            damage = texts::SummaryPastTheEnd;
        } else if (i > 0 && (offset < entries[i - 1].offset ||
                             (offset == entries[i - 1].offset && sized && offset != citySize))) {
            // Equal offsets are countries without cities at the city file's end, let be when
            // there is no regular city file to measure (that is reported when it is read).
            damage = texts::SummaryNotRising;
        }
    }
    if (damage != nullptr) {
        ReportDamage(damage);
        return std::nullopt;
    }
    return entries;
}

void CityDatabase::ReportDamage(const char* what) const {
    boxes_.show(StrPrintf(boxes_.inUserLanguage(texts::CityDatabaseDamaged).c_str(),
                          boxes_.inUserLanguage(what).c_str()),
                MessageIcon::Exclamation);
}

std::optional<std::vector<std::string>> CityDatabase::ReadCountryNames() const {
    const auto entries = ReadSummary();
    if (!entries) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(entries->size());
    for (const CountryEntry& entry : *entries) {
        names.push_back(entry.name);
    }
    return names;
}

std::optional<CountryEntry> CityDatabase::FindCountryEntry(int position) const {
    const auto entries = ReadSummary();
    if (!entries) {
        return std::nullopt;
    }
    // Position k >= 1 shows record k - 1; the placeholder, no selection and positions past the
    // end give the last record.
    if (position >= 1 && static_cast<std::size_t>(position) <= entries->size()) {
        return (*entries)[static_cast<std::size_t>(position - 1)];
    }
    return entries->back();
}

CityListOutcome CityDatabase::ListCitiesByLetter(const CountryEntry& entry, int letterIndex,
                                                 CitySink& sink, CityCoordinateTable& table,
                                                 int* listed) const {
    // Cleared first: a file that cannot be read must not leave another country's cities listed.
    sink.clear();
    const FilePtr file = OpenDatabaseFile(directory_, CityIndexFile, boxes_);
    if (!file) {
        if (listed != nullptr) {
            *listed = -1;
        }
        return CityListOutcome::FileError;
    }
    ExactReader reader(file.get(), boxes_, texts::DiskReadError);
    reader.Seek(entry.offset);

    // Letters outside A..Z match no name.
    const bool letterValid = letterIndex >= 0 && letterIndex < 26;
    const char upper = letterValid ? static_cast<char>('A' + letterIndex) : '\0';
    const char lower = letterValid ? static_cast<char>('a' + letterIndex) : '\0';

    int count = -1;  // -1: no record read yet
    BlockRules rules;
    std::string country;
    std::string city;
    bool overflow = false;
    bool restart = false;
    bool damaged = false;
    CityListOutcome outcome = CityListOutcome::Listed;

    // A restart is due even when the match that overflowed was the file's last record: the list
    // must still be made again without the minor cities.
    while (restart || !reader.AtEnd()) {
        if (restart) {
            restart = false;
            reader.Seek(entry.offset);
            sink.clear();
            count = 0;
        }
        reader.ReadCountedString(country);
        reader.ReadCountedString(city);
        const CityCoordinates coordinates = ReadCoordinates(reader);

        if (overflow && city.find('%') != std::string::npos) {
            continue;  // minor cities are left out after an overflow
        }
        const BlockRules::Fate fate = rules.Take(country, city, coordinates);
        count = std::max(count, 0);  // a record has been read
        if (fate == BlockRules::Fate::EndOfBlock) {
            break;
        }
        if (fate == BlockRules::Fate::NotAPlace) {
            damaged = true;  // no place has them: left out, and reported once below
            continue;
        }
        if (fate == BlockRules::Fate::Passed) {
            continue;
        }
        if (!letterValid || (city.front() != upper && city.front() != lower)) {
            continue;
        }
        if (count < MaxListedCities) {
            table[static_cast<std::size_t>(count)] = coordinates;
            const CitySink::AddResult added = sink.add(city);
            if (added == CitySink::AddResult::Error) {
                outcome = CityListOutcome::SinkError;
                break;
            }
            if (added == CitySink::AddResult::NoSpace) {
                outcome = CityListOutcome::SinkNoSpace;
                break;
            }
            ++count;
            continue;
        }
        if (overflow) {
            boxes_.show(texts::TooManyCities, MessageIcon::None);
            break;
        }
        overflow = true;
        restart = true;
    }

    if (listed != nullptr) {
        *listed = count;
    }
    if (damaged) {
        ReportDamage(texts::CityRecordNotAPlace);
    }
    if (outcome == CityListOutcome::Listed && count == 0) {
        outcome = CityListOutcome::NoCityWithLetter;
    }
    if (outcome == CityListOutcome::Listed && damaged) {
        outcome = CityListOutcome::ListedDamaged;
    }
    return outcome;
}

std::optional<std::vector<CityEntry>> CityDatabase::ReadCountryCities(
    const CountryEntry& entry) const {
    const FilePtr file = OpenDatabaseFile(directory_, CityIndexFile, boxes_);
    if (!file) {
        return std::nullopt;
    }
    ExactReader reader(file.get(), boxes_, texts::DiskReadError);
    reader.Seek(entry.offset);
    BlockRules rules;
    std::vector<CityEntry> cities;
    std::string country;
    std::string city;
    bool damaged = false;
    while (!reader.AtEnd()) {
        reader.ReadCountedString(country);
        reader.ReadCountedString(city);
        const CityCoordinates coordinates = ReadCoordinates(reader);
        const BlockRules::Fate fate = rules.Take(country, city, coordinates);
        if (fate == BlockRules::Fate::EndOfBlock) {
            break;
        }
        damaged = damaged || fate == BlockRules::Fate::NotAPlace;
        if (fate == BlockRules::Fate::City) {
            cities.push_back({city, coordinates});
        }
    }
    if (damaged) {
        ReportDamage(texts::CityRecordNotAPlace);
    }
    return cities;
}

}  // namespace salvenor
