// Ids of the Uploading Progress dialog and its controls; tests find each control by its id.
#pragma once

#include "res/ids_controls.h"

namespace res {

inline constexpr int IDD_UPLOAD_PROGRESS = 132;
inline constexpr int IDC_UPLOAD_PROGRESS = 1048;

}  // namespace res
