#pragma once

namespace res {

inline constexpr const char kAppTitle[] = "ZelkorConfig";

}  // namespace res
