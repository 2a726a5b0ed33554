#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/file.h"

namespace platform {

namespace {
constexpr size_t kBufferSize = 64 * 1024;

std::string FolderOf(const std::string& path) {
    auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr int kMaxLinkHops = 40;  // as the kernel allows when it follows links itself

// Some file systems give a link no size; the buffer then grows until the whole name fits.
bool ReadLink(const std::string& path, size_t nSizeHint, std::string& target) {
    std::string buffer(std::max<size_t>(nSizeHint, 255) + 1, '\0');
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0) {
            return false;
        }
        if (static_cast<size_t>(n) < buffer.size()) {
            buffer.resize(static_cast<size_t>(n));
            target = std::move(buffer);
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Follows a chain of symbolic links to the name at its end, which need not exist: writing
// through a link must update or create what it points to, since a rename over the link would
// replace it with a copy and leave the real document as it was.
bool FollowLinks(const std::string& path, std::string& resolved, int& nError) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = current;
            return true;
        }
        std::string target;
        if (!ReadLink(current, static_cast<size_t>(st.st_size), target)) {
            nError = errno;
            return false;
        }
        current =
            !target.empty() && target.front() == '/' ? target : FolderOf(current) + "/" + target;
    }
    nError = ELOOP;
    return false;
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

CFile::~CFile() {
    Close();
}

CFile::CFile(CFile&& other) noexcept {
    *this = std::move(other);
}

CFile& CFile::operator=(CFile&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = std::exchange(other.m_fd, -1);
        m_nLastError = other.m_nLastError;
        m_bFailed = other.m_bFailed;
        m_buffer = std::move(other.m_buffer);
        m_nBufferPos = other.m_nBufferPos;
        m_nBufferLen = other.m_nBufferLen;
        m_bWriting = other.m_bWriting;
    }
    return *this;
}

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

bool CFile::OpenInPlace(const std::string& path) {
    Close();
    // No O_CREAT or O_TRUNC: what is there is written, never made anew. A terminal opened here
    // must not become the process's controlling terminal.
    int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    Attach(fd);
    return true;
}

bool CFile::OpenStandardOutput() {
    Close();
    int fd = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    Attach(fd);
    return true;
}

void CFile::Attach(int fd) {
    Close();
    m_fd = fd;
    m_nLastError = 0;
    m_bFailed = false;
    m_bWriting = false;
    m_buffer.clear();
    m_nBufferPos = m_nBufferLen = 0;
}

bool CFile::WriteBytes(const void* bytes, size_t count) {
    if (m_fd < 0 || m_bFailed) {
        if (m_fd < 0) {
            m_nLastError = EBADF;
        }
        return false;
    }
    if (!m_bWriting && !SwitchToWriting()) {
        return false;
    }
    const auto* p = static_cast<const uint8_t*>(bytes);
    m_buffer.insert(m_buffer.end(), p, p + count);
    if (m_buffer.size() >= kBufferSize) {
        return Flush();
    }
    return true;
}

bool CFile::Flush() {
    if (m_fd < 0) {
        return false;
    }
    if (!m_bWriting) {
        return true;
    }
    if (m_bFailed) {
        return false;
    }
    size_t done = 0;
    while (done < m_buffer.size()) {
        ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_nLastError = errno;
            m_bFailed = true;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    m_buffer.clear();
    return true;
}

bool CFile::SwitchToWriting() {
    // The system's position is past the bytes read ahead; writes go where the caller stands.
    const size_t ahead = m_nBufferLen - m_nBufferPos;
    if (ahead > 0 && ::lseek(m_fd, -static_cast<off_t>(ahead), SEEK_CUR) < 0) {
        m_nLastError = errno;
        m_bFailed = true;
        return false;
    }
    m_nBufferPos = m_nBufferLen = 0;
    m_bWriting = true;
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    return true;
}

bool CFile::SwitchToReading() {
    // Held-back words go out first, or the read buffer would take their place.
    if (!Flush()) {
        return false;
    }
    m_bWriting = false;
    m_buffer.clear();
    return true;
}

bool CFile::FillReadBuffer() {
    m_buffer.resize(kBufferSize);
    for (;;) {
        ssize_t n = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            m_nLastError = errno;
            m_bFailed = true;
            return false;
        }
        m_nBufferPos = 0;
        m_nBufferLen = static_cast<size_t>(n);
        return true;
    }
}

long CFile::ReadBytes(void* bytes, size_t count) {
    if (m_fd < 0) {
        m_nLastError = EBADF;
        return -1;
    }
    if (m_bFailed || (m_bWriting && !SwitchToReading())) {
        return -1;
    }
    auto* out = static_cast<uint8_t*>(bytes);
    size_t got = 0;
    while (got < count) {
        if (m_nBufferPos == m_nBufferLen) {
            if (!FillReadBuffer()) {
                return -1;
            }
            if (m_nBufferLen == 0) {
                break;  // end of file
            }
        }
        size_t take = std::min(count - got, m_nBufferLen - m_nBufferPos);
        std::memcpy(out + got, m_buffer.data() + m_nBufferPos, take);
        m_nBufferPos += take;
        got += take;
    }
    return static_cast<long>(got);
}

bool CFile::Sync() {
    if (!Flush()) {
        return false;
    }
    if (::fsync(m_fd) != 0) {
        m_nLastError = errno;
        m_bFailed = true;
        return false;
    }
    return true;
}

bool CFile::Close() {
    if (m_fd < 0) {
        return true;
    }
    bool ok = m_bWriting ? Flush() : true;
    if (::close(m_fd) != 0 && ok) {
        m_nLastError = errno;
        ok = false;
    }
    m_fd = -1;
    m_bWriting = false;
    m_buffer.clear();
    m_nBufferPos = m_nBufferLen = 0;
    return ok && !m_bFailed;
}

CAtomicSave::~CAtomicSave() {
    Abandon();
}

bool CAtomicSave::Begin(const std::string& targetPath) {
    Abandon();
    m_nLastError = 0;
    if (!FollowLinks(targetPath, m_strTarget, m_nLastError)) {
        return false;
    }
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

namespace {
// strerror_r comes in two kinds; the GNU one may return a text of its own instead of filling
// the buffer.
[[maybe_unused]] const char* PickErrorText(int /*nResult*/, const char* buffer) {
    return buffer;
}
[[maybe_unused]] const char* PickErrorText(const char* result, const char* /*buffer*/) {
    return result;
}
}  // namespace

std::string ErrorText(int nError) {
    if (nError == 0) {
        return {};
    }
    char buffer[256] = {};
    return PickErrorText(::strerror_r(nError, buffer, sizeof buffer), buffer);
}

bool DecideWriteTarget(const std::string& path, SWriteTarget& target, int& nError) {
    if (!FollowLinks(path, target.strPath, nError)) {
        return false;
    }
    struct stat st {};
    if (::stat(target.strPath.c_str(), &st) != 0 || S_ISREG(st.st_mode)) {
        target.way = EWriteWay::kReplace;
        return true;
    }
    if (S_ISDIR(st.st_mode)) {
        nError = EISDIR;
        return false;
    }
    target.way = EWriteWay::kInPlace;
    return true;
}

}  // namespace platform
