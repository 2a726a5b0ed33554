// upload and test: the device commands without windows. Their exit statuses beside the shared
// ones of commands.h.
#pragma once

namespace cli {

inline constexpr int kExitPortFailed = 3;  // the port did not open
inline constexpr int kExitNoAnswer = 4;    // the device stayed silent for --timeout seconds
inline constexpr int kExitCancelled = 5;   // Ctrl+C (or SIGTERM)

inline constexpr int kDefaultTimeoutSeconds = 10;

}  // namespace cli
