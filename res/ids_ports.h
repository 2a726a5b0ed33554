// Ids of the port dialog and its controls; tests find each control by its id.
#pragma once

namespace res {

inline constexpr int IDD_SELECT_PORT = 138;
inline constexpr int IDC_PORT_COMBO = 1054;
// The dialog's buttons keep the standard OK and Cancel ids, its label the id of unnamed statics.
inline constexpr int kSelectPortOkId = 1;
inline constexpr int kSelectPortCancelId = 2;
inline constexpr int kSelectPortLabelId = -1;

}  // namespace res
