// Files on disk: an open file read or written one 32-bit word at a time, the atomic save that
// replaces a document only once everything has been written, and the decision how a named output
// is written (replaced atomically, or written in place when it is a pipe or a device).
//
// Each system has one implementation file of CFile's opening, CAtomicSave and DecideWriteTarget;
// what they must do is said here and holds on every system. COutputFile is built on them once,
// in file.cpp, for all systems. Error numbers are the system's own (errno on
// POSIX systems); ErrorText (error_text.h) turns them into the system's words.
//
// Threads: a CFile, CAtomicSave or COutputFile belongs to the thread that uses it; the free
// functions may be called from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/error_text.h"

namespace platform {

// Which names a program takes for the files it reads and writes.
enum class EFileKinds {
    // Files on disk only: a pipe, a device or a socket is refused (kErrorNotRegularFile) before
    // anything waits on it, as a window must never wait on a pipe nobody writes to.
    kRegularOnly,
    // Pipes and devices too, read as streams to their end or written where they are (the
    // command line).
    kStreamsToo,
};

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

    // Opens an existing file for reading; false with LastError() set when it cannot, or
    // kErrorNotRegularFile for a pipe, device or socket when only files will do.
    bool OpenRead(const std::string& path, EFileKinds kinds = EFileKinds::kStreamsToo);
    // Takes over an open descriptor (for writing or reading).
    void Attach(int fd);
    // Opens something that exists for writing as it stands: nothing is created, truncated or
    // replaced, and writing starts at its beginning (a pipe waits for its reader, as any writer
    // of a pipe does). Meant for the outputs DecideWriteTarget sends in place; false with
    // LastError() set when it cannot.
    bool OpenInPlace(const std::string& path);
    // Writes to the process's standard output, or reads its standard input; closing the file
    // leaves the stream open.
    bool OpenStandardOutput();
    bool OpenStandardInput();

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

    // For a file rewritten where it stands: cuts it off after what has been written so far.
    bool EndHere();
    // Writes the bytes over the whole file from its start and cuts it off after them, durably;
    // what a failed rewrite puts back.
    bool RewriteWhole(const std::vector<uint8_t>& bytes);

private:
    bool OpenStandardStream(bool bOutput);
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
//
// The replaced file keeps its mode, and its owner and group where the system allows (as root
// always; otherwise the group when the user belongs to it); on POSIX systems its ACL and
// extended attributes too, and the mode never grants more than the old one did. A file the user
// may not write (his own read-only file too) is refused, as writing it would be. A file the
// user may write is written where it stands instead when the folder takes no new file, when
// the new file cannot carry what the old one does, or when the file has other names (hard
// links), which a new file would leave with the old contents; its old bytes are kept to be
// written back when the new ones cannot all be.
class CAtomicSave {
public:
    CAtomicSave() = default;
    ~CAtomicSave();
    CAtomicSave(const CAtomicSave&) = delete;
    CAtomicSave& operator=(const CAtomicSave&) = delete;

    // Creates the temporary file; false (with LastError) when the folder refuses it and the
    // file cannot be rewritten where it stands. A link is followed as DecideWriteTarget follows
    // it, so the file it names is the one replaced.
    bool Begin(const std::string& targetPath);
    CFile& File() { return m_file; }
    // Flushes, syncs and renames over the target; false on any failure, which leaves the target
    // as it was and removes the temporary file.
    bool Commit();
    void Abandon();
    int LastError() const { return m_nLastError; }
    const std::string& TempPath() const { return m_strTempPath; }
    // The folder took no new file: the target is being rewritten where it stands.
    bool InPlace() const { return m_bInPlace; }
    // A rewrite in place failed and its old bytes could not all be put back either: the
    // system's error number then (0 when they went back, or nothing was rewritten in place).
    // The file may be damaged.
    int RestoreError() const { return m_nRestoreError; }

private:
    // The system's part: the temporary file takes the target's place, durably; false with
    // m_nLastError set. And the temporary file is removed.
    bool ReplaceTarget();
    void RemoveTempFile();
    // When the target cannot be replaced by a new file: the target opened to be rewritten
    // where it stands, its bytes kept first. False with m_nLastError (nCreateError, when the
    // folder refused the new file) when that cannot be either.
    bool BeginInPlace(int nCreateError);
    bool CommitInPlace();
    void RestoreInPlace();

    std::string m_strTarget;
    std::string m_strTempPath;
    CFile m_file;
    int m_nLastError = 0;
    int m_nRestoreError = 0;
    bool m_bInPlace = false;
    std::vector<uint8_t> m_oldBytes;
};

// The ways a named output is written.
enum class EWriteWay {
    // A regular file, or a name under which nothing exists yet: written through CAtomicSave, so
    // that a failure leaves what was there and nobody ever reads half a file.
    kReplace,
    // Anything else that can be opened for writing: a pipe, a terminal or another device. It is
    // opened with CFile::OpenInPlace and never replaced by a regular file; a failure part-way
    // leaves what was written.
    kInPlace,
};

struct SWriteTarget {
    EWriteWay way = EWriteWay::kReplace;
    // The name to write: a symbolic link, or a chain of them, followed to the name at its end,
    // whether or not anything exists there yet, so that writing through a link updates or
    // creates what it points to and never replaces the link itself. A relative link is taken
    // from the folder of the link. (On Windows, where few files are links, the path is taken as
    // given and the system's own rules for links apply.)
    std::string strPath;
};

// Decides how the path is written (the same decision on every system). False, with the error
// in nError, when nothing can be written there at all: a folder (EISDIR on POSIX), a chain of
// links that does not end (ELOOP). A name that cannot be looked at is taken as new; opening it
// then reports why.
//
// In a folder that everyone may write to and only owners may delete from (the sticky /tmp), a
// link is followed, and a pipe written to, only when it belongs to this user or to the folder's
// owner, as the kernel's own protection (protected_symlinks, protected_fifos) would have it;
// else EACCES. Another user cannot then plant a name there that turns a save against a file of
// this user's.
bool DecideWriteTarget(const std::string& path, SWriteTarget& target, int& nError);

// One output, written the way DecideWriteTarget says, or the process's standard output:
// Begin, write through File(), then Commit. Without Commit a replaced file stays as it was.
class COutputFile {
public:
    COutputFile() = default;
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;

    // False (with LastError) when the path cannot be written or opened, or, when only files
    // will do, kErrorNotRegularFile for a pipe or device.
    bool Begin(const std::string& path, EFileKinds kinds = EFileKinds::kStreamsToo);
    bool BeginStandardOutput();
    CFile& File() { return m_way == EWriteWay::kReplace ? m_save.File() : m_file; }
    // Replaced: CAtomicSave::Commit. In place: writes out what is held back and closes.
    // False on any failure.
    bool Commit();
    void Abandon();
    int LastError() const { return m_nLastError; }
    // As CAtomicSave's: the old bytes of a file rewritten in place did not all go back.
    int RestoreError() const { return m_save.RestoreError(); }
    EWriteWay Way() const { return m_way; }

private:
    EWriteWay m_way = EWriteWay::kReplace;
    CAtomicSave m_save;
    CFile m_file;
    int m_nLastError = 0;
};

}  // namespace platform
