// The program's own window messages and notifications, in one place so that no two share a
// number: each is told apart from the others only by it.
#pragma once

#include <array>
#include <cstdint>

namespace res {

// Sent by the document to each view, synchronously, before it writes or reads the book.
inline constexpr uint32_t WM_COMMITPROGRAM = 0x857;
// Its wParam: the view asks whether to keep its edits; keeps them without asking (the user has
// just answered Save to the document's question); or drops them (the answer was Discard).
inline constexpr uintptr_t kCommitAsk = 0;
inline constexpr uintptr_t kCommitKeep = 1;
inline constexpr uintptr_t kCommitDrop = 2;
// Posted by the link to the progress dialog on each acknowledgement; wParam is the value
// acknowledged.
inline constexpr uint32_t WM_UPLOADPROGRESS = 0x8BC;
// Posted by the link to whoever hears its events; wParam is a devlink::ELinkEvent.
inline constexpr uint32_t WM_LINKEVENT = 0x8BD;
// Posted by an upload job to its dialog when the last block has gone: the command message with
// the Cancel button's id, as a button press would send it.
inline constexpr uint32_t kNotifyCommand = 0x0111;
// Posted by zelkorctl's Ctrl+C handler to the command that waits on the line.
inline constexpr uint32_t kNotifyInterrupt = 0x8000;

namespace detail {
inline constexpr std::array<uint32_t, 5> kAllNotifications = {
    WM_COMMITPROGRAM, WM_UPLOADPROGRESS, WM_LINKEVENT, kNotifyCommand, kNotifyInterrupt};

constexpr bool AllDistinct() {
    for (size_t i = 0; i < kAllNotifications.size(); ++i) {
        for (size_t j = i + 1; j < kAllNotifications.size(); ++j) {
            if (kAllNotifications[i] == kAllNotifications[j]) {
                return false;
            }
        }
    }
    return true;
}
}  // namespace detail

static_assert(detail::AllDistinct(), "two notifications share a number");

}  // namespace res
