#include "platform/console_messages.h"

#include <mutex>
#include <string>

namespace platform {

namespace {
// One lock for every console sink, so that lines from several threads never mix. It is not a
// member: the program-wide sink is built at compile time, and not every system's std::mutex can
// be (MinGW's cannot).
std::mutex& ConsoleLock() {
    static std::mutex s_mutex;
    return s_mutex;
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
    if (request.caption != ApplicationTitle()) {
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
