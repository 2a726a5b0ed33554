// CFile's buffering, the same on every system; the system calls are in file_io.h.
#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/file.h"
#include "platform/file_io.h"

namespace platform {

namespace {
constexpr size_t kBufferSize = 64 * 1024;
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
            m_nLastError = file_io::NotOpenError();
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
    if (!file_io::WriteAll(m_fd, m_buffer.data(), m_buffer.size(), m_nLastError)) {
        m_bFailed = true;
        return false;
    }
    m_buffer.clear();
    return true;
}

bool CFile::SwitchToWriting() {
    // The system's position is past the bytes read ahead; writes go where the caller stands.
    const size_t ahead = m_nBufferLen - m_nBufferPos;
    if (ahead > 0 && !file_io::MoveBy(m_fd, -static_cast<long long>(ahead), m_nLastError)) {
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
    const long n = file_io::ReadSome(m_fd, m_buffer.data(), m_buffer.size(), m_nLastError);
    if (n < 0) {
        m_bFailed = true;
        return false;
    }
    m_nBufferPos = 0;
    m_nBufferLen = static_cast<size_t>(n);
    return true;
}

long CFile::ReadBytes(void* bytes, size_t count) {
    if (m_fd < 0) {
        m_nLastError = file_io::NotOpenError();
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
    if (!file_io::Sync(m_fd, m_nLastError)) {
        m_bFailed = true;
        return false;
    }
    return true;
}

bool CFile::OpenStandardOutput() {
    return OpenStandardStream(true);
}

bool CFile::OpenStandardInput() {
    return OpenStandardStream(false);
}

bool CFile::OpenStandardStream(bool bOutput) {
    Close();
    const int fd = file_io::DuplicateStandardStream(bOutput, m_nLastError);
    if (fd < 0) {
        return false;
    }
    Attach(fd);
    return true;
}

bool CFile::EndHere() {
    if (!Flush()) {
        return false;
    }
    if (!file_io::TruncateHere(m_fd, m_nLastError)) {
        m_bFailed = true;
        return false;
    }
    return true;
}

bool CFile::RewriteWhole(const std::vector<uint8_t>& bytes) {
    if (m_fd < 0) {
        m_nLastError = file_io::NotOpenError();
        return false;
    }
    // Whatever a failed write left held back is dropped: the old bytes take its place.
    m_buffer.clear();
    m_nBufferPos = m_nBufferLen = 0;
    m_bWriting = false;
    m_bFailed = false;
    return file_io::MoveTo(m_fd, 0, m_nLastError) &&
           file_io::WriteAll(m_fd, bytes.data(), bytes.size(), m_nLastError) &&
           file_io::TruncateHere(m_fd, m_nLastError) && file_io::Sync(m_fd, m_nLastError);
}

bool CFile::Close() {
    if (m_fd < 0) {
        return true;
    }
    bool ok = m_bWriting ? Flush() : true;
    int nError = 0;
    if (!file_io::Close(m_fd, nError) && ok) {
        m_nLastError = nError;
        ok = false;
    }
    m_fd = -1;
    m_bWriting = false;
    m_buffer.clear();
    m_nBufferPos = m_nBufferLen = 0;
    return ok && !m_bFailed;
}

}  // namespace platform
