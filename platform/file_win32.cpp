// Files on Windows: CreateFileW on the UTF-8 path, the handle kept in a C runtime descriptor (see
// file_io.h), and the atomic save replacing the target with ReplaceFileW, which keeps the
// replaced file's attributes, or MoveFileExW when there is nothing to replace.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <atomic>
#include <cstdio>

#include "platform/file.h"
#include "platform/file_io.h"
#include "platform/win32_text.h"

namespace platform {

namespace {

// The prefix of the names of devices and pipes.
constexpr char kDeviceSpace[] = "\\\\.\\";

// What a document's attributes say of it that its replacement keeps.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

int SystemError() {
    return static_cast<int>(::GetLastError());
}

// The name of the temporary file's beginning: a dot before the target's own name, in its folder.
// Splitting after the drive's colon too keeps "C:book.vq" on its drive, and "\\book.vq" at the
// root, instead of turning them into a stream or a network path.
std::string TempBase(const std::string& target) {
    const size_t cut = target.find_last_of("/\\:") + 1;  // 0 when there is no folder
    return target.substr(0, cut) + "." + target.substr(cut);
}

// The descriptor CFile keeps for the handle; -1, with the handle closed, when the C runtime has
// no descriptor left.
int DescriptorFor(HANDLE handle, int flags, int& nError) {
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        nError = ERROR_TOO_MANY_OPEN_FILES;
    }
    return fd;
}

// Creates a file of a new name next to the target.
HANDLE CreateTempFile(const std::string& base, std::string& path) {
    static std::atomic<unsigned> s_nCounter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned unique = static_cast<unsigned>(::GetTickCount64()) ^
                                (static_cast<unsigned>(::GetCurrentProcessId()) << 16) ^
                                s_nCounter++;
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".%08x", unique);
        path = base + suffix;
        HANDLE handle = ::CreateFileW(win32::Widen(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) {
            return handle;
        }
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Opens what is there under the path, letting others read and write it meanwhile; its
// descriptor, or -1 with the error.
int OpenExisting(const std::string& path, DWORD access, DWORD flags, int crtFlags, int& nError) {
    HANDLE handle = ::CreateFileW(win32::Widen(path).c_str(), access,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        nError = SystemError();
        return -1;
    }
    return DescriptorFor(handle, crtFlags, nError);
}

}  // namespace

bool CFile::OpenRead(const std::string& path, EFileKinds kinds) {
    Close();
    const int fd =
        OpenExisting(path, GENERIC_READ, FILE_FLAG_SEQUENTIAL_SCAN, _O_RDONLY, m_nLastError);
    if (fd < 0) {
        return false;
    }
    if (kinds == EFileKinds::kRegularOnly &&
        ::GetFileType(reinterpret_cast<HANDLE>(::_get_osfhandle(fd))) != FILE_TYPE_DISK) {
        ::_close(fd);
        m_nLastError = kErrorNotRegularFile;
        return false;
    }
    Attach(fd);
    return true;
}

bool CFile::OpenInPlace(const std::string& path) {
    Close();
    // OPEN_EXISTING: what is there is written, never made anew or cut short.
    const int fd =
        OpenExisting(path, GENERIC_WRITE, FILE_ATTRIBUTE_NORMAL, _O_WRONLY, m_nLastError);
    if (fd < 0) {
        return false;
    }
    Attach(fd);
    return true;
}

int file_io::DuplicateStandardStream(bool bOutput, int& nError) {
    HANDLE standard = ::GetStdHandle(bOutput ? STD_OUTPUT_HANDLE : STD_INPUT_HANDLE);
    HANDLE handle = nullptr;
    if (standard == nullptr || standard == INVALID_HANDLE_VALUE ||
        !::DuplicateHandle(::GetCurrentProcess(), standard, ::GetCurrentProcess(), &handle, 0,
                           FALSE, DUPLICATE_SAME_ACCESS)) {
        nError = standard == nullptr ? ERROR_INVALID_HANDLE : SystemError();
        return -1;
    }
    return DescriptorFor(handle, bOutput ? _O_WRONLY : _O_RDONLY, nError);
}

bool CAtomicSave::Begin(const std::string& targetPath) {
    Abandon();
    m_nLastError = 0;
    m_strTarget = targetPath;
    // A read-only file is not replaced behind its owner's back: the save fails as writing it
    // would.
    const DWORD attributes = ::GetFileAttributesW(win32::Widen(targetPath).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        m_nLastError = ERROR_ACCESS_DENIED;
        return false;
    }
    std::string tempPath;
    HANDLE handle = CreateTempFile(TempBase(targetPath), tempPath);
    if (handle == INVALID_HANDLE_VALUE) {
        const int err = SystemError();
        // A folder that takes no new file may still hold a file the user may write.
        if (err == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
            (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            return BeginInPlace(err);
        }
        m_nLastError = err;
        return false;
    }
    const int fd = DescriptorFor(handle, _O_RDWR, m_nLastError);
    if (fd < 0) {
        ::DeleteFileW(win32::Widen(tempPath).c_str());
        return false;
    }
    m_strTempPath = tempPath;
    m_file.Attach(fd);
    return true;
}

bool CAtomicSave::ReplaceTarget() {
    const std::wstring target = win32::Widen(m_strTarget);
    const std::wstring temp = win32::Widen(m_strTempPath);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    // ReplaceFileW gives the new file the old one's security and creation time, and the
    // attributes too, but not on every implementation: they are handed over first. The old
    // file stays as it was whenever the replace fails (a read-only one always does).
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        ::SetFileAttributesW(temp.c_str(), attributes & kKeptAttributes);
    }
    bool bTargetGone = false;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        if (::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                           nullptr, nullptr) != 0) {
            return true;
        }
        const DWORD error = ::GetLastError();
        // These two leave the old file gone (or moved aside) and the new contents only in the
        // temporary file: a plain move finishes the job. Any other failure changed nothing.
        bTargetGone = error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                      error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
        if (!bTargetGone && error != ERROR_FILE_NOT_FOUND) {
            m_nLastError = static_cast<int>(error);
            return false;
        }
    }
    if (::MoveFileExW(temp.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return true;
    }
    m_nLastError = SystemError();
    if (bTargetGone) {
        // The temporary file now holds the only copy of the document: it is not removed.
        m_strTempPath.clear();
    }
    return false;
}

void CAtomicSave::RemoveTempFile() {
    ::DeleteFileW(win32::Widen(m_strTempPath).c_str());
}

bool DecideWriteTarget(const std::string& path, SWriteTarget& target, int& nError) {
    // Links are left to the system, which opens and replaces through them.
    target.strPath = path;
    target.way = EWriteWay::kReplace;
    // Names in the device space (\\.\COM5, \\.\pipe\name) are devices and pipes. A pipe is
    // never opened to be looked at: that would take one of its instances.
    if (path.rfind(kDeviceSpace, 0) == 0) {
        target.way = EWriteWay::kInPlace;
        return true;
    }
    HANDLE handle = ::CreateFileW(win32::Widen(path).c_str(), 0,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return true;  // a new name, or one that opening will report on
    }
    const DWORD type = ::GetFileType(handle);
    BY_HANDLE_FILE_INFORMATION info{};
    const bool bFolder = type == FILE_TYPE_DISK &&
                         ::GetFileInformationByHandle(handle, &info) != 0 &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    ::CloseHandle(handle);
    if (bFolder) {
        nError = ERROR_DIRECTORY;  // "The directory name is invalid": a folder is no file
        return false;
    }
    if (type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE) {
        target.way = EWriteWay::kInPlace;  // NUL, CON, a console
    }
    return true;
}

}  // namespace platform
