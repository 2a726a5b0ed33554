#include "upload/upload_job.h"

#include <new>
#include <system_error>

#include "platform/message_box.h"
#include "res/notifications.h"
#include "res/strings_link.h"

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

bool CUploadJob::Start(devlink::CDeviceLink& link, platform::NotifyHandle hDialog) {
    if (m_thread.joinable() || m_bDone.load()) {
        return false;
    }
    m_pLink = &link;
    m_pDialog = hDialog;
    // Before the thread starts, so that every acknowledgement of this upload finds the dialog.
    link.m_hNotifyWnd = hDialog;
    // A link that was never opened has no event; the upload then waits for Cancel.
    m_hAckEvent = link.m_hAckEvent ? link.m_hAckEvent : std::make_shared<platform::CEvent>();
    try {
        LaunchThread();
    } catch (const std::system_error&) {
        m_bDone = true;
        platform::ShowMessage({res::Tr(res::kUploadThreadFailed), res::Tr(res::kErrorCaption),
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
    m_pFinalAck->WakeWaiters();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id()) {
        m_thread.join();
    }
    // What the device answers from now on belongs to no upload; the link may go before the job.
    if (m_pLink != nullptr && !m_thread.joinable()) {
        m_pLink->StopWatching(m_pFinalAck);
        m_pLink = nullptr;
    }
}

void CUploadJob::Send(devlink::CPacketBuffer& frame) {
    m_pLink->SendFrame(frame);
}

bool CUploadJob::SendBlockAt(devlink::CPacketBuffer& frame, int32_t sent) {
    using devlink::kBlockSize;
    const int32_t remaining = m_nTotal - sent;
    // Each block is watched from before it goes: its answer may be in before Send returns.
    if (remaining > kBlockSize) {
        BuildBlock(frame, sent, kBlockSize, false);
        m_nSent += kBlockSize;
        m_pLink->WatchBlock(m_pFinalAck, BlockNumber(sent, false), false);
        Send(frame);
        return false;
    }
    // The final block (the first one too, for data no longer than a block) is deliberately left
    // out of m_nSent: the bar stays at 99 (97 for one program) until the device confirms the
    // end, so a full bar always means the device has everything.
    BuildBlock(frame, sent, remaining, true);
    m_pLink->WatchBlock(m_pFinalAck, BlockNumber(sent, true), true);
    Send(frame);
    m_nFinalSentAt = std::chrono::steady_clock::now().time_since_epoch().count();
    return true;
}

int CUploadJob::SendBlocks() {
    devlink::CPacketBuffer frame(devlink::kDataFrameCapacity);
    const std::atomic<bool>* pLineLost = &m_pLink->LineLostFlag();
    m_nSent = 0;
    bool bLast = false;
    if (!m_bCancel.load()) {  // cancelled before the thread got here: nothing goes
        // Cleared before the first frame goes, so that its acknowledgement cannot be lost.
        m_hAckEvent->Reset();
        bLast = SendBlockAt(frame, 0);
    }
    while (!m_bCancel.load() && !bLast && !LineLost() && !AnsweredForOtherBlock()) {
        if (m_hAckEvent->Wait(kAckWait, &m_bCancel, pLineLost) !=
                platform::EWaitResult::kSignalled ||
            m_bCancel.load() || LineLost() || AnsweredForOtherBlock()) {
            // No answer yet (nothing is ever sent again: how the device takes a block twice is
            // not known), cancelled, the line gone, or the device's answers gone astray.
            continue;
        }
        bLast = SendBlockAt(frame, m_nSent.load());
    }
    m_bLineLost = !bLast && LineLost();
    m_bDone = true;
    if (bLast) {
        AwaitFinalAnswer();
    } else {
        m_pauseEvent.Wait(kFinalPause, &m_bCancel);
    }
    if (!m_bCancel.load()) {
        platform::PostNotify(m_pDialog, res::kNotifyCommand, kIdCancel, 0);
    }
    return 0;
}

void CUploadJob::AwaitFinalAnswer() {
    m_pauseEvent.Wait(kFinalPause, &m_bCancel);
    const auto deadline = FinalBlockSentAt() + m_confirmWait;
    for (auto now = std::chrono::steady_clock::now();
         !m_bCancel.load() && m_pFinalAck->State() == devlink::CFinalAck::EState::kAwaited &&
         now < deadline;
         now = std::chrono::steady_clock::now()) {
        m_pFinalAck->WaitSettled(std::chrono::ceil<std::chrono::milliseconds>(deadline - now),
                                 &m_bCancel);
    }
}

int CUploadJob::Percent() const {
    if (m_nTotal <= 0) {
        return 0;
    }
    if (End() == EUploadEnd::kConfirmed) {
        return 100;
    }
    // 64-bit on the way, so that no size can overflow; a book's figures stay well inside 32.
    return static_cast<int>(static_cast<int64_t>(m_nSent.load()) * 100 / m_nTotal);
}

EUploadEnd CUploadJob::End() const {
    switch (m_pFinalAck->State()) {
        case devlink::CFinalAck::EState::kConfirmed:
            return EUploadEnd::kConfirmed;
        case devlink::CFinalAck::EState::kLineLost:
            return EUploadEnd::kLineLost;
        case devlink::CFinalAck::EState::kOtherBlock:
            return EUploadEnd::kOtherBlock;
        case devlink::CFinalAck::EState::kAwaited:
            break;
    }
    if (m_nFinalSentAt.load() != 0) {
        return EUploadEnd::kUnconfirmed;
    }
    if (!m_bDone.load()) {
        return EUploadEnd::kRunning;
    }
    return m_bLineLost.load() ? EUploadEnd::kLineLost : EUploadEnd::kCancelled;
}

std::chrono::steady_clock::time_point CUploadJob::FinalBlockSentAt() const {
    return std::chrono::steady_clock::time_point(
        std::chrono::steady_clock::duration(m_nFinalSentAt.load()));
}

void CBookUploadJob::BuildFrame(devlink::CPacketBuffer& frame, uint16_t sequence,
                                const uint8_t* data, uint16_t length) {
    devlink::PutBookBlock(frame.Data(), sequence, data, length);
}

void CBookUploadJob::BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                                bool bLast) {
    BuildFrame(frame, BlockNumber(offset, bLast), m_pData.get() + offset,
               static_cast<uint16_t>(length));
}

void CProgramUploadJob::BuildFrame(devlink::CPacketBuffer& frame, uint16_t program, uint16_t offset,
                                   const uint8_t* data, uint16_t length) {
    devlink::PutProgramBlock(frame.Data(), program, offset, data, length);
}

void CProgramUploadJob::BuildBlock(devlink::CPacketBuffer& frame, int32_t offset, int32_t length,
                                   bool) {
    BuildFrame(frame, static_cast<uint16_t>(m_nProgram), static_cast<uint16_t>(offset),
               m_pData.get() + offset, static_cast<uint16_t>(length));
}

}  // namespace upload
