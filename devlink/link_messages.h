// What the user of the window program is told of the link's own events: the device's answer to
// the connection test and the loss of the line, each as its message box. The application keeps
// one for its link; the command line reports the same events in its own words.
//
// Threads: user-interface thread; the events arrive there as posted notifications.
#pragma once

#include <functional>
#include <string>

#include "devlink/device_link.h"
#include "platform/notify.h"

namespace devlink {

// "The connection to PORT was lost. ..." for the port the link was opened on.
std::string LineLostText(const std::string& portPath);

class CLinkMessages {
public:
    // Hears the link's events from now on, in place of anyone who heard them before; afterEach
    // runs after each event's message (for what else shows the link's state).
    explicit CLinkMessages(CDeviceLink& link, std::function<void(ELinkEvent)> afterEach = {});
    ~CLinkMessages();
    CLinkMessages(const CLinkMessages&) = delete;
    CLinkMessages& operator=(const CLinkMessages&) = delete;

private:
    void OnEvent(ELinkEvent event);

    CDeviceLink& m_link;
    std::function<void(ELinkEvent)> m_fnAfterEach;
    platform::NotifyHandle m_hTarget = platform::kNoNotify;
};

}  // namespace devlink
