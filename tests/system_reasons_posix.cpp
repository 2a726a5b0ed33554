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

}  // namespace testing_support
