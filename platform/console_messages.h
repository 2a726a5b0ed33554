// Messages for programs without windows: printed to standard error, answered as if dismissed.
#pragma once

#include <cstdio>

#include "platform/message_box.h"

namespace platform {

class CConsoleMessages : public IMessageSink {
public:
    // Null stands for standard error, looked up when a message is shown: the program-wide sink
    // is then set up before any other static object and can serve them all.
    constexpr explicit CConsoleMessages(std::FILE* out = nullptr) : m_pOut(out) {}
    EMsgAnswer Show(const SMessageRequest& request) override;

private:
    std::FILE* m_pOut;
};

}  // namespace platform
