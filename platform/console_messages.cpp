#include "platform/console_messages.h"

#include <mutex>

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
    if (!request.caption.empty() && request.caption != ApplicationTitle()) {
        std::fprintf(out, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    } else {
        std::fprintf(out, "%s\n", request.text.c_str());
    }
    std::fflush(out);
    return DismissAnswer(request.buttons);
}

}  // namespace platform
