#include "link/device_link.h"

#include "platform/message_box.h"
#include "res/strings.h"

namespace devlink {

namespace {
constexpr int kTypeOffset = 1;
constexpr int kCodeOffset = 4;
constexpr int kSubCodeOffset = 6;
constexpr int kValueOffset = 8;

bool IsReplyType(uint8_t type) {
    return type == 2 || type == 3 || type == 4;
}
}  // namespace

CDeviceLink::CDeviceLink(std::unique_ptr<platform::ISerialDevice> device)
    : CSerialPort(kLinkRxCapacity, std::move(device)) {
    m_dwBaudRate = kLinkBaudRate;
}

CDeviceLink::~CDeviceLink() {
    CDeviceLink::Close();
}

bool CDeviceLink::Open() {
    if (!m_hAckEvent) {
        m_hAckEvent = std::make_shared<platform::CEvent>();
    }
    return CSerialPort::Open();
}

void CDeviceLink::Close() {
    // The reader may signal the event until it has ended, so it goes first.
    CSerialPort::Close();
    m_hAckEvent.reset();
}

void CDeviceLink::SignalAck(uint16_t wParam, intptr_t lParam) {
    if (m_hAckEvent) {
        m_hAckEvent->Set();
    } else {
        platform::PostMessageBox({res::kSetEventFailed, platform::ApplicationTitle()});
    }
    platform::PostNotify(m_hNotifyWnd.load(), WM_UPLOADPROGRESS, wParam, lParam);
}

void CDeviceLink::OnFrame(CPacketBuffer& frame) {
    const uint8_t* p = frame.Data();
    const int32_t count = frame.Count();
    if (!IsIntact(p, count)) {
        m_nBadFrames.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    // Every field must lie before the check bytes, or the frame is not a reply at all.
    uint16_t code = 0;
    if (count <= kTypeOffset + kFcsSize || !IsReplyType(p[kTypeOffset]) ||
        !ReadFrameField(p, count, kCodeOffset, code)) {
        return;
    }
    if (code == kReplyAck) {
        uint16_t subCode = 0;
        if (!ReadFrameField(p, count, kSubCodeOffset, subCode)) {
            return;
        }
        uint16_t value = 0;
        if (subCode == kAckBlock && ReadFrameField(p, count, kValueOffset, value)) {
            SignalAck(value, 0);
        } else if (subCode == kAckFinal) {
            SignalAck(0, 0);
        }
    } else if (code == kReplyTestResponse) {
        platform::SMessageRequest box{res::kReceivedResponse, res::kAcknowledgeCaption};
        box.bOwned = m_hOwnerWnd.load() != 0;
        platform::PostMessageBox(box);
    }
}

}  // namespace devlink
