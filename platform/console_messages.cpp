#include "platform/console_messages.h"

#include <string>

namespace platform {

EMsgAnswer CConsoleMessages::Show(const SMessageRequest& request) {
    std::lock_guard lock(m_mutex);
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
