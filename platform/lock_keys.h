// Which of the lock keys (Caps, Num, Scroll) are on, for the status bar's indicators.
//
// Threads: the user-interface thread, while it handles a key event.
#pragma once

#include <cstdint>

namespace platform {

struct SLockKeys {
    bool bCaps = false;
    bool bNum = false;
    bool bScroll = false;
};

// The lock keys as a key event leaves them. X11 (and Wayland, whose keyboard state keeps X11's
// numbering) tell them only in the modifier state word of each key event, which the caller passes;
// Windows asks the keyboard itself and ignores the word. A window system that gives no word
// (0) shows every lock off.
SLockKeys LockKeysAfterKey(uint32_t nNativeModifiers);

}  // namespace platform
