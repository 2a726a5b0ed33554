#include "platform/console_messages.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <string>
#include <string_view>

namespace platform {

namespace {
// One lock for every console sink, so that lines from several threads never mix. It is not a
// member: the program-wide sink is built at compile time, and not every system's std::mutex can
// be (MinGW's cannot).
std::mutex& ConsoleLock() {
    static std::mutex s_mutex;
    return s_mutex;
}
// "Comm Port Error: 21 (Is a directory)" says what kind of failure it is itself: a caption in
// front of it would say it twice.
bool HasOwnErrorLabel(const std::string& text) {
    constexpr std::string_view kLabelEnd = " Error: ";
    const size_t end = text.find(kLabelEnd);
    return end != std::string::npos &&
           std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), [](char c) {
               return std::isalpha(static_cast<unsigned char>(c)) || c == ' ';
           });
}

}  // namespace

EMsgAnswer CConsoleMessages::Show(const SMessageRequest& request) {
    std::lock_guard lock(ConsoleLock());
    std::FILE* out = m_pOut != nullptr ? m_pOut : stderr;
    // The usual form of tools: where it came from, what it is about, what happened, why.
    std::string line;
    auto add = [&line](const std::string& part) {
        if (!part.empty()) {
            line += line.empty() ? part : ": " + part;
        }
    };
    if (request.caption != ApplicationTitle() && !HasOwnErrorLabel(request.text)) {
        add(request.caption);
    }
    add(request.subject);
    line += line.empty() ? request.text : ": " + request.text;
    add(request.detail);
    std::fprintf(out, "%s\n", line.c_str());
    std::fflush(out);
    return DismissAnswer(request.buttons);
}

}  // namespace platform
