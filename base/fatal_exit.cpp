// Process exit for fatal conditions.
#include "base/fatal_exit.h"

#include <cstdio>
#include <cstdlib>

namespace salvenor {

namespace {
FatalExitHook currentHook = nullptr;
}

void fatalExit(int code) {
    if (currentHook != nullptr) {
        currentHook(code);
    }
    std::fflush(nullptr);
    std::exit(code);
}

FatalExitHook setFatalExitHook(FatalExitHook hook) {
    const FatalExitHook previous = currentHook;
    currentHook = hook;
    return previous;
}

}  // namespace salvenor
