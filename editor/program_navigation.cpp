#include "editor/program_navigation.h"

#include <cstdlib>
#include <string>

#include "model/program_book.h"

namespace editor {

std::optional<int> PreviousProgram(int nCurrent) {
    if (nCurrent - 1 < 0) {
        return std::nullopt;
    }
    return nCurrent - 1;
}

std::optional<int> NextProgram(int nCurrent) {
    if (nCurrent + 1 >= model::kProgramCount) {
        return std::nullopt;
    }
    return nCurrent + 1;
}

SJump ReadJump(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    // strtol reads as atoi does, and says so for a number too large rather than overflow.
    const long number = std::strtol(std::string(text).c_str(), nullptr, 10);
    if (number < 1 || number > model::kProgramCount) {
        return {EJump::kOutOfRange, 0};
    }
    return {EJump::kGo, static_cast<int>(number) - 1};
}

}  // namespace editor
