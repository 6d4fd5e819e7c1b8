// The settings record and its binary file "zav.cfg": open and validate, load, save.
//
// Layout (little-endian): 11-byte signature "ZAV Tellan\0", 4-byte total file size, 4-byte version
// "1.0\0", the seventeen fields in the order below (strings as counted strings), and the end
// marker 11414. Bytes behind the end marker are allowed and never read.
// Which field is saved when, and every other file Salvenor writes: README.md, "What Salvenor
// saves, and when".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/file_reading.h"
#include "base/messages.h"
#include "core/prayer_times.h"

namespace salvenor {

// Every field as stored, in file order. Numbers and flags start at zero, strings empty.
struct ConfigRecord {
    std::int32_t gmtOffsetHours = 0;     // local standard time minus GMT, whole hours
    std::uint8_t followWindowsZone = 0;  // 1: take the offset from the system at every start
    std::string cityName;
    std::string countryName;
    std::int32_t cityLetterIndex = 0;  // 0..25, the first letter last chosen (0 = A)
    double longitude = 0.0;
    double latitude = 0.0;
    double altitude = 0.0;
    std::int32_t calculationWay = 0;  // CalculationWay, 0..3
    std::string athanWavPath;
    std::string fajrAthanWavPath;
    std::uint8_t showAthanAlert = 0;
    std::uint8_t barOnTopReminder = 0;
    std::uint8_t muteAllSounds = 0;
    std::int32_t topReminderOffset = 0;  // subtracted from 146 by the bring-to-front rule
    std::uint8_t topReminderShown = 0;
    std::uint8_t daylightSavingActive = 0;

    bool operator==(const ConfigRecord&) const = default;
};

inline constexpr char ConfigFileName[] = "zav.cfg";
inline constexpr std::uint32_t ConfigEndMarker = 11414;
// Appended to the file's name when first-run setup keeps a damaged file.
inline constexpr char DamagedConfigSuffix[] = ".damaged";
// The two sound paths a new installation's record stores (first-run setup).
inline constexpr const char* FirstRunAthanWavPath = ".\\Athan\\Athan-1.wav";
inline constexpr const char* FirstRunFajrAthanWavPath = ".\\Athan\\athanFajr.wav";

// "No place yet": both names empty and latitude and longitude 0, as a cancelled first run leaves
// the record. Nothing is scheduled for such a record and the next start offers Setup again.
bool HasNoPlace(const ConfigRecord& record);

// Puts in place the values that first-run setup gives the alert and sound fields.
void ApplyFirstRunDefaults(ConfigRecord& record);

// The record first-run setup starts from, the one home of its defaults: the zone offset followed
// from the system (stored 0 until then) and ApplyFirstRunDefaults' alert and sound values.
void StartFirstRunRecord(ConfigRecord& record);

// The one process-wide holder of the settings. Other parts read and change the fields directly.
class CConfigFile : public ConfigRecord {
  public:
    enum class OpenResult { Loaded, NeedsFirstRun };

    explicit CConfigFile(MessageBoxes& boxes) : boxes_(boxes) {}

    // Where the settings' messages go (also those of the settings kept beside the file).
    MessageBoxes& messageBoxes() const { return boxes_; }

    // Full path of the file; set by start-up before OpenConfig.
    std::string configPath;

    // The exact offset of local standard time in minutes, when the offset is followed from the
    // system; the stored gmtOffsetHours holds its whole hours only.
    std::optional<int> exactGmtOffsetMinutes;

    // The calculation choices kept in salvenor.ini beside the file (never written to zav.cfg);
    // prayerSettings() passes them to every computation. Set by start-up and the settings sheets.
    CalculationOptions calculationOptions;

    // Opens and validates the file. A missing file is created empty and, like an empty file or
    // one whose size field differs from its size, gives NeedsFirstRun. Otherwise the file is
    // loaded (a signature, version or end-marker mismatch is reported and the program runs on
    // with what was read) and the result is Loaded.
    OpenResult OpenConfig();

    // Reads the record from the file that OpenConfig opened; false after a reported mismatch.
    // Closes the file on every return.
    bool LoadSettings();

    // Writes the whole record in place of the file (ReplaceFileAtomically: a reader meets the old
    // file or the new one, a symlink is followed, the mode is kept), so that a saved file is
    // always exactly the record and a failed save leaves the old file as it was. A failure is
    // reported once with the save-error message; the record in memory stays in force.
    void SaveSettings();

    // The zone-offset rule, for start-up, the Advanced Setup page and the bar's clock check:
    // while followWindowsZone is set, the offset is the system's at `now` (its whole hours into
    // gmtOffsetHours, the exact minutes kept beside them for the computation); otherwise the
    // stored whole hours stand.
    void FollowSystemZone(std::int64_t now);

    // What the prayer-time computation reads of the settings.
    PrayerSettings prayerSettings() const;

    // After OpenConfig: whether a read failure was reported (a file that cannot be read, a wrong
    // signature, version or end marker), and the fields whose loaded values were damaged and
    // replaced by a new installation's values (reported in one message).
    bool readFailed() const { return readFailed_; }
    // Whether OpenConfig created the (empty) file: only such a file is this start's to delete.
    bool createdFile() const { return createdFile_; }

    // Before first-run setup writes a new file: a non-empty file that this start did not create
    // (one whose size field disagrees with its size) is kept, moved aside under the first free
    // name of "zav.cfg.damaged", "zav.cfg.damaged-2", ... beside it. Returns that name; empty when
    // there was nothing to keep. `failed` is set when there was, but it could not be moved.
    std::optional<std::string> SetAsideForFirstRun(bool* failed = nullptr) const;
    const std::vector<std::string>& damagedFields() const { return damagedFields_; }

    // The size of the file that SaveSettings writes for the record as it stands.
    std::uint32_t SavedSize() const;

  private:
    // Puts the first-run value in place of every field that holds what no place or zone can
    // have, and says so once.
    void ReplaceDamagedFields();

    MessageBoxes& boxes_;
    FilePtr file_;
    bool readFailed_ = false;
    bool createdFile_ = false;
    std::vector<std::string> damagedFields_;
};

}  // namespace salvenor
