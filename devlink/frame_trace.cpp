#include "devlink/frame_trace.h"

#include <string>
#include <vector>

#include "devlink/packet_buffer.h"

namespace devlink {

CPrintedTrace::CPrintedTrace(std::FILE* out)
    : m_pOut(out), m_start(std::chrono::steady_clock::now()) {}

void CPrintedTrace::OnSend(const uint8_t* wire, size_t count) {
    PrintBytes('>', wire, count);
}

void CPrintedTrace::OnReceive(const uint8_t* frame, size_t count) {
    // Stuffed again, so that both directions read as the line carried them.
    const std::vector<uint8_t> wire = StuffedFrame(frame, static_cast<int32_t>(count));
    PrintBytes('<', wire.data(), wire.size());
}

void CPrintedTrace::OnPortEvent(const std::string& text) {
    PrintLine('*', ' ' + text);
}

void CPrintedTrace::PrintBytes(char direction, const uint8_t* wire, size_t count) {
    std::string body;
    body.reserve(3 * count);
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count; ++i) {
        body += ' ';
        body += kHex[wire[i] >> 4];
        body += kHex[wire[i] & 0x0F];
    }
    PrintLine(direction, body);
}

void CPrintedTrace::PrintLine(char mark, const std::string& body) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%12.6f] %c", seconds, mark);
    const std::string line = stamp + body + '\n';
    std::lock_guard lock(m_mutex);
    std::FILE* out = m_pOut != nullptr ? m_pOut : stderr;
    std::fputs(line.c_str(), out);
    std::fflush(out);
}

}  // namespace devlink
