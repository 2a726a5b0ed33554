// What every window shares: the property that carries a control's numeric id (so that code and
// tests find control N whatever the layout), and the standard ids of OK, Cancel and unnamed
// statics.
#pragma once

namespace res {

inline constexpr const char kControlIdProperty[] = "controlId";

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

}  // namespace res
