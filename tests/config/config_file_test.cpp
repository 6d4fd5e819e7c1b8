// The configuration file: opening and validation, loading, saving, and the sample files.
#include "config/config_file.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <set>

#include "core/local_time.h"
#include "core/str_printf.h"
#include "core/texts.h"
#include "tests/support/config_records.h"
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

using testing::CairoRecord;
using testing::FirstRunRecord;

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

ConfigRecord CairoAt(double altitude) {
    ConfigRecord r = CairoRecord();
    r.altitude = altitude;
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
        // Altitude takes the range of the command line and the coordinates dialog.
        SampleCase{"altitude_1e20.cfg",
                   R::Loaded,
                   {Damaged("altitude")},
                   CairoWithout(&ConfigRecord::altitude)},
        SampleCase{"altitude_1e308.cfg",
                   R::Loaded,
                   {Damaged("altitude")},
                   CairoWithout(&ConfigRecord::altitude)},
        SampleCase{"altitude_minus_501.cfg",
                   R::Loaded,
                   {Damaged("altitude")},
                   CairoWithout(&ConfigRecord::altitude)},
        SampleCase{"altitude_9001.cfg",
                   R::Loaded,
                   {Damaged("altitude")},
                   CairoWithout(&ConfigRecord::altitude)},
        SampleCase{"altitude_minus_500.cfg", R::Loaded, {}, CairoAt(-500.0)},
        SampleCase{"altitude_9000.cfg", R::Loaded, {}, CairoAt(9000.0)},
        SampleCase{"appended_byte.cfg", R::NeedsFirstRun, {}, ConfigRecord{}},
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

// A saved record is the sample file written by make_samples.py, byte for byte, and a fresh load
// gives the record back field for field.
TEST_F(ConfigFileTest, SavedRecordIsTheSampleFileAndLoadsBack) {
    const struct {
        const char* name;
        ConfigRecord record;
        const char* sample;
        std::size_t size;
    } cases[] = {
        {"FirstRunSaveWritesTheDocumented125ByteFile", FirstRunRecord(), "first_run_cancelled.cfg",
         125},
        {"SavedRecordLoadsBackFieldForField", CairoRecord(), "cairo.cfg", 135},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CConfigFile saver(boxes);
        saver.configPath = dir.file(ConfigFileName);
        static_cast<ConfigRecord&>(saver) = c.record;
        saver.SaveSettings();

        const auto saved = ReadBytes(saver.configPath);
        EXPECT_EQ(saved.size(), c.size);
        EXPECT_EQ(saved, ReadBytes(SampleDir + c.sample));
        EXPECT_EQ(saver.SavedSize(), c.size);

        CConfigFile loader(boxes);
        loader.configPath = saver.configPath;
        EXPECT_EQ(loader.OpenConfig(), R::Loaded);
        EXPECT_EQ(static_cast<const ConfigRecord&>(loader), c.record);
        EXPECT_THAT(boxes.texts(), IsEmpty());
    }
}

// Every damaged field is named in one sentence, in the user's language when one is in force.
TEST_F(ConfigFileTest, DamagedFieldsAreNamedTogetherInTheUsersLanguage) {
    ConfigRecord damaged = CairoRecord();
    damaged.latitude = std::nan("");
    damaged.longitude = 400;
    damaged.altitude = -1e9;
    CConfigFile saver(boxes);
    saver.configPath = dir.file(ConfigFileName);
    static_cast<ConfigRecord&>(saver) = damaged;
    saver.SaveSettings();

    const std::map<std::string, std::string> stubLanguage = {
        {texts::ConfigDamagedFields, "broken: %s"},
        {"latitude", "lat"},
        {"longitude", "lon"},
        {"altitude", "alt"},
        {"%s, %s", "%s / %s"},
        {"%s and %s", "%s + %s"}};
    const struct {
        std::map<std::string, std::string> language;
        std::string message;
    } cases[] = {
        {{}, Damaged("latitude, longitude and altitude")},
        {stubLanguage, "broken: lat / lon + alt"},
    };
    for (const auto& c : cases) {
        RecordingMessageBoxes shown;
        shown.language = c.language;
        CConfigFile loader(shown);
        loader.configPath = saver.configPath;
        EXPECT_EQ(loader.OpenConfig(), R::Loaded);
        EXPECT_THAT(shown.texts(), ElementsAre(c.message));
    }
}

// A save replaces the file as a whole, so no tail of a longer earlier content survives.
TEST_F(ConfigFileTest, SaveOverALongerFileLeavesExactlyTheRecord) {
    const std::string path = Install("tail_counted.cfg");
    CConfigFile config(boxes);
    config.configPath = path;
    ASSERT_EQ(config.OpenConfig(), R::Loaded);
    config.cityName = "Giza";
    config.SaveSettings();

    const auto saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), 134u);
    EXPECT_EQ(saved[11], 134);    // the size field
    EXPECT_EQ(saved[130], 0x96);  // the end marker right at the end
    EXPECT_EQ(saved[131], 0x2C);
    EXPECT_THAT(boxes.texts(), IsEmpty());
}

TEST_F(ConfigFileTest, StringCutAtZeroByteIsSavedShorter) {
    const std::string path = Install("zero_in_string.cfg");
    CConfigFile config(boxes);
    config.configPath = path;
    ASSERT_EQ(config.OpenConfig(), R::Loaded);
    config.SaveSettings();
    EXPECT_EQ(std::filesystem::file_size(path), 136u - 3u);
}

// When the save cannot be written, the message comes once, what stood there stays as it was, no
// temporary is left and the record in memory stays in force.
TEST_F(ConfigFileTest, FailedSaveReportsOnceAndKeepsWhatWasThere) {
    // A folder with something in it cannot be replaced by a file.
    const std::string path = dir.file(ConfigFileName);
    std::filesystem::create_directories(path + "/inside");
    CConfigFile config(boxes);
    config.configPath = path;
    static_cast<ConfigRecord&>(config) = CairoRecord();
    config.cityName = "Alexandria";
    config.SaveSettings();

    EXPECT_THAT(boxes.texts(), ElementsAre(texts::ConfigSaveError));
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
    EXPECT_EQ(config.cityName, "Alexandria");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// The save's properties, each on its own: where the bytes go and what becomes of what was there.
class SavePropertyTest : public ConfigFileTest {
  protected:
    // Saves the Cairo record with `city` to `path` and checks it loads back.
    void SaveCairo(const std::string& path, const char* city) {
        CConfigFile config(boxes);
        config.configPath = path;
        static_cast<ConfigRecord&>(config) = CairoRecord();
        config.cityName = city;
        config.SaveSettings();
        EXPECT_THAT(boxes.texts(), IsEmpty());
        EXPECT_EQ(testing::LoadRecord(path).cityName, city);
    }

    std::vector<std::string> Temporaries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("zav.cfg.saving", 0) == 0) {
                names.push_back(name);
            }
        }
        return names;
    }
};

TEST_F(SavePropertyTest, KeepsTheFilesMode) {
    for (const auto mode : {std::filesystem::perms(0600), std::filesystem::perms(0640),
                            std::filesystem::perms(0644)}) {
        const std::string path = Install("cairo.cfg");
        std::filesystem::permissions(path, mode);
        SaveCairo(path, "Giza");
        EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all, mode);
    }
    // A new file: 0666 less the umask, as any file the user creates.
    const mode_t mask = ::umask(022);
    std::filesystem::remove(dir.file(ConfigFileName));
    SaveCairo(dir.file(ConfigFileName), "Luxor");
    ::umask(mask);
    EXPECT_EQ(std::filesystem::status(dir.file(ConfigFileName)).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms(0644));
}

TEST_F(SavePropertyTest, WritesThroughASymlinkToItsTarget) {
    std::filesystem::create_directory(dir.file("real"));
    std::filesystem::copy_file(SampleDir + "cairo.cfg", dir.file("real/settings.cfg"));
    std::filesystem::permissions(dir.file("real/settings.cfg"), std::filesystem::perms(0600));
    // A relative link, as a user makes with ln -s.
    std::filesystem::create_symlink("real/settings.cfg", dir.file(ConfigFileName));
    SaveCairo(dir.file(ConfigFileName), "Aswan");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file(ConfigFileName)));
    EXPECT_EQ(testing::LoadRecord(dir.file("real/settings.cfg")).cityName, "Aswan");
    EXPECT_EQ(std::filesystem::status(dir.file("real/settings.cfg")).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms(0600));
    EXPECT_TRUE(Temporaries().empty());
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("real"))) {
        EXPECT_EQ(entry.path().filename(), "settings.cfg");  // no temporary left there either
    }
}

// A temporary a killed save left behind is removed by the next save; one whose save still runs
// (its lock held) is not; a leftover of the old fixed name is no obstacle.
TEST_F(SavePropertyTest, RemovesStaleTemporariesOnly) {
    const std::string path = Install("cairo.cfg");
    testing::WriteBytes(dir.file("zav.cfg.saving-Ab12Cd"), {1, 2, 3});
    testing::WriteBytes(dir.file("zav.cfg.saving-Zz99Yy"), {4, 5, 6});
    std::filesystem::create_directory(dir.file("zav.cfg.saving"));
    const int running = ::open(dir.file("zav.cfg.saving-Zz99Yy").c_str(), O_RDONLY);
    ASSERT_GE(running, 0);
    ASSERT_EQ(::flock(running, LOCK_EX), 0);
    SaveCairo(path, "Giza");
    ::close(running);
    std::vector<std::string> left = Temporaries();
    std::sort(left.begin(), left.end());
    EXPECT_THAT(left, ElementsAre("zav.cfg.saving", "zav.cfg.saving-Zz99Yy"));
    SaveCairo(path, "Luxor");  // now that one is stale too
    left = Temporaries();
    EXPECT_THAT(left, ElementsAre("zav.cfg.saving"));
}

// Two processes saving at once each use a temporary of their own: no save fails, and a reader
// always meets a whole record of one or the other.
TEST_F(SavePropertyTest, ConcurrentSavesNeverFailNorShowAPartialFile) {
    const std::string path = Install("cairo.cfg");
    constexpr int Saves = 60;
    std::vector<pid_t> children;
    for (const char* city : {"Alexandria", "Port Said"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            RecordingMessageBoxes childBoxes;
            CConfigFile config(childBoxes);
            config.configPath = path;
            static_cast<ConfigRecord&>(config) = CairoRecord();
            config.cityName = city;
            for (int i = 0; i < Saves; ++i) {
                config.SaveSettings();
            }
            std::_Exit(childBoxes.entries.empty() ? 0 : 3);
        }
        children.push_back(pid);
    }
    int reads = 0;
    std::set<std::string> seen;
    for (;;) {
        const ConfigRecord r = testing::LoadRecord(path);
        seen.insert(r.cityName);
        ++reads;
        int status = 0;
        if (::waitpid(children.front(), &status, WNOHANG) == children.front()) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            children.erase(children.begin());
            if (children.empty()) {
                break;
            }
        }
    }
    EXPECT_GT(reads, 0);
    for (const std::string& city : seen) {
        EXPECT_TRUE(city == "Cairo" || city == "Alexandria" || city == "Port Said") << city;
    }
    EXPECT_TRUE(Temporaries().empty());
}

TEST_F(ConfigFileTest, SaveIntoMissingFolderReportsOnce) {
    CConfigFile config(boxes);
    config.configPath = dir.file("no-such-folder/zav.cfg");
    config.SaveSettings();
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
