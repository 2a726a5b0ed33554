// Uploads: a block of bytes goes to the device in data frames of up to 64 bytes, one frame for
// each acknowledgement, from a thread of the job's own. "The dialog" is a notification handle:
// the job posts kNotifyCommand with kIdCancel to it when the last block has gone (the progress
// dialog closes on it), and the link posts WM_UPLOADPROGRESS to it on each acknowledgement.
//
// Threads: Start, Cancel and the destructor on the user-interface thread; Run on the upload
// thread; m_bCancel, m_bDone and m_nSent may be read from any thread. The fields the command
// fills in (data, event, link, dialog, program) are set before Start and not changed after.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

#include "link/device_link.h"
#include "link/packet_buffer.h"
#include "platform/event.h"
#include "platform/notify.h"
#include "res/ids_controls.h"

namespace upload {

inline constexpr int32_t kBlockSize = 64;
inline constexpr int32_t kFrameCapacity = 128;
inline constexpr uint16_t kCmdBookBlock = 2;
inline constexpr uint16_t kCmdProgramBlock = 3;
inline constexpr uint16_t kLastSequence = 0xFFFF;
inline constexpr std::chrono::milliseconds kAckWait{1000};
inline constexpr std::chrono::milliseconds kFinalPause{100};

// What the job posts to close the dialog: the command message with the Cancel button's id.
inline constexpr uint32_t kNotifyCommand = 0x0111;
inline constexpr uintptr_t kIdCancel = res::IDCANCEL;

class CUploadJob {
public:
    CUploadJob() = default;
    // A job still running is cancelled and its thread awaited. Derived classes do this in their
    // own destructor, while their Run still exists.
    virtual ~CUploadJob();
    CUploadJob(const CUploadJob&) = delete;
    CUploadJob& operator=(const CUploadJob&) = delete;

    // Allocates m_pData for total bytes; false when the memory cannot be had.
    bool AllocateData(int32_t total);

    // Starts the upload thread; false (after telling the user) when it cannot be created. Such
    // a job counts as done, so Cancel and the destructor return at once.
    bool Start();
    // Ends the upload: wakes the thread at once and returns when it has stopped. No frame
    // leaves after Cancel has returned. Harmless before Start, after the end, or twice.
    void Cancel();
    // The thread's body.
    virtual int Run() = 0;

    std::atomic<bool> m_bCancel{false};
    std::atomic<bool> m_bDone{false};
    std::shared_ptr<platform::CEvent> m_hAckEvent;
    platform::NotifyHandle m_pDialog = platform::kNoNotify;
    std::unique_ptr<uint8_t[]> m_pData;
    int32_t m_nTotal = 0;
    std::atomic<int32_t> m_nSent{0};
    devlink::CDeviceLink* m_pLink = nullptr;

protected:
    // Fills the frame for the block of 'length' bytes at 'offset'; bLast for the final one.
    virtual void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                            bool bLast) = 0;
    // The loop both kinds share: one block per acknowledgement.
    int SendBlocks();
    // Creates the thread; throws std::system_error when the system refuses.
    virtual void LaunchThread();

    std::thread m_thread;

private:
    void Send(devlink::CPacketBuffer& frame);

    platform::CEvent m_pauseEvent;  // the pause after the last block, cut short by Cancel
};

class CBookUploadJob : public CUploadJob {
public:
    ~CBookUploadJob() override { Cancel(); }
    int Run() override { return SendBlocks(); }
    static void BuildFrame(devlink::CPacketBuffer& frame, uint16_t sequence, const uint8_t* data,
                           uint16_t length);

protected:
    void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                    bool bLast) override;
};

class CProgramUploadJob : public CUploadJob {
public:
    ~CProgramUploadJob() override { Cancel(); }
    int Run() override { return SendBlocks(); }
    static void BuildFrame(devlink::CPacketBuffer& frame, uint16_t program, uint16_t offset,
                           const uint8_t* data, uint16_t length);

    int16_t m_nProgram = 0;  // 0-based index of the program sent

protected:
    void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                    bool bLast) override;
};

}  // namespace upload
