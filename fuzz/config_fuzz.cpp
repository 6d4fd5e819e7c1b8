// libFuzzer target: opening and loading a configuration file of arbitrary bytes must never read
// out of bounds, allocate beyond the file, or crash; a short read ends in fatalExit, which this
// target turns into an ordinary return.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/fatal_exit.h"
#include "config/config_file.h"
#include "platform/message_boxes.h"

namespace {

struct FatalExit {};

[[noreturn]] void ThrowOnFatalExit(int) {
    throw FatalExit{};
}

std::string ScratchPath() {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/salvenor-config-fuzz-" +
           std::to_string(::getpid()) + ".cfg";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchPath();
    salvenor::setFatalExitHook(ThrowOnFatalExit);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    salvenor::SilentMessageBoxes boxes;
    salvenor::CConfigFile config(boxes);
    config.configPath = path;
    try {
        if (config.OpenConfig() == salvenor::CConfigFile::OpenResult::Loaded) {
            // What was loaded must save and load back to the same record.
            config.SaveSettings();
            salvenor::CConfigFile again(boxes);
            again.configPath = path;
            again.OpenConfig();
            const salvenor::ConfigRecord& loaded = config;
            const salvenor::ConfigRecord& reloaded = again;
            if (!(loaded == reloaded)) {
                std::abort();
            }
        }
    } catch (const FatalExit&) {
    }
    return 0;
}
