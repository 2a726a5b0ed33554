// The lock keys in the state word that X11 (and Wayland's xkb) gives with a key event.
#include "platform/lock_keys.h"

#include <gtest/gtest.h>

namespace {

TEST(LockKeys, TheStateWordNamesCapsAndNumLock) {
    struct SCase {
        uint32_t word;
        bool bCaps;
        bool bNum;
    };
    // 0x01 Shift and 0x04 Control are no locks.
    for (const SCase& c : {SCase{0x00, false, false}, SCase{0x02, true, false},
                           SCase{0x10, false, true}, SCase{0x17, true, true}}) {
        const platform::SLockKeys locks = platform::LockKeysAfterKey(c.word);
        EXPECT_EQ(locks.bCaps, c.bCaps) << c.word;
        EXPECT_EQ(locks.bNum, c.bNum) << c.word;
        EXPECT_FALSE(locks.bScroll) << c.word;
    }
}

}  // namespace
