// The serial port made specific to the generator: 115200 baud 8N1, a 512-byte reassembly buffer,
// the acknowledgement event that paces uploads, and the meaning of each frame the device sends.
//
// Threads: as CSerialPort. OnFrame, SignalAck and the events of the link run in the reader
// thread (the loss of the line may also be found by a sender). m_hNotifyWnd and m_hEventWnd are
// written by the user-interface thread and read by the others (atomics). m_hAckEvent is replaced
// only by Open and Close, on the user-interface thread while no upload runs; an upload keeps its
// own reference to the event it was given. WatchBlock: the upload thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "devlink/block_answers.h"
#include "devlink/serial_port.h"
#include "platform/event.h"
#include "platform/notify.h"
#include "res/notifications.h"

namespace devlink {

// res::WM_UPLOADPROGRESS goes to m_hNotifyWnd on each acknowledgement, res::WM_LINKEVENT to
// m_hEventWnd for what the user must hear of (wParam an ELinkEvent).
enum class ELinkEvent : uintptr_t {
    kTestAnswer = 1,  // the device answered the connection test
    kLineLost = 2,    // the line has gone (once when found, then for each frame sent on it)
};

inline constexpr int32_t kLinkRxCapacity = 512;
inline constexpr uint32_t kLinkBaudRate = 115200;
// The link's line: 115200 baud, no parity, one stop bit.
inline constexpr platform::SLineSettings kLinkLineSettings{kLinkBaudRate, platform::EParity::kNone,
                                                           platform::EStopBits::kOne};

// The device's answers to one upload: whether it has confirmed the final block, or why it never
// will. Watched by the link from the first block on (CBlockAnswers says which answers count);
// the upload and whoever reports on it share it, so that it can be asked after the upload has
// gone.
class CFinalAck {
public:
    enum class EState {
        kAwaited,
        kConfirmed,
        kLineLost,
        kOtherBlock,  // the device answered for a block other than the one sent
    };
    EState State() const { return m_state.load(); }
    // Waits until the answer is settled (confirmed, or never to come), the time-out passes or
    // *pCancel reads true; WakeWaiters makes the waiter test *pCancel again.
    void WaitSettled(std::chrono::milliseconds timeout, const std::atomic<bool>* pCancel) {
        if (State() == EState::kAwaited) {
            m_settled.Wait(timeout, pCancel);
        }
    }
    void WakeWaiters() { m_settled.WakeWaiters(); }

private:
    friend class CDeviceLink;
    void Settle(EState state) {
        auto awaited = EState::kAwaited;
        if (m_state.compare_exchange_strong(awaited, state)) {
            m_settled.Set();
        }
    }

    CBlockAnswers m_answers;  // under the link's lock
    std::atomic<EState> m_state{EState::kAwaited};
    platform::CEvent m_settled;
};

class CDeviceLink : public CSerialPort {
public:
    explicit CDeviceLink(std::unique_ptr<platform::ISerialDevice> device = nullptr);
    // Closes the link: the reader ends and the port is released before the link goes.
    ~CDeviceLink() override;

    // Opens the port as the device's line runs (kLinkLineSettings).
    bool Open() { return Open(kLinkLineSettings); }
    bool OpenQuietly() { return CSerialPort::OpenQuietly(kLinkLineSettings); }
    bool Open(const platform::SLineSettings& settings) override;
    void Close() override;

    // Sends the connection test; the answer, if any, comes as a kTestAnswer event.
    bool SendConnectionTest();

    // The block numbered 'number' of the upload that pWatch follows goes now (bFinal for its
    // last); from now on the link holds the device's answers to that upload's blocks. A watch
    // set before for another upload is dropped. Call just before each block goes.
    void WatchBlock(const std::shared_ptr<CFinalAck>& pWatch, uint16_t number, bool bFinal);
    // The link no longer watches for it (nothing when it watches another by now): later answers
    // belong to no upload.
    void StopWatching(const std::shared_ptr<CFinalAck>& pWatch);

    void SignalAck(uint16_t wParam, intptr_t lParam);
    uint32_t BadFrames() const { return m_nBadFrames.load(); }

    // Handed to each upload job; signalled once for every acknowledgement.
    std::shared_ptr<platform::CEvent> m_hAckEvent;
    std::atomic<platform::NotifyHandle> m_hNotifyWnd{platform::kNoNotify};
    // Hears the link's events for as long as it is set: the application, or the command line.
    std::atomic<platform::NotifyHandle> m_hEventWnd{platform::kNoNotify};

protected:
    void OnFrame(CPacketBuffer& frame) override;
    void OnLineLost() override;

private:
    void PostEvent(ELinkEvent event);
    // What the answer means for the upload watched, if any, settled on its watch.
    CBlockAnswers::EAnswer TakeAnswer(uint16_t subCode, uint16_t value);

    std::atomic<uint32_t> m_nBadFrames{0};
    std::mutex m_watchMutex;  // guards m_pFinalAck between the upload thread and the reader
    std::shared_ptr<CFinalAck> m_pFinalAck;
};

}  // namespace devlink
