#include "platform/lock_keys.h"

namespace platform {

namespace {
// The state word's bits: Lock, and Mod2, which is Num Lock on every common keymap. X11 keeps no
// bit for Scroll Lock.
constexpr uint32_t kLockMask = 0x02;
constexpr uint32_t kNumLockMask = 0x10;
}  // namespace

SLockKeys LockKeysAfterKey(uint32_t nNativeModifiers) {
    return {(nNativeModifiers & kLockMask) != 0, (nNativeModifiers & kNumLockMask) != 0, false};
}

}  // namespace platform
