// Texts of the Uploading Progress dialog.
#pragma once

namespace res {

inline constexpr const char kUploadProgressCaption[] = "Uploading Progress";
inline constexpr const char kUploadCancel[] = "Cancel";

}  // namespace res
