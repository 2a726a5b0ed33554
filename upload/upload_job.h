// Uploads: a block of bytes goes to the device in data frames of up to 64 bytes, one frame for
// each acknowledgement, from a thread of the job's own. "The dialog" is a notification handle:
// the job posts kNotifyCommand with kIdCancel to it when the last block has gone (the progress
// dialog closes on it), and the link posts WM_UPLOADPROGRESS to it on each acknowledgement.
//
// Threads: AllocateData, Start, Cancel and the destructor on the user-interface thread; Run on
// the upload thread; m_bCancel, m_bDone, m_nSent and End may be read from any thread. The data
// are filled in before Start and not changed after.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

#include "devlink/device_link.h"
#include "devlink/frame_layout.h"
#include "devlink/packet_buffer.h"
#include "model/program_book.h"
#include "platform/event.h"
#include "platform/notify.h"
#include "res/ids_controls.h"
#include "res/notifications.h"

namespace upload {

inline constexpr std::chrono::milliseconds kAckWait{1000};
inline constexpr std::chrono::milliseconds kFinalPause{100};
// How long the device may stay silent before it counts as not answering: zelkorctl's default
// --timeout, and how long after the final block the window waits for the device to confirm it
// before the user is told (a device may store the whole book first).
inline constexpr std::chrono::seconds kDeviceSilence{10};

// What the job posts to close the dialog: res::kNotifyCommand with the Cancel button's id.
inline constexpr uintptr_t kIdCancel = res::IDCANCEL;

// How far an upload has got, as known at the moment of asking.
enum class EUploadEnd {
    kRunning,      // blocks are still going out
    kCancelled,    // the user ended it before the final block went
    kLineLost,     // the line went away (the user has been told by the link)
    kUnconfirmed,  // the final block went; the device has not confirmed it (yet)
    kConfirmed,    // the device has confirmed the final block
    kOtherBlock,   // the device answered for a block other than the one sent: stopped there
};

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

    // Starts the upload through the link: its thread sends on the link and is paced by the
    // link's acknowledgement event, and the acknowledgements and the job's closing command go
    // to hDialog. False (after telling the user) when the thread cannot be created; such a job
    // counts as done, so Cancel and the destructor return at once. A job starts once.
    bool Start(devlink::CDeviceLink& link, platform::NotifyHandle hDialog);
    // Ends the upload: wakes the thread at once and returns when it has stopped. No frame
    // leaves after Cancel has returned. Harmless before Start, after the end, or twice.
    void Cancel();
    // The thread's body.
    virtual int Run() = 0;

    EUploadEnd End() const;
    // How far the upload has got, 0 to 100; 100 only once the device has confirmed the end.
    int Percent() const;
    // The frames the whole upload takes.
    int32_t FrameCount() const {
        return (m_nTotal + devlink::kBlockSize - 1) / devlink::kBlockSize;
    }
    // The device's answer to the final block; it can be asked after the job has gone.
    std::shared_ptr<const devlink::CFinalAck> FinalAck() const { return m_pFinalAck; }
    // When the final block went (meaningful once End says so).
    std::chrono::steady_clock::time_point FinalBlockSentAt() const;

    std::atomic<bool> m_bCancel{false};
    std::atomic<bool> m_bDone{false};
    std::unique_ptr<uint8_t[]> m_pData;
    int32_t m_nTotal = 0;
    std::atomic<int32_t> m_nSent{0};
    // How long after the final block the job waits for its answer before it closes the dialog;
    // set before Start.
    std::chrono::milliseconds m_confirmWait = kDeviceSilence;

protected:
    // Fills the frame for the block of 'length' bytes at 'offset'; bLast for the final one.
    virtual void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                            bool bLast) = 0;
    // The number the block at 'offset' carries, which its acknowledgement may echo.
    virtual uint16_t BlockNumber(int32_t offset, bool bLast) const = 0;
    // The loop both kinds share: one block per acknowledgement.
    int SendBlocks();
    // Creates the thread; throws std::system_error when the system refuses.
    virtual void LaunchThread();

    std::thread m_thread;

private:
    void Send(devlink::CPacketBuffer& frame);
    // Sends the block that starts 'sent' bytes in; true when it was the final one.
    bool SendBlockAt(devlink::CPacketBuffer& frame, int32_t sent);
    bool LineLost() const { return m_pLink->IsLineLost(); }
    bool AnsweredForOtherBlock() const {
        return m_pFinalAck->State() == devlink::CFinalAck::EState::kOtherBlock;
    }
    // The described pause after the final block, and then, while the device has not answered
    // it, the rest of m_confirmWait: an upload it confirms in time always ends with a full bar.
    void AwaitFinalAnswer();

    // Set by Start, before the thread runs.
    std::shared_ptr<platform::CEvent> m_hAckEvent;
    platform::NotifyHandle m_pDialog = platform::kNoNotify;
    devlink::CDeviceLink* m_pLink = nullptr;
    std::shared_ptr<devlink::CFinalAck> m_pFinalAck = std::make_shared<devlink::CFinalAck>();

    std::atomic<bool> m_bLineLost{false};  // the job stopped because the line went
    std::atomic<std::chrono::steady_clock::rep> m_nFinalSentAt{0};  // 0 until it went
    platform::CEvent m_pauseEvent;  // the pause after the last block, cut short by Cancel
};

class CBookUploadJob : public CUploadJob {
public:
    // Every program of a book, empty or not.
    static constexpr int32_t kDataSize = model::CProgramBook::EncodedSize();

    ~CBookUploadJob() override { Cancel(); }
    // Puts the whole book into the data allocated for kDataSize.
    void Fill(const model::CProgramBook& book) { book.EncodeAll(m_pData.get()); }
    int Run() override { return SendBlocks(); }
    static void BuildFrame(devlink::CPacketBuffer& frame, uint16_t sequence, const uint8_t* data,
                           uint16_t length);

protected:
    void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                    bool bLast) override;
    uint16_t BlockNumber(int32_t offset, bool bLast) const override {
        return bLast ? devlink::kLastSequence : static_cast<uint16_t>(offset / devlink::kBlockSize);
    }
};

class CProgramUploadJob : public CUploadJob {
public:
    static constexpr int32_t kDataSize = model::kPayloadSize;

    ~CProgramUploadJob() override { Cancel(); }
    // Puts the program at the 0-based index into the data allocated for kDataSize.
    void Fill(const model::CProgramBook& book, int16_t index) {
        book[index].Encode(m_pData.get());
        m_nProgram = index;
    }
    int Run() override { return SendBlocks(); }
    static void BuildFrame(devlink::CPacketBuffer& frame, uint16_t program, uint16_t offset,
                           const uint8_t* data, uint16_t length);

    int16_t m_nProgram = 0;  // 0-based index of the program sent

protected:
    void BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                    bool bLast) override;
    uint16_t BlockNumber(int32_t offset, bool) const override {
        return static_cast<uint16_t>(offset);
    }
};

}  // namespace upload
