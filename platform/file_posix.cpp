#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

// New files get the usual mode for documents; an existing file keeps its own.
mode_t ModeForTarget(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
    if (!m_bWriting) {
        m_bWriting = true;
        m_buffer.clear();
        m_buffer.reserve(kBufferSize);
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
    if (m_bFailed) {
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
    m_strTarget = ResolveLink(targetPath);
    std::string name = m_strTarget.substr(m_strTarget.rfind('/') + 1);
    std::string templ = FolderOf(m_strTarget) + "/." + name + ".XXXXXX";
    std::vector<char> buf(templ.begin(), templ.end());
    buf.push_back('\0');
    int fd = ::mkostemp(buf.data(), O_CLOEXEC);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    m_strTempPath = buf.data();
    ::fchmod(fd, ModeForTarget(m_strTarget));
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
