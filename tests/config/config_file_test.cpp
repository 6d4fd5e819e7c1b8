// The configuration file: opening and validation, loading, saving, and the sample files.
#include "config/config_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "core/local_time.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "tests/support/fakes.h"
#include "tests/support/temp_dir.h"
#include "tests/support/time_zone.h"

namespace salvenor {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ReadBytes;
using testing::RecordingMessageBoxes;
using testing::TempDir;

const std::string SampleDir = std::string(SALVENOR_TEST_DATA_DIR) + "/config/";

// The values of cairo.cfg, written by make_samples.py.
ConfigRecord CairoRecord() {
    ConfigRecord r;
    r.gmtOffsetHours = 2;
    r.followWindowsZone = 0;
    r.cityName = "Cairo";
    r.countryName = "Egypt";
    r.cityLetterIndex = 2;
    r.longitude = 31.25;
    r.latitude = 30.05;
    r.altitude = 23.5;
    r.calculationWay = 0;
    r.athanWavPath = ".\\Athan\\Athan-1.wav";
    r.fajrAthanWavPath = ".\\Athan\\athanFajr.wav";
    r.showAthanAlert = 1;
    r.barOnTopReminder = 0;
    r.muteAllSounds = 1;
    r.topReminderOffset = 40;
    r.topReminderShown = 1;
    r.daylightSavingActive = 1;
    return r;
}

ConfigRecord FirstRunRecord() {
    ConfigRecord r;
    r.followWindowsZone = 1;
    ApplyFirstRunDefaults(r);
    return r;
}

class ConfigFileTest : public ::testing::Test {
  protected:
    std::string Install(const std::string& sample) {
        const std::string path = dir.file(ConfigFileName);
        std::filesystem::copy_file(SampleDir + sample, path,
                                   std::filesystem::copy_options::overwrite_existing);
        return path;
    }

    TempDir dir;
    RecordingMessageBoxes boxes;
};

struct SampleCase {
    const char* file;
    CConfigFile::OpenResult result;
    std::vector<std::string> messages;
    ConfigRecord record;  // the record after opening
};

// Names the case by its file in test listings.
void PrintTo(const SampleCase& c, std::ostream* os) {
    *os << c.file;
}

class SampleFileTest : public ConfigFileTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(SampleFileTest, OpensAsExpectedAndLeavesTheFileAlone) {
    const SampleCase& c = GetParam();
    const std::string path = Install(c.file);
    const auto before = ReadBytes(path);

    CConfigFile config(boxes);
    config.configPath = path;
    EXPECT_EQ(config.OpenConfig(), c.result);
    EXPECT_EQ(boxes.texts(), c.messages);
    EXPECT_EQ(static_cast<const ConfigRecord&>(config), c.record);
    EXPECT_EQ(ReadBytes(path), before) << "opening must never change the file";
    // A reported read failure, or a damaged field, is what the command line's status tells.
    const bool reported = !c.messages.empty();
    EXPECT_EQ(config.readFailed() || !config.damagedFields().empty(), reported);
}

ConfigRecord ZeroInString() {
    ConfigRecord r = FirstRunRecord();
    r.followWindowsZone = 1;
    r.cityName = "Cai";
    r.countryName = "Egypt";
    return r;
}

// The Cairo record with one field damaged on disk: that field runs on as a new installation has
// it (0), reported once in a message naming it.
ConfigRecord CairoWithout(double ConfigRecord::*field) {
    ConfigRecord r = CairoRecord();
    r.*field = 0.0;
    return r;
}

ConfigRecord CairoWithoutOffset() {
    ConfigRecord r = CairoRecord();
    r.gmtOffsetHours = 0;
    return r;
}

std::string Damaged(const char* names) {
    return StrPrintf(texts::ConfigDamagedFields, names);
}

using R = CConfigFile::OpenResult;
INSTANTIATE_TEST_SUITE_P(
    Samples, SampleFileTest,
    ::testing::Values(
        SampleCase{"first_run_cancelled.cfg", R::Loaded, {}, FirstRunRecord()},
        SampleCase{"cairo.cfg", R::Loaded, {}, CairoRecord()},
        SampleCase{"tail_counted.cfg", R::Loaded, {}, CairoRecord()},
        SampleCase{"zero_in_string.cfg", R::Loaded, {}, ZeroInString()},
        // A bad signature or version is reported; the program runs on with empty settings.
        SampleCase{"wrong_signature.cfg", R::Loaded, {texts::ConfigReadErrorBlank}, ConfigRecord{}},
        SampleCase{
            "signature_without_zero.cfg", R::Loaded, {texts::ConfigReadErrorBlank}, ConfigRecord{}},
        SampleCase{"wrong_version.cfg", R::Loaded, {texts::ConfigReadError}, ConfigRecord{}},
        // A bad end marker is reported after every field has been read and kept.
        SampleCase{"wrong_end_marker.cfg", R::Loaded, {texts::ConfigReadErrorBlank}, CairoRecord()},
        SampleCase{"size_plus_one.cfg", R::NeedsFirstRun, {}, ConfigRecord{}},
        SampleCase{"size_minus_one.cfg", R::NeedsFirstRun, {}, ConfigRecord{}},
        SampleCase{"empty.cfg", R::NeedsFirstRun, {}, ConfigRecord{}},
        SampleCase{"eleven_bytes.cfg", R::NeedsFirstRun, {}, ConfigRecord{}},
        SampleCase{"gmt_max.cfg", R::Loaded, {Damaged("time-zone offset")}, CairoWithoutOffset()},
        SampleCase{"gmt_min.cfg", R::Loaded, {Damaged("time-zone offset")}, CairoWithoutOffset()},
        SampleCase{
            "gmt_fifteen.cfg", R::Loaded, {Damaged("time-zone offset")}, CairoWithoutOffset()},
        SampleCase{"latitude_nan.cfg",
                   R::Loaded,
                   {Damaged("latitude")},
                   CairoWithout(&ConfigRecord::latitude)},
        SampleCase{"latitude_huge.cfg",
                   R::Loaded,
                   {Damaged("latitude")},
                   CairoWithout(&ConfigRecord::latitude)},
        SampleCase{"longitude_inf.cfg",
                   R::Loaded,
                   {Damaged("longitude")},
                   CairoWithout(&ConfigRecord::longitude)},
        SampleCase{"altitude_minus_inf.cfg",
                   R::Loaded,
                   {Damaged("altitude")},
                   CairoWithout(&ConfigRecord::altitude)},
        SampleCase{"latitude_and_longitude.cfg",
                   R::Loaded,
                   {Damaged("latitude and longitude")},
                   [] {
                       ConfigRecord r = CairoWithout(&ConfigRecord::latitude);
                       r.longitude = 0.0;
                       return r;
                   }()}),
    [](const auto& info) {
        std::string name = info.param.file;
        name = name.substr(0, name.find('.'));
        return name;
    });

// A body cut short, or a string count beyond the end, is a failed exact read: the disk-read
// message, then exit code 1 (and no attempt to allocate what the file cannot hold).
class ShortReadTest : public ConfigFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShortReadTest, EndsTheProcessAfterTheDiskReadMessage) {
    const std::string path = Install(GetParam());
    EXPECT_EXIT(
        {
            StderrMessageBoxes stderrBoxes;
            CConfigFile config(stderrBoxes);
            config.configPath = path;
            config.OpenConfig();
        },
        ::testing::ExitedWithCode(1), "ERROR READING READING DISK");
}

INSTANTIATE_TEST_SUITE_P(Samples, ShortReadTest,
                         ::testing::Values("cut_in_string.cfg", "string_count_huge.cfg"));

TEST_F(ConfigFileTest, MissingFileIsCreatedEmptyAndNeedsFirstRun) {
    CConfigFile config(boxes);
    config.configPath = dir.file(ConfigFileName);
    EXPECT_EQ(config.OpenConfig(), R::NeedsFirstRun);
    ASSERT_TRUE(std::filesystem::exists(config.configPath));
    EXPECT_EQ(std::filesystem::file_size(config.configPath), 0u);
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

TEST_F(ConfigFileTest, FirstRunSaveWritesTheDocumented125ByteFile) {
    CConfigFile config(boxes);
    config.configPath = dir.file(ConfigFileName);
    static_cast<ConfigRecord&>(config) = FirstRunRecord();
    config.SaveSettings(true);

    const auto saved = ReadBytes(config.configPath);
    EXPECT_EQ(saved.size(), 125u);
    EXPECT_EQ(saved, ReadBytes(SampleDir + "first_run_cancelled.cfg"));
    EXPECT_EQ(config.SavedSize(), 125u);
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

TEST_F(ConfigFileTest, SavedRecordLoadsBackFieldForField) {
    CConfigFile saver(boxes);
    saver.configPath = dir.file(ConfigFileName);
    static_cast<ConfigRecord&>(saver) = CairoRecord();
    saver.SaveSettings(false);
    EXPECT_EQ(ReadBytes(saver.configPath), ReadBytes(SampleDir + "cairo.cfg"));

    CConfigFile loader(boxes);
    loader.configPath = saver.configPath;
    EXPECT_EQ(loader.OpenConfig(), R::Loaded);
    EXPECT_EQ(static_cast<const ConfigRecord&>(loader), CairoRecord());
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

// A save replaces the file as a whole, so no tail of a longer earlier content survives, whether
// or not the caller asked for truncation.
TEST_F(ConfigFileTest, SaveOverALongerFileLeavesExactlyTheRecord) {
    for (const bool truncate : {false, true}) {
        const std::string path = Install("tail_counted.cfg");
        CConfigFile config(boxes);
        config.configPath = path;
        ASSERT_EQ(config.OpenConfig(), R::Loaded);
        config.cityName = "Giza";
        config.SaveSettings(truncate);

        const auto saved = ReadBytes(path);
        ASSERT_EQ(saved.size(), 134u) << "truncate=" << truncate;
        EXPECT_EQ(saved[11], 134);    // the size field
        EXPECT_EQ(saved[130], 0x96);  // the end marker right at the end
        EXPECT_EQ(saved[131], 0x2C);
    }
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

TEST_F(ConfigFileTest, StringCutAtZeroByteIsSavedShorter) {
    const std::string path = Install("zero_in_string.cfg");
    CConfigFile config(boxes);
    config.configPath = path;
    ASSERT_EQ(config.OpenConfig(), R::Loaded);
    config.SaveSettings(false);
    EXPECT_EQ(std::filesystem::file_size(path), 136u - 3u);
}

// When the save cannot be written, the message comes once, the old file stays as it was and
// the record in memory stays in force.
TEST_F(ConfigFileTest, FailedSaveReportsOnceAndKeepsTheOldFile) {
    const std::string path = Install("cairo.cfg");
    const auto before = ReadBytes(path);
    // A folder where the temporary file would go makes every write of the save fail.
    std::filesystem::create_directory(path + ".saving");

    CConfigFile config(boxes);
    config.configPath = path;
    ASSERT_EQ(config.OpenConfig(), R::Loaded);
    config.cityName = "Alexandria";
    config.SaveSettings(false);

    EXPECT_THAT(boxes.texts(), ElementsAre(texts::ConfigSaveError));
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(config.cityName, "Alexandria");
}

TEST_F(ConfigFileTest, SaveIntoMissingFolderReportsOnce) {
    CConfigFile config(boxes);
    config.configPath = dir.file("no-such-folder/zav.cfg");
    config.SaveSettings(true);
    EXPECT_THAT(boxes.texts(), ElementsAre(texts::ConfigSaveError));
}

TEST_F(ConfigFileTest, UnreadableFileIsReportedOnceAndSettingsStayEmpty) {
    // A folder in place of the file can be neither read as a file nor replaced by one.
    const std::string path = dir.file(ConfigFileName);
    std::filesystem::create_directory(path);
    CConfigFile config(boxes);
    config.configPath = path;
    EXPECT_EQ(config.OpenConfig(), R::Loaded);
    EXPECT_EQ(boxes.entries.size(), 1u);
    EXPECT_EQ(static_cast<const ConfigRecord&>(config), ConfigRecord{});
}

TEST(PrayerSettingsOf, UsesTheExactOffsetOnlyWhileFollowingTheSystemZone) {
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    config.latitude = 28.6;
    config.longitude = 77.2;
    config.altitude = 216;
    config.calculationWay = 3;
    config.daylightSavingActive = 1;
    config.gmtOffsetHours = 5;
    config.exactGmtOffsetMinutes = 330;

    config.followWindowsZone = 1;
    PrayerSettings s = config.prayerSettings();
    EXPECT_EQ(s.gmtOffsetMinutes, 330);
    EXPECT_DOUBLE_EQ(s.latitude, 28.6);
    EXPECT_DOUBLE_EQ(s.longitude, 77.2);
    EXPECT_DOUBLE_EQ(s.altitude, 216);
    EXPECT_EQ(s.calculationWay, 3);
    EXPECT_TRUE(s.daylightSavingActive);

    config.followWindowsZone = 0;
    EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, 300);
}

TEST(FollowSystemZone, KeepsWholeHoursInTheRecordAndTheMinutesBeside) {
    struct Case {
        const char* zone;
        int hours;
        int minutes;
    };
    for (const Case& c : {Case{"Asia/Kolkata", 5, 330}, Case{"Africa/Cairo", 2, 120},
                          Case{"America/St_Johns", -3, -210}, Case{"Asia/Kathmandu", 5, 345}}) {
        SCOPED_TRACE(c.zone);
        testing::ScopedTimeZone tz(c.zone);
        testing::RecordingMessageBoxes boxes;
        CConfigFile config(boxes);
        config.followWindowsZone = 1;
        config.FollowSystemZone(MakeLocal(2024, 1, 15, 12, 0, 0));
        EXPECT_EQ(config.gmtOffsetHours, c.hours);
        EXPECT_EQ(config.exactGmtOffsetMinutes, c.minutes);
        EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, c.minutes);
        // Not following, the stored whole hours stand.
        config.followWindowsZone = 0;
        config.gmtOffsetHours = -7;
        config.FollowSystemZone(MakeLocal(2024, 1, 15, 12, 0, 0));
        EXPECT_EQ(config.gmtOffsetHours, -7);
        EXPECT_EQ(config.exactGmtOffsetMinutes, std::nullopt);
        EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, -420);
    }
}

// A record changed in memory to an offset no zone has computes as offset 0 rather than
// overflowing.
TEST(PrayerSettingsOf, AnOffsetNoZoneHasCountsAsZero) {
    testing::RecordingMessageBoxes boxes;
    CConfigFile config(boxes);
    for (const std::int32_t hours : {INT32_MAX, INT32_MIN, 15, -13}) {
        config.gmtOffsetHours = hours;
        EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, 0) << hours;
    }
    config.gmtOffsetHours = 14;
    EXPECT_EQ(config.prayerSettings().gmtOffsetMinutes, 840);
}

}  // namespace
}  // namespace salvenor
