// Texts of the Uploading Progress dialog.
#pragma once

namespace res {

inline constexpr const char kUploadProgressCaption[] = "Uploading Progress";
inline constexpr const char kUploadCancel[] = "Cancel";
// The last block went but the device never said it arrived.
inline constexpr const char kUploadNotConfirmed[] =
    "The device did not confirm that it received the whole upload. Please send it again.";

}  // namespace res
