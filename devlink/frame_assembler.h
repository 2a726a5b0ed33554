// Receive reassembly: bytes from the line in, whole frames (check bytes included, still
// unchecked) out. One flag both ends a frame and opens the next; bytes outside a frame are
// dropped, and so is a frame that outgrows the buffer (counted in m_nOverruns).
//
// Threads: Feed and Reset belong to one thread (the port's reader); m_nOverruns may be read
// from any thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "devlink/packet_buffer.h"

namespace devlink {

class CFrameAssembler {
public:
    explicit CFrameAssembler(int32_t capacity) : m_rxFrame(capacity) {}

    // Forgets any partial frame, as at the opening of a port.
    void Reset() {
        m_bEscape = false;
        m_bInFrame = false;
        m_rxFrame.SetCount(0);
    }

    // Calls onFrame(CPacketBuffer&) for each frame completed by these bytes.
    template <class FOnFrame>
    void Feed(const uint8_t* bytes, size_t count, FOnFrame&& onFrame) {
        for (size_t i = 0; i < count; ++i) {
            const uint8_t b = bytes[i];
            if (b == kFlag) {
                if (m_rxFrame.Count() > 0) {
                    onFrame(m_rxFrame);
                }
                m_bInFrame = true;
                m_bEscape = false;
                m_rxFrame.SetCount(0);
            } else if (!m_bInFrame) {
                continue;
            } else if (b == kEscape) {
                m_bEscape = true;
            } else {
                const uint8_t v = m_bEscape ? static_cast<uint8_t>(b ^ kEscapeXor) : b;
                if (!m_rxFrame.Append(v)) {
                    m_rxFrame.SetCount(0);
                    m_bInFrame = false;
                    m_nOverruns.fetch_add(1, std::memory_order_relaxed);
                }
                m_bEscape = false;
            }
        }
    }

    CPacketBuffer m_rxFrame;
    bool m_bEscape = false;
    bool m_bInFrame = false;
    std::atomic<uint32_t> m_nOverruns{0};
};

}  // namespace devlink
