#include <windows.h>

#include "platform/lock_keys.h"

namespace platform {

namespace {
bool Toggled(int virtualKey) {
    return (::GetKeyState(virtualKey) & 0x0001) != 0;
}
}  // namespace

SLockKeys LockKeysAfterKey(uint32_t /*nNativeModifiers*/) {
    return {Toggled(VK_CAPITAL), Toggled(VK_NUMLOCK), Toggled(VK_SCROLL)};
}

}  // namespace platform
