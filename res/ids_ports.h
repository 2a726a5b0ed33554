// Ids of the port dialog and its controls; tests find each control by its id.
#pragma once

#include "res/ids_controls.h"

namespace res {

inline constexpr int IDD_SELECT_PORT = 138;
inline constexpr int IDC_PORT_COMBO = 1054;
inline constexpr int IDC_PORT_REFRESH = 1055;
inline constexpr int IDC_PORT_STABLE_NAME = 1056;
inline constexpr int IDC_PORT_DESCRIPTION = 1057;
inline constexpr int IDC_PORT_USB_IDENTITY = 1058;

}  // namespace res
