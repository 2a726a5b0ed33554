// Ids of the Uploading Progress dialog and its controls; tests find each control by its id.
#pragma once

namespace res {

inline constexpr int IDD_UPLOAD_PROGRESS = 132;
inline constexpr int IDC_UPLOAD_PROGRESS = 1048;
// The Cancel button keeps the standard Cancel id: the upload thread closes the dialog with it.
inline constexpr int kUploadCancelId = 2;

}  // namespace res
