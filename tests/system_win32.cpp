#include <windows.h>

#include "platform/error_text.h"
#include "tests/test_support.h"

namespace testing_support {

std::string ReasonNoSuchFile() {
    return platform::ErrorText(ERROR_FILE_NOT_FOUND);
}
std::string ReasonNoSuchFolder() {
    return platform::ErrorText(ERROR_PATH_NOT_FOUND);
}
std::string ReasonReadFolder() {
    return platform::ErrorText(ERROR_ACCESS_DENIED);
}
std::string ReasonWriteFolder() {
    return platform::ErrorText(ERROR_DIRECTORY);
}

bool RaiseInterrupt() {
    return ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0) != 0;
}

// Windows has no limit of the size a process may write.
CFileSizeLimit::CFileSizeLimit(uint64_t) {}
CFileSizeLimit::~CFileSizeLimit() = default;

}  // namespace testing_support
