// upload and test: the device commands without windows. Their exit statuses beside the shared
// ones of commands.h.
#pragma once

#include "upload/upload_job.h"

namespace cli {

inline constexpr int kExitPortFailed = 3;  // the port did not open
// The device stayed silent for --timeout seconds, or did not confirm the end of an upload.
inline constexpr int kExitNoAnswer = 4;
inline constexpr int kExitCancelled = 5;  // Ctrl+C (or SIGTERM, SIGHUP, SIGQUIT)
inline constexpr int kExitLineLost = 6;   // the adapter was pulled or the far end hung up
// The device answered for a block other than the one sent, so the upload stopped there.
inline constexpr int kExitOtherBlock = 7;

inline constexpr int kDefaultTimeoutSeconds = static_cast<int>(upload::kDeviceSilence.count());

}  // namespace cli
