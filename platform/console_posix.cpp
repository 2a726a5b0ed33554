#include <unistd.h>

#include "platform/console.h"

namespace platform {

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) != 0;
}

bool ReachStartingConsole() {
    return true;
}

}  // namespace platform
