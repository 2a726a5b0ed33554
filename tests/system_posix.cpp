#include <signal.h>
#include <sys/resource.h>
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

namespace {
void (*g_previousHandler)(int) = nullptr;
}  // namespace

CFileSizeLimit::CFileSizeLimit(uint64_t nBytes) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return;
    }
    m_nPrevious = limit.rlim_cur;
    limit.rlim_cur = nBytes;
    // A write past the limit fails with EFBIG instead of ending the process.
    g_previousHandler = ::signal(SIGXFSZ, SIG_IGN);
    m_bActive = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

CFileSizeLimit::~CFileSizeLimit() {
    if (m_bActive) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = m_nPrevious;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, g_previousHandler);
    }
}

}  // namespace testing_support
