// The serial port made specific to the generator: 115200 baud 8N1, a 512-byte reassembly buffer,
// the acknowledgement event that paces uploads, and the meaning of each frame the device sends.
//
// Threads: as CSerialPort. OnFrame and SignalAck run in the reader thread. m_hNotifyWnd and
// m_hOwnerWnd are written by the user-interface thread and read by the reader (atomics).
// m_hAckEvent is replaced only by Open and Close, on the user-interface thread while no upload
// runs; an upload keeps its own reference to the event it was given.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "link/serial_port.h"
#include "platform/event.h"
#include "platform/notify.h"

namespace devlink {

// Posted to m_hNotifyWnd on each acknowledgement; wParam is the acknowledged value.
inline constexpr uint32_t WM_UPLOADPROGRESS = 0x8BC;

inline constexpr int32_t kLinkRxCapacity = 512;
inline constexpr uint32_t kLinkBaudRate = 115200;

class CDeviceLink : public CSerialPort {
public:
    explicit CDeviceLink(std::unique_ptr<platform::ISerialDevice> device = nullptr);
    // Closes the link: the reader ends and the port is released before the link goes.
    ~CDeviceLink() override;

    bool Open() override;
    void Close() override;
    // Same as Close; for owners that want to say so at their end.
    void Shutdown() { Close(); }

    void SignalAck(uint16_t wParam, intptr_t lParam);
    uint32_t BadFrames() const { return m_nBadFrames.load(); }

    // Handed to each upload job; signalled once for every acknowledgement.
    std::shared_ptr<platform::CEvent> m_hAckEvent;
    std::atomic<platform::NotifyHandle> m_hNotifyWnd{platform::kNoNotify};

protected:
    void OnFrame(CPacketBuffer& frame) override;

private:
    std::atomic<uint32_t> m_nBadFrames{0};
};

}  // namespace devlink
