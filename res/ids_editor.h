// Control ids of the editor form.
#pragma once

namespace res {

// The form's own template.
inline constexpr int IDD_ZELKORCONFIG_FORM = 102;

inline constexpr int IDC_SINGLE_FREQUENCIES = 1001;
inline constexpr int IDC_FREQUENCY_GROUPS = 1002;
inline constexpr int IDC_PROGRAM = 1005;
inline constexpr int IDC_PREV_PROGRAM = 1006;
inline constexpr int IDC_NEXT_PROGRAM = 1007;
inline constexpr int IDC_JUMP_NUMBER = 1008;
inline constexpr int IDC_JUMP = 1009;
inline constexpr int IDC_LOAD_DEVICE = 1011;
inline constexpr int IDC_FREQ_FIRST = 1013;        // 1013 + slot, slot 0 to 47
inline constexpr int IDC_FREQ_LABEL_FIRST = 1101;  // 1101 + slot
inline constexpr int IDC_GROUP_BOX_FIRST = 1151;   // 1151 + group, group 0 to 5

inline constexpr int kJumpMaxChars = 4;

}  // namespace res
