#include "devlink/link_messages.h"

#include "platform/message_box.h"
#include "platform/text_format.h"
#include "res/notifications.h"
#include "res/strings_link.h"

namespace devlink {

std::string LineLostText(const std::string& portPath) {
    return platform::FormatText(res::Tr(res::kLineLost), portPath.c_str());
}

CLinkMessages::CLinkMessages(CDeviceLink& link, std::function<void(ELinkEvent)> afterEach)
    : m_link(link), m_fnAfterEach(std::move(afterEach)) {
    m_hTarget = platform::RegisterNotifyTarget([this](uint32_t nMsg, uintptr_t wParam, intptr_t) {
        if (nMsg == res::WM_LINKEVENT) {
            OnEvent(static_cast<ELinkEvent>(wParam));
        }
    });
    m_link.m_hEventWnd = m_hTarget;
}

CLinkMessages::~CLinkMessages() {
    m_link.m_hEventWnd = platform::kNoNotify;
    platform::UnregisterNotifyTarget(m_hTarget);
}

void CLinkMessages::OnEvent(ELinkEvent event) {
    // Posted on, as the reader's own messages are: a box never holds up what comes next.
    switch (event) {
        case ELinkEvent::kTestAnswer:
            platform::PostMessageBox(
                {res::Tr(res::kReceivedResponse), res::Tr(res::kAcknowledgeCaption)});
            break;
        case ELinkEvent::kLineLost:
            platform::PostMessageBox({LineLostText(m_link.PortPath()),
                                      res::Tr(res::kCommPortErrorCaption),
                                      platform::EMsgIcon::kWarning});
            break;
    }
    if (m_fnAfterEach) {
        m_fnAfterEach(event);
    }
}

}  // namespace devlink
