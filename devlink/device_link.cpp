#include "devlink/device_link.h"
#include "res/notifications.h"

namespace devlink {

CDeviceLink::CDeviceLink(std::unique_ptr<platform::ISerialDevice> device)
    : CSerialPort(kLinkRxCapacity, std::move(device)) {}

CDeviceLink::~CDeviceLink() {
    CDeviceLink::Close();
}

bool CDeviceLink::Open(const platform::SLineSettings& settings) {
    if (!m_hAckEvent) {
        m_hAckEvent = std::make_shared<platform::CEvent>();
    }
    return CSerialPort::Open(settings);
}

void CDeviceLink::Close() {
    // The reader may signal the event until it has ended, so it goes first.
    CSerialPort::Close();
    m_hAckEvent.reset();
}

bool CDeviceLink::SendConnectionTest() {
    CPacketBuffer frame(kTestFrameCapacity);
    frame.BuildFrame(kFrameTypeTest, 0, nullptr, 0, 0);
    return SendFrame(frame);
}

void CDeviceLink::WatchBlock(const std::shared_ptr<CFinalAck>& pWatch, uint16_t number,
                             bool bFinal) {
    std::lock_guard lock(m_watchMutex);
    pWatch->m_answers.Sending(number, bFinal);
    m_pFinalAck = pWatch;
}

void CDeviceLink::StopWatching(const std::shared_ptr<CFinalAck>& pWatch) {
    std::lock_guard lock(m_watchMutex);
    if (m_pFinalAck == pWatch) {
        m_pFinalAck.reset();
    }
}

void CDeviceLink::SignalAck(uint16_t wParam, intptr_t lParam) {
    if (m_hAckEvent) {
        m_hAckEvent->Set();
    }
    platform::PostNotify(m_hNotifyWnd.load(), res::WM_UPLOADPROGRESS, wParam, lParam);
}

CBlockAnswers::EAnswer CDeviceLink::TakeAnswer(uint16_t subCode, uint16_t value) {
    using EAnswer = CBlockAnswers::EAnswer;
    std::lock_guard lock(m_watchMutex);
    if (!m_pFinalAck) {
        return EAnswer::kNext;  // no upload: nobody waits
    }
    const EAnswer answer = m_pFinalAck->m_answers.Take(subCode, value);
    if (answer == EAnswer::kFinal) {
        m_pFinalAck->Settle(CFinalAck::EState::kConfirmed);
    } else if (answer == EAnswer::kOtherBlock) {
        m_pFinalAck->Settle(CFinalAck::EState::kOtherBlock);
    }
    return answer;
}

void CDeviceLink::OnFrame(CPacketBuffer& frame) {
    const uint8_t* p = frame.Data();
    const int32_t count = frame.Count();
    // A length that disagrees with what arrived is damage the check sequence did not catch.
    if (!IsIntact(p, count) || !LengthAgrees(p, count)) {
        m_nBadFrames.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    const std::optional<SReply> reply = ReadReply(p, count);
    if (!reply) {
        return;
    }
    if (reply->code == kReplyAck && reply->subCode) {
        const uint16_t subCode = *reply->subCode;
        if ((subCode != kAckBlock || !reply->value) && subCode != kAckFinal) {
            return;
        }
        const uint16_t value = subCode == kAckBlock ? *reply->value : 0;
        // Decided before anyone is told of the acknowledgement, so that whoever it wakes finds
        // the upload confirmed or stopped.
        switch (TakeAnswer(subCode, value)) {
            case CBlockAnswers::EAnswer::kRepeat:
                break;
            case CBlockAnswers::EAnswer::kOtherBlock:
                // Wakes the upload, which finds itself stopped; nothing has moved.
                if (std::shared_ptr<platform::CEvent> event = m_hAckEvent) {
                    event->Set();
                }
                break;
            case CBlockAnswers::EAnswer::kNext:
            case CBlockAnswers::EAnswer::kFinal:
                SignalAck(value, 0);
                break;
        }
    } else if (reply->code == kReplyTestResponse) {
        PostEvent(ELinkEvent::kTestAnswer);
    }
}

void CDeviceLink::OnLineLost() {
    {
        std::lock_guard lock(m_watchMutex);
        if (m_pFinalAck) {
            m_pFinalAck->Settle(CFinalAck::EState::kLineLost);
        }
    }
    // An upload waiting for its next acknowledgement gives up at once.
    if (std::shared_ptr<platform::CEvent> event = m_hAckEvent) {
        event->WakeWaiters();
    }
    PostEvent(ELinkEvent::kLineLost);
}

void CDeviceLink::PostEvent(ELinkEvent event) {
    platform::PostNotify(m_hEventWnd.load(), res::WM_LINKEVENT, static_cast<uintptr_t>(event), 0);
}

}  // namespace devlink
