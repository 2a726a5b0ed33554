// Texts of the layer in place of the operating system.
#pragma once

namespace res {

// A system error that the system has no words for.
inline constexpr const char kUnknownSystemError[] = "Unknown error %d";

}  // namespace res
