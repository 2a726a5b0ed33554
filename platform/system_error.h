// The operating system's own description of an error number, for messages that carry the number.
//
// Threads: any thread.
#pragma once

#include <string>

namespace platform {

std::string SystemErrorText(int nError);

}  // namespace platform
