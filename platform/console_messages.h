// Messages for programs without windows: printed to standard error, answered as if dismissed.
#pragma once

#include <cstdio>
#include <mutex>

#include "platform/message_box.h"

namespace platform {

class CConsoleMessages : public IMessageSink {
public:
    explicit CConsoleMessages(std::FILE* out = stderr) : m_pOut(out) {}
    EMsgAnswer Show(const SMessageRequest& request) override;

private:
    std::FILE* m_pOut;
    std::mutex m_mutex;
};

}  // namespace platform
