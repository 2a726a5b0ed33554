// Texts of the Uploading Progress dialog.
#pragma once

namespace res {

inline constexpr const char kUploadProgressCaption[] = "Uploading Progress";
inline constexpr const char kUploadCancel[] = "Cancel";
// Under the bar: the share the device has acknowledged and the time the rest should take.
inline constexpr const char kUploadPercent[] = "%d%%";
inline constexpr const char kUploadSecondsLeft[] = "About %d s left";
inline constexpr const char kUploadMinutesLeft[] = "About %d min %d s left";
// The last block went but the device never said it arrived.
inline constexpr const char kUploadNotConfirmed[] =
    "The device did not confirm that it received the whole upload. Please send it again.";

}  // namespace res
