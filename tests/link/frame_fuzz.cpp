// libFuzzer target: arbitrary line bytes through reassembly and the device link's reply
// handling. The input is split at its first byte's value so that frames also arrive in pieces.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "link/device_link.h"
#include "platform/message_box.h"

namespace {

class CQuietMessages : public platform::IMessageSink {
public:
    platform::EMsgAnswer Show(const platform::SMessageRequest&) override {
        return platform::EMsgAnswer::kOk;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CQuietMessages quiet;
    static bool bInstalled = (platform::SetMessageSink(&quiet), true);
    (void)bInstalled;
    devlink::CDeviceLink link;
    link.m_hAckEvent = std::make_shared<platform::CEvent>();
    if (size == 0) {
        return 0;
    }
    const size_t split = data[0] % size;
    link.ReceiveBytes(split, data);
    link.ReceiveBytes(size - split, data + split);
    return 0;
}
