// Shared by the Options sheet tests: a settings folder with an Athan folder in it, a file chooser
// that answers from a script and records what it was asked, the sound and message fakes, and a
// fixed clock.
#pragma once

#include <QDir>
#include <QWidget>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/config_file.h"
#include "core/local_time.h"
#include "platform/clock.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"
#include "tests/support/time_zone.h"
#include "tests/windows/city_selection_page_test_support.h"
#include "windows/sound_file_dialog.h"

namespace salvenor::testing {

// Answers each "Browse..." with the next queued answer (a path, or nothing for Cancel); with
// none queued it cancels. Every request is kept.
class ScriptedFileChooser {
  public:
    SoundFileChooser chooser() {
        return [this](QWidget*, const SoundFileRequest& request) {
            requests.push_back(request);
            if (answers.empty()) {
                return std::optional<std::string>();
            }
            const std::optional<std::string> answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }

    std::deque<std::optional<std::string>> answers;
    std::vector<SoundFileRequest> requests;
};

// The record as first-run setup leaves it, in Cairo, with its file not yet written.
struct OptionsFolder {
    ScopedTimeZone zone{"EET-2"};
    SettingsFolder settings{false};
    CConfigFile& config = settings.config;
    RecordingMessageBoxes& boxes = settings.boxes;
    RecordingSoundPlayer sound;
    ScriptedFileChooser files;
    // 15 January 2024, 10:00 in Cairo: Thuhr is the next prayer.
    FakeClock clock{MakeLocal(2024, 1, 15, 10, 0, 0)};

    OptionsFolder() {
        ApplyFirstRunDefaults(config);
        config.countryName = "Egypt";
        config.cityName = "Cairo";
        config.latitude = CairoCityLatitude;
        config.longitude = CairoCityLongitude;
        config.gmtOffsetHours = 2;
        EXPECT_TRUE(QDir(settings.dir.path()).mkpath(QString::fromUtf8(AthanFolderName)));
    }

    std::string path() const { return settings.path(); }
    std::string athanFolder() const { return path() + "/" + AthanFolderName + "/"; }
};

}  // namespace salvenor::testing
