// Dialog templates and control ids of the editor's dialogs.
#pragma once

#include "res/ids_controls.h"

namespace res {

inline constexpr int IDD_INSERT_PROGRAM = 133;
inline constexpr int IDC_PROGRAM_NUMBER = 1049;

inline constexpr int IDD_REORDER = 134;
inline constexpr int IDC_REORDER_LIST = 1050;
inline constexpr int IDC_UP = 1051;
inline constexpr int IDC_DOWN = 1052;
inline constexpr int IDC_MOVE_TO = 1053;

}  // namespace res
