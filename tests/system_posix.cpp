#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/error_text.h"
#include "tests/test_support.h"

namespace testing_support {

std::string ReasonNoSuchFile() {
    return platform::ErrorText(ENOENT);
}
std::string ReasonNoSuchFolder() {
    return platform::ErrorText(ENOENT);
}
std::string ReasonReadFolder() {
    return platform::ErrorText(EISDIR);
}
std::string ReasonWriteFolder() {
    return platform::ErrorText(EISDIR);
}

bool RaiseInterrupt() {
    // To the process, not to this thread: the watch's thread is the one that takes it.
    return ::kill(::getpid(), SIGINT) == 0;
}

}  // namespace testing_support
