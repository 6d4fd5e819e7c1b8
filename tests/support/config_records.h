// Configuration records the tests share: Cairo (from cairo.h, muted for the tests), the record of
// a cancelled first run, and a file loaded back as start-up loads it.
#pragma once

#include <string>

#include "config/config_file.h"
#include "tests/support/cairo.h"
#include "tests/support/fakes.h"

namespace salvenor::testing {

// The running Cairo set-up with sounds muted: a start shows and plays nothing else.
inline void SetCairo(ConfigRecord& config) {
    SetUpCairo(config);
    config.muteAllSounds = 1;
}

inline ConfigRecord FirstRunRecord() {
    ConfigRecord r;
    r.followWindowsZone = 1;
    ApplyFirstRunDefaults(r);
    return r;
}

// The record a fresh start loads from `path`; `boxes` (when given) receives its messages.
inline ConfigRecord LoadRecord(const std::string& path, RecordingMessageBoxes* boxes = nullptr) {
    RecordingMessageBoxes own;
    CConfigFile fresh(boxes != nullptr ? *boxes : own);
    fresh.configPath = path;
    fresh.OpenConfig();
    return static_cast<const ConfigRecord&>(fresh);
}

}  // namespace salvenor::testing
