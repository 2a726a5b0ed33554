// For window tests that must show that nothing more arrives: a marker posted now is delivered
// after every notification posted before it, so once it is in, what was on its way has come.
#pragma once

#include <QTest>

#include "platform/notify.h"

namespace testing_support {

inline bool DeliverPostedNotifications() {
    bool bDelivered = false;
    const platform::NotifyHandle marker =
        platform::RegisterNotifyTarget([&](uint32_t, uintptr_t, intptr_t) { bDelivered = true; });
    const bool bPosted = platform::PostNotify(marker, 0, 0, 0);
    const bool bIn = bPosted && QTest::qWaitFor([&] { return bDelivered; }, 10000);
    platform::UnregisterNotifyTarget(marker);
    return bIn;
}

}  // namespace testing_support
