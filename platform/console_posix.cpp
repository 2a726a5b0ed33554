#include <unistd.h>

#include "platform/console.h"

namespace platform {

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) != 0;
}

bool ReachStartingConsole() {
    return true;
}

// A terminal here takes the bytes as they are; the locale decides how it shows them.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

CUtf8Console::CUtf8Console() = default;
CUtf8Console::~CUtf8Console() = default;

}  // namespace platform
