// Files on disk: an open file read or written one 32-bit word at a time, and the atomic save that
// replaces a document only once everything has been written.
//
// Threads: a CFile belongs to the thread that uses it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// An open file. Words are buffered here so that the caller can work word by word without a
// system call for each; a failed system call is reported by the call that met it (or by Flush).
class CFile {
public:
    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    CFile(CFile&& other) noexcept;
    CFile& operator=(CFile&& other) noexcept;

    // Opens an existing file for reading; false with LastError() set when it cannot.
    bool OpenRead(const std::string& path);
    // Takes over an open descriptor (for writing or reading).
    void Attach(int fd);

    bool IsOpen() const { return m_fd >= 0; }
    int LastError() const { return m_nLastError; }

    // Appends the bytes as they stand in memory; false when the system refused them.
    bool WriteBytes(const void* bytes, size_t count);
    // Reads up to count bytes; returns how many were delivered (fewer only at the end of the
    // file) or -1 on a read error.
    long ReadBytes(void* bytes, size_t count);

    bool Flush();
    bool Sync();
    bool Close();

private:
    bool SwitchToWriting();
    bool SwitchToReading();
    bool FillReadBuffer();

    int m_fd = -1;
    int m_nLastError = 0;
    bool m_bFailed = false;
    bool m_bWriting = false;  // the buffer holds words not yet written
    std::vector<uint8_t> m_buffer;
    size_t m_nBufferPos = 0;  // read position in the buffer
    size_t m_nBufferLen = 0;  // bytes in the buffer
};

// Writes a file through a temporary file in the same folder, which replaces the target only when
// Commit has written, flushed and synced everything. Without Commit the temporary file is removed
// and the target is untouched.
class CAtomicSave {
public:
    CAtomicSave() = default;
    ~CAtomicSave();
    CAtomicSave(const CAtomicSave&) = delete;
    CAtomicSave& operator=(const CAtomicSave&) = delete;

    // Creates the temporary file; false (with LastError) when the folder refuses it.
    bool Begin(const std::string& targetPath);
    CFile& File() { return m_file; }
    // Flushes, syncs and renames over the target; false on any failure, which leaves the target
    // as it was and removes the temporary file.
    bool Commit();
    void Abandon();
    int LastError() const { return m_nLastError; }
    const std::string& TempPath() const { return m_strTempPath; }

private:
    std::string m_strTarget;
    std::string m_strTempPath;
    CFile m_file;
    int m_nLastError = 0;
};

}  // namespace platform
