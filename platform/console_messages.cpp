#include "platform/console_messages.h"

namespace platform {

EMsgAnswer CConsoleMessages::Show(const SMessageRequest& request) {
    std::lock_guard lock(m_mutex);
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
