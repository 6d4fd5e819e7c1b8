// Fatal conditions end the process through fatalExit, after their message has been shown.
#pragma once

namespace salvenor {

// Ends the process with the given exit code. If a hook is installed it runs first; a hook must
// not return normally (fuzz targets install one that throws, so that a fatal read becomes an
// ordinary outcome for them). Should it return anyway, the process still exits.
[[noreturn]] void fatalExit(int code);

using FatalExitHook = void (*)(int code);

// Installs a hook and returns the previous one; nullptr removes it.
FatalExitHook setFatalExitHook(FatalExitHook hook);

}  // namespace salvenor
