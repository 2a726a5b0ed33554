#include "upload/upload_job.h"

#include <cstring>
#include <new>
#include <system_error>

#include "platform/byte_order.h"
#include "platform/message_box.h"
#include "res/strings.h"

namespace upload {

CUploadJob::~CUploadJob() {
    Cancel();
}

bool CUploadJob::AllocateData(int32_t total) {
    m_pData.reset(new (std::nothrow) uint8_t[static_cast<size_t>(total)]);
    m_nTotal = m_pData ? total : 0;
    return m_pData != nullptr;
}

void CUploadJob::LaunchThread() {
    m_thread = std::thread([this] { Run(); });
}

bool CUploadJob::Start() {
    if (m_thread.joinable() || m_bDone.load()) {
        return false;
    }
    if (!m_hAckEvent) {
        // A link that was never opened has no event; the upload then waits for Cancel.
        m_hAckEvent = std::make_shared<platform::CEvent>();
    }
    try {
        LaunchThread();
    } catch (const std::system_error&) {
        m_bDone = true;
        platform::ShowMessage({res::kUploadThreadFailed, res::kErrorCaption,
                               platform::EMsgIcon::kWarning, platform::EMsgButtons::kOk, false});
        return false;
    }
    return true;
}

void CUploadJob::Cancel() {
    m_bCancel = true;
    if (m_hAckEvent) {
        m_hAckEvent->WakeWaiters();
    }
    m_pauseEvent.WakeWaiters();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) {
        m_thread.join();
    }
}

void CUploadJob::Send(devlink::CPacketBuffer& frame) {
    if (m_pLink != nullptr) {
        m_pLink->SendFrame(frame);
    }
}

int CUploadJob::SendBlocks() {
    devlink::CPacketBuffer frame(kFrameCapacity);
    const int32_t total = m_nTotal;
    m_nSent = 0;
    bool bLast = m_bCancel.load();  // cancelled before the thread got here: send nothing
    if (!bLast) {
        // Cleared before the first frame goes, so that its acknowledgement cannot be lost.
        m_hAckEvent->Reset();
        BuildBlock(frame, 0, kBlockSize, false);
        m_nSent += kBlockSize;
        Send(frame);
    }
    while (!m_bCancel.load() && !bLast) {
        if (m_hAckEvent->Wait(kAckWait, &m_bCancel) != platform::EWaitResult::kSignalled ||
            m_bCancel.load()) {
            continue;  // no answer yet (nothing is sent again), or cancelled
        }
        const int32_t sent = m_nSent.load();
        const int32_t remaining = total - sent;
        if (remaining > kBlockSize) {
            BuildBlock(frame, sent, kBlockSize, false);
            m_nSent += kBlockSize;
        } else {
            BuildBlock(frame, sent, remaining, true);
            bLast = true;
        }
        Send(frame);
    }
    m_bDone = true;
    m_pauseEvent.Wait(kFinalPause, &m_bCancel);
    if (!m_bCancel.load()) {
        platform::PostNotify(m_pDialog, kNotifyCommand, kIdCancel, 0);
    }
    return 0;
}

void CBookUploadJob::BuildFrame(devlink::CPacketBuffer& frame, uint16_t sequence,
                                const uint8_t* data, uint16_t length) {
    uint8_t* p = frame.Data();
    p[0] = 0x00;
    p[1] = devlink::kFrameTypeData;
    platform::PutBig16(p + 2, static_cast<uint16_t>(length + 4));
    platform::PutBig16(p + 4, kCmdBookBlock);
    platform::PutBig16(p + 6, sequence);
    std::memcpy(p + 8, data, length);
}

void CBookUploadJob::BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                                bool bLast) {
    const uint16_t sequence = bLast ? kLastSequence : static_cast<uint16_t>(offset / kBlockSize);
    BuildFrame(frame, sequence, m_pData.get() + offset, static_cast<uint16_t>(length));
}

void CProgramUploadJob::BuildFrame(devlink::CPacketBuffer& frame, uint16_t program, uint16_t offset,
                                   const uint8_t* data, uint16_t length) {
    uint8_t* p = frame.Data();
    p[0] = 0x00;
    p[1] = devlink::kFrameTypeData;
    platform::PutBig16(p + 2, static_cast<uint16_t>(length + 6));
    platform::PutBig16(p + 4, kCmdProgramBlock);
    platform::PutBig16(p + 6, program);
    platform::PutBig16(p + 8, offset);
    std::memcpy(p + 10, data, length);
}

void CProgramUploadJob::BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                                   bool) {
    BuildFrame(frame, static_cast<uint16_t>(m_nProgram), static_cast<uint16_t>(offset),
               m_pData.get() + offset, static_cast<uint16_t>(length));
}

}  // namespace upload
