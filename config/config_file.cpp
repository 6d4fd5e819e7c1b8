// The configuration file format.
#include "config/config_file.h"

#include <sys/stat.h>

#include <array>
#include <cmath>
#include <cstdio>

#include "base/atomic_file.h"
#include "base/binary_coding.h"
#include "core/str_printf.h"
#include "core/texts.h"

namespace salvenor {

namespace {

constexpr std::array<char, 11> Signature = {'Z', 'A', 'V', ' ', 'T', 'e', 'l', 'l', 'a', 'n', '\0'};
constexpr std::array<char, 4> Version = {'1', '.', '0', '\0'};
constexpr std::uint64_t SizeFieldOffset = 11;

}  // namespace

bool HasNoPlace(const ConfigRecord& record) {
    return record.cityName.empty() && record.countryName.empty() && record.latitude == 0.0 &&
           record.longitude == 0.0;
}

void ApplyFirstRunDefaults(ConfigRecord& record) {
    record.athanWavPath = FirstRunAthanWavPath;
    record.fajrAthanWavPath = FirstRunFajrAthanWavPath;
    record.showAthanAlert = 1;
    record.barOnTopReminder = 1;
    record.muteAllSounds = 0;
    record.topReminderOffset = 0;
    record.topReminderShown = 0;
    record.daylightSavingActive = 0;
}

void StartFirstRunRecord(ConfigRecord& record) {
    record.gmtOffsetHours = 0;
    record.followWindowsZone = 1;
    ApplyFirstRunDefaults(record);
}

CConfigFile::OpenResult CConfigFile::OpenConfig() {
    readFailed_ = false;
    damagedFields_.clear();
    const PathKind kind = KindOf(configPath);
    createdFile_ = false;
    if (kind == PathKind::Missing) {
        // Create it empty, as a fresh installation has it; if even that fails, first-run setup
        // still runs and its save reports the problem.
        createdFile_ = static_cast<bool>(OpenFile(configPath, "wb"));
        return OpenResult::NeedsFirstRun;
    }
    // Reading is all that opening needs; a save replaces the file as a whole. Something that
    // cannot be read as a file is reported once, and the program runs on with the record in
    // memory rather than overwriting it through first-run setup.
    if (kind == PathKind::RegularFile) {
        file_ = OpenRegularFile(configPath);
    }
    if (!file_) {
        boxes_.show(texts::DiskReadError, MessageIcon::None);
        readFailed_ = true;
        return OpenResult::Loaded;
    }
    std::uint64_t size = 0;
    if (std::fseek(file_.get(), 0, SEEK_END) == 0) {
        const long end = std::ftell(file_.get());
        size = end > 0 ? static_cast<std::uint64_t>(end) : 0;
    }
    std::uint32_t stored = 0;
    if (size > 0) {
        // A plain read: bytes that do not come leave the stored size's other bytes zero.
        unsigned char bytes[4] = {0, 0, 0, 0};
        std::fseek(file_.get(), static_cast<long>(SizeFieldOffset), SEEK_SET);
        const std::size_t got = std::fread(bytes, 1, sizeof bytes, file_.get());
        (void)got;
        stored = DecodeU32(bytes);
        std::fseek(file_.get(), 0, SEEK_SET);
    }
    if (size == 0 || stored != size) {
        file_.reset();
        return OpenResult::NeedsFirstRun;
    }
    LoadSettings();
    return OpenResult::Loaded;
}

bool CConfigFile::LoadSettings() {
    if (!file_) {
        return false;
    }
    const FilePtr file = std::move(file_);
    ExactReader in(file.get(), boxes_, texts::DiskReadError);

    std::array<char, 11> signature{};
    in.ReadExact(signature.data(), signature.size());
    if (signature != Signature) {
        boxes_.show(texts::ConfigReadErrorBlank, MessageIcon::None);
        readFailed_ = true;
        return false;
    }
    in.ReadU32();  // the size field, checked by OpenConfig
    std::array<char, 4> version{};
    in.ReadExact(version.data(), version.size());
    if (version != Version) {
        boxes_.show(texts::ConfigReadError, MessageIcon::None);
        readFailed_ = true;
        return false;
    }

    // Each field takes effect as soon as it is read.
    gmtOffsetHours = in.ReadI32();
    followWindowsZone = in.ReadU8();
    cityName = in.ReadCountedString();
    countryName = in.ReadCountedString();
    cityLetterIndex = in.ReadI32();
    longitude = in.ReadF64();
    latitude = in.ReadF64();
    altitude = in.ReadF64();
    calculationWay = in.ReadI32();
    athanWavPath = in.ReadCountedString();
    fajrAthanWavPath = in.ReadCountedString();
    showAthanAlert = in.ReadU8();
    barOnTopReminder = in.ReadU8();
    muteAllSounds = in.ReadU8();
    topReminderOffset = in.ReadI32();
    topReminderShown = in.ReadU8();
    daylightSavingActive = in.ReadU8();
    // Checked before anything computes with them.
    ReplaceDamagedFields();

    if (in.ReadU32() != ConfigEndMarker) {
        boxes_.show(texts::ConfigReadErrorBlank, MessageIcon::None);
        readFailed_ = true;
        return false;
    }
    return true;
}

void CConfigFile::ReplaceDamagedFields() {
    damagedFields_.clear();
    const auto check = [this](bool ok, const char* name, auto& field) {
        if (!ok) {
            damagedFields_.emplace_back(name);
            field = {};  // a new installation's value: 0
        }
    };
    // Comparisons are false for NaN, so a value that is not a number counts as damaged too.
    check(ValidLatitude(latitude), QT_TRANSLATE_NOOP("salvenor", "latitude"), latitude);
    check(ValidLongitude(longitude), QT_TRANSLATE_NOOP("salvenor", "longitude"), longitude);
    check(ValidAltitude(altitude), QT_TRANSLATE_NOOP("salvenor", "altitude"), altitude);
    check(ValidGmtOffsetHours(gmtOffsetHours), QT_TRANSLATE_NOOP("salvenor", "time-zone offset"),
          gmtOffsetHours);
    if (damagedFields_.empty()) {
        return;
    }
    // The names in the user's language: "latitude, longitude and altitude".
    std::string names;
    for (std::size_t i = 0; i < damagedFields_.size(); ++i) {
        const std::string name = boxes_.inUserLanguage(damagedFields_[i].c_str());
        if (i == 0) {
            names = name;
            continue;
        }
        const char* const join = i + 1 == damagedFields_.size()
                                     ? QT_TRANSLATE_NOOP("salvenor", "%s and %s")
                                     : QT_TRANSLATE_NOOP("salvenor", "%s, %s");
        names = StrPrintf(boxes_.inUserLanguage(join).c_str(), names.c_str(), name.c_str());
    }
    boxes_.show(StrPrintf(boxes_.inUserLanguage(texts::ConfigDamagedFields).c_str(), names.c_str()),
                MessageIcon::Exclamation);
}

std::optional<std::string> CConfigFile::SetAsideForFirstRun(bool* failed) const {
    if (failed != nullptr) {
        *failed = false;
    }
    struct stat st {};
    if (createdFile_ || ::stat(configPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size == 0) {
        return std::nullopt;  // nothing of the user's to keep
    }
    auto aside = MoveFileAside(configPath, DamagedConfigSuffix);
    if (!aside && failed != nullptr) {
        *failed = true;
    }
    return aside;
}

std::uint32_t CConfigFile::SavedSize() const {
    // 11 signature + 4 size + 4 version + 4 end marker, 4 counts, and the fixed-width fields.
    constexpr std::uint32_t fixed = 11 + 4 + 4 + 4 + 1 + 4 + 24 + 4 + 1 + 1 + 1 + 4 + 1 + 1 + 4;
    constexpr std::uint32_t counts = 4 * 4;
    return fixed + counts +
           static_cast<std::uint32_t>(cityName.size() + countryName.size() + athanWavPath.size() +
                                      fajrAthanWavPath.size());
}

void CConfigFile::SaveSettings() {
    std::string bytes;
    bytes.reserve(SavedSize());
    bytes.append(Signature.data(), Signature.size());
    AppendU32(bytes, SavedSize());
    bytes.append(Version.data(), Version.size());
    AppendI32(bytes, gmtOffsetHours);
    AppendU8(bytes, followWindowsZone);
    AppendCountedString(bytes, cityName);
    AppendCountedString(bytes, countryName);
    AppendI32(bytes, cityLetterIndex);
    AppendF64(bytes, longitude);
    AppendF64(bytes, latitude);
    AppendF64(bytes, altitude);
    AppendI32(bytes, calculationWay);
    AppendCountedString(bytes, athanWavPath);
    AppendCountedString(bytes, fajrAthanWavPath);
    AppendU8(bytes, showAthanAlert);
    AppendU8(bytes, barOnTopReminder);
    AppendU8(bytes, muteAllSounds);
    AppendI32(bytes, topReminderOffset);
    AppendU8(bytes, topReminderShown);
    AppendU8(bytes, daylightSavingActive);
    AppendU32(bytes, ConfigEndMarker);
    if (!ReplaceFileAtomically(configPath, bytes)) {
        boxes_.show(texts::ConfigSaveError, MessageIcon::None);
    }
}

void CConfigFile::FollowSystemZone(std::int64_t now) {
    if (followWindowsZone == 0) {
        exactGmtOffsetMinutes.reset();
        return;
    }
    gmtOffsetHours = SystemGmtOffset(now);
    exactGmtOffsetMinutes = SystemGmtOffsetMinutes(now);
}

PrayerSettings CConfigFile::prayerSettings() const {
    PrayerSettings s;
    s.latitude = latitude;
    s.longitude = longitude;
    s.altitude = altitude;
    s.calculationWay = calculationWay;
    s.calculation = calculationOptions;
    s.daylightSavingActive = daylightSavingActive != 0;
    // An offset no zone has (only a record changed in memory can hold one) counts as 0, so that
    // nothing overflows.
    const bool zoneValid = ValidGmtOffsetHours(gmtOffsetHours);
    s.gmtOffsetMinutes = (followWindowsZone != 0 && exactGmtOffsetMinutes.has_value())
                             ? *exactGmtOffsetMinutes
                             : (zoneValid ? gmtOffsetHours * 60 : 0);
    return s;
}

}  // namespace salvenor
