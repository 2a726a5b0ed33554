// Dialog templates and control ids of the editor's dialogs. Each widget carries its id in the
// dynamic property "controlId" (and an objectName "control_<id>"), so tests find control N.
#pragma once

namespace res {

inline constexpr const char kControlIdProperty[] = "controlId";

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

inline constexpr int IDD_INSERT_PROGRAM = 133;
inline constexpr int IDC_PROGRAM_NUMBER = 1049;

inline constexpr int IDD_REORDER = 134;
inline constexpr int IDC_REORDER_LIST = 1050;
inline constexpr int IDC_UP = 1051;
inline constexpr int IDC_DOWN = 1052;

}  // namespace res
