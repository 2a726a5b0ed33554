// The running machine's own source of serial ports, for the port enumeration.
#pragma once

#include "platform/port_system.h"

namespace platform {

// Lives for the whole run. User-interface thread only.
platform::IPortSystem& SystemPortSource();

}  // namespace platform
