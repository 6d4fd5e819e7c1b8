#include "tools/tour/installation.h"

#include <system_error>

#include "app/prayer_app.h"
#include "config/config_file.h"
#include "platform/message_boxes.h"
#include "platform/settings_file.h"
#include "tests/support/cairo.h"

namespace salvenor::tour {

namespace fs = std::filesystem;

std::string PrepareInstallation(const fs::path& stage, const fs::path& target) {
    std::error_code error;
    if (!fs::is_directory(stage, error)) {
        return "no staged installation folder at " + stage.string();
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(stage, error)) {
        const fs::path name = entry.path().filename();
        if (name == ConfigFileName || name == SettingsFileName) {
            continue;
        }
        if (entry.is_directory()) {
            fs::copy(entry.path(), target / name, fs::copy_options::recursive, error);
        } else {
            fs::create_symlink(fs::absolute(entry.path()), target / name, error);
        }
        if (error) {
            return "cannot prepare " + (target / name).string() + ": " + error.message();
        }
    }
    if (error) {
        return "cannot read " + stage.string() + ": " + error.message();
    }
    return {};
}

std::string WriteTourConfig(const fs::path& target) {
    SilentMessageBoxes kept(false);  // its first message is what the caller reports
    CConfigFile config(kept);
    testing::SetUpCairo(config);
    config.configPath = (target / ConfigFileName).string();
    config.SaveSettings();
    return kept.firstText();
}

}  // namespace salvenor::tour
