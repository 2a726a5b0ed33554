#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/file.h"

namespace platform {

namespace {

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Saving through a symbolic link must update the file it points to; a rename over the link
// would replace the link with a copy and leave the real document as it was.
std::string ResolveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) {
        return path;  // a dangling link: nothing to update but the link's own name
    }
    std::string resolved = real;
    std::free(real);
    return resolved;
}

// Creates a file of a new name next to the target. The system gives it the usual mode for
// documents, 0666 less the user's umask, so the process-wide umask is never changed, not even
// for a moment while other threads may be creating files.
int CreateTempFile(const std::string& base, std::string& path) {
    static std::atomic<unsigned> s_nCounter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        struct timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        const unsigned unique = static_cast<unsigned>(now.tv_nsec) ^
                                (static_cast<unsigned>(::getpid()) << 16) ^ s_nCounter++;
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", unique);
        path = base + suffix;
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// An existing file keeps its own mode.
void KeepModeOfTarget(int fd, const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    }
}
}  // namespace

bool CFile::OpenRead(const std::string& path) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    Attach(fd);
    return true;
}

CAtomicSave::~CAtomicSave() {
    Abandon();
}

bool CAtomicSave::Begin(const std::string& targetPath) {
    Abandon();
    m_nLastError = 0;
    m_strTarget = ResolveLink(targetPath);
    std::string name = m_strTarget.substr(m_strTarget.rfind('/') + 1);
    std::string tempPath;
    int fd = CreateTempFile(FolderOf(m_strTarget) + "/." + name, tempPath);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    m_strTempPath = tempPath;
    KeepModeOfTarget(fd, m_strTarget);
    m_file.Attach(fd);
    return true;
}

bool CAtomicSave::Commit() {
    if (m_strTempPath.empty()) {
        return false;
    }
    bool ok = m_file.Sync();
    if (!m_file.Close()) {
        ok = false;
    }
    if (ok && ::rename(m_strTempPath.c_str(), m_strTarget.c_str()) != 0) {
        m_nLastError = errno;
        ok = false;
    }
    if (!ok) {
        if (m_nLastError == 0) {
            m_nLastError = m_file.LastError();
        }
        Abandon();
        return false;
    }
    m_strTempPath.clear();
    // Make the rename itself durable.
    int dir = ::open(FolderOf(m_strTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void CAtomicSave::Abandon() {
    if (m_strTempPath.empty()) {
        return;
    }
    m_file.Close();
    ::unlink(m_strTempPath.c_str());
    m_strTempPath.clear();
}

}  // namespace platform
