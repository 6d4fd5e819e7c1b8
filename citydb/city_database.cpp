// Reading the country summary and the city file: sequential scans through ExactReader, one open
// file per operation, nothing kept between calls.
#include "citydb/city_database.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "config/binary_io.h"
#include "core/paths.h"
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

// Opens one of the database files for reading; on failure the general error report names the
// file in its stored form and the cause, and the result is empty.
FilePtr OpenDatabaseFile(const std::string& directory, const char* storedName,
                         MessageBoxes& boxes) {
    const std::string native = NativePath(storedName);
    const std::string path = directory.empty() ? native : directory + "/" + native;
    errno = 0;
    FilePtr file = OpenFile(path, "rb");
    const char* pattern = nullptr;
    if (!file) {
        pattern = (errno == ENOENT || errno == ENOTDIR) ? texts::FileNotFound
                  : (errno == EACCES || errno == EPERM) ? texts::FileAccessDenied
                                                        : texts::FileOpenFailed;
    } else {
        // A folder opens on Linux but cannot be read; report it as the platform does.
        struct stat st {};
        if (::fstat(::fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode)) {
            file.reset();
            pattern = texts::FileAccessDenied;
        }
    }
    if (pattern != nullptr) {
        boxes.show(FillFileName(pattern, storedName), MessageIcon::Exclamation);
        return file;
    }
    // The scans read many small fields in a row: a larger buffer means fewer system calls.
    std::setvbuf(file.get(), nullptr, _IOFBF, 64 * 1024);
    return file;
}

// Reads a counted string into `text`, reusing its storage. A count beyond the bytes left is a
// short read, reported before anything is allocated for it.
void ReadCountedInto(ExactReader& reader, std::string& text) {
    const std::uint32_t count = reader.ReadU32();
    const std::uint64_t left = reader.size() - std::min(reader.size(), reader.position());
    if (count > left) {
        reader.Seek(reader.size());
        unsigned char byte = 0;
        reader.ReadExact(&byte, 1);  // fails: the disk-read message and exit code 1
    }
    text.resize(count);
    reader.ReadExact(text.data(), count);
    const auto zero = text.find('\0');
    if (zero != std::string::npos) {
        text.resize(zero);
    }
}

double DecodeF64(const unsigned char* bytes) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = (bits << 8) | bytes[i];
    }
    return std::bit_cast<double>(bits);
}

// Latitude, longitude and altitude: three little-endian doubles, read in one go.
CityCoordinates ReadCoordinates(ExactReader& reader) {
    std::array<unsigned char, 24> bytes{};
    reader.ReadExact(bytes.data(), bytes.size());
    return {DecodeF64(bytes.data()), DecodeF64(bytes.data() + 8), DecodeF64(bytes.data() + 16)};
}

}  // namespace

CityDatabase::CityDatabase(std::string directory, MessageBoxes& boxes)
    : directory_(std::move(directory)), boxes_(boxes) {}

std::optional<std::vector<std::string>> CityDatabase::ReadCountryNames() const {
    const FilePtr file = OpenDatabaseFile(directory_, CountrySummaryFile, boxes_);
    if (!file) {
        return std::nullopt;
    }
    ExactReader reader(file.get(), boxes_);
    std::vector<std::string> names;
    while (!reader.AtEnd()) {
        names.push_back(reader.ReadCountedString());
        reader.ReadU32();
    }
    return names;
}

std::optional<CountryEntry> CityDatabase::FindCountryEntry(int position) const {
    const FilePtr file = OpenDatabaseFile(directory_, CountrySummaryFile, boxes_);
    if (!file) {
        return std::nullopt;
    }
    ExactReader reader(file.get(), boxes_);
    CountryEntry entry;
    long long counter = 1;
    while (!reader.AtEnd()) {
        ReadCountedInto(reader, entry.name);
        entry.offset = reader.ReadU32();
        if (counter == position) {
            break;
        }
        ++counter;
    }
    return entry;
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
    ExactReader reader(file.get(), boxes_);
    reader.Seek(entry.offset);

    // Letters outside A..Z match no name.
    const bool letterValid = letterIndex >= 0 && letterIndex < 26;
    const char upper = letterValid ? static_cast<char>('A' + letterIndex) : '\0';
    const char lower = letterValid ? static_cast<char>('a' + letterIndex) : '\0';

    int count = -1;  // -1: no record read yet
    std::string blockCountry;
    std::string previousCity;
    std::string country;
    std::string city;
    bool overflow = false;
    bool restart = false;
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
        ReadCountedInto(reader, country);
        ReadCountedInto(reader, city);
        const CityCoordinates coordinates = ReadCoordinates(reader);

        if (overflow && city.find('%') != std::string::npos) {
            continue;  // minor cities are left out after an overflow
        }
        if (count == -1) {
            blockCountry = country;
            count = 0;
        } else if (country != blockCountry) {
            break;  // the block has ended
        }
        if (city.empty() || city == previousCity) {
            continue;
        }
        previousCity = city;
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
    if (outcome == CityListOutcome::Listed && count == 0) {
        outcome = CityListOutcome::NoCityWithLetter;
    }
    return outcome;
}

}  // namespace salvenor
