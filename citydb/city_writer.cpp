// The writer of the two database files.
#include "citydb/city_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/paths.h"

namespace salvenor {

void AppendU32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

void AppendF64(std::string& out, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFFu));
    }
}

void AppendCountedString(std::string& out, std::string_view text) {
    AppendU32(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

void AppendCityRecord(std::string& out, const CityRecord& record) {
    AppendCountedString(out, record.countryName);
    AppendCountedString(out, record.cityName);
    AppendF64(out, record.latitude);
    AppendF64(out, record.longitude);
    AppendF64(out, record.altitude);
}

void AppendCountryEntry(std::string& out, const CountryEntry& entry) {
    AppendCountedString(out, entry.name);
    AppendU32(out, entry.offset);
}

bool CityDatabaseWriter::AddCountry(const CountryCities& country) {
    if (!AddCountryAtEnd(country.name)) {
        return false;
    }
    for (const CityRecord& city : country.cities) {
        AppendCityRecord(cities_, city);
    }
    return true;
}

bool CityDatabaseWriter::AddCountryAtEnd(std::string_view name) {
    if (cities_.size() > std::numeric_limits<std::uint32_t>::max()) {
        return false;
    }
    AppendCountryEntry(summary_, {std::string(name), static_cast<std::uint32_t>(cities_.size())});
    return true;
}

namespace {

// Writes `bytes` to `path` through a temporary file in the same folder, so that a failed write
// leaves the old file as it was.
bool WriteAtomically(const std::string& path, const std::string& bytes, std::string* error) {
    const auto fail = [&](const char* what) {
        if (error != nullptr) {
            *error = std::string(what) + " " + path + ": " + std::strerror(errno);
        }
        return false;
    };
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return fail("cannot create a temporary file for");
    }
    bool ok = ::fchmod(fd, 0644) == 0;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        done += ok ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        fail("cannot write");
        std::remove(temp.c_str());
    }
    return ok;
}

}  // namespace

bool CityDatabaseWriter::WriteFiles(const std::string& directory, std::string* error) const {
    const auto pathOf = [&directory](const char* stored) {
        const std::string native = NativePath(stored);
        return directory.empty() ? native : directory + "/" + native;
    };
    return WriteAtomically(pathOf(CityIndexFile), cities_, error) &&
           WriteAtomically(pathOf(CountrySummaryFile), summary_, error);
}

}  // namespace salvenor
