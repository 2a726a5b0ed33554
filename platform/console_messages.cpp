#include "platform/console_messages.h"

namespace platform {

EMsgAnswer CConsoleMessages::Show(const SMessageRequest& request) {
    std::lock_guard lock(m_mutex);
    if (!request.caption.empty() && request.caption != ApplicationTitle()) {
        std::fprintf(m_pOut, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    } else {
        std::fprintf(m_pOut, "%s\n", request.text.c_str());
    }
    std::fflush(m_pOut);
    return DismissAnswer(request.buttons);
}

}  // namespace platform
