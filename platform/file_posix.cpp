#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "platform/file.h"
#include "platform/file_io.h"

namespace platform {

namespace {

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

// The kernel's rule for shared folders (protected_symlinks, protected_fifos): in a folder that
// everyone may write to and that is sticky, a name planted by another user is used only when it
// belongs to this user or to the folder's owner.
bool MayUseInSharedFolder(const std::string& path, const struct stat& st) {
    struct stat folder {};
    if (::stat(FolderOf(path).c_str(), &folder) != 0) {
        return true;  // the open that follows will say why the folder cannot be used
    }
    const bool bShared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !bShared || st.st_uid == ::geteuid() || st.st_uid == folder.st_uid;
}

// Follows a chain of symbolic links to the name at its end, which need not exist: writing
// through a link must update or create what it points to, since a rename over the link would
// replace it with a copy and leave the real document as it was. The links are read here, not by
// the kernel, so the kernel's rule for shared folders is applied here too.
bool FollowLinks(const std::string& path, std::string& resolved, int& nError) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            resolved = current;
            return true;
        }
        if (!MayUseInSharedFolder(current, st)) {
            nError = EACCES;
            return false;
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

// The names of a file's extended attributes, its ACL among them (system.posix_acl_access);
// false when they cannot be listed. A file system that keeps none gives no names.
bool AttributeNames(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    for (;;) {
        const ssize_t size = ::listxattr(path.c_str(), nullptr, 0);
        std::string list(static_cast<size_t>(std::max<ssize_t>(size, 0)), '\0');
        const ssize_t got = size < 0 ? size : ::listxattr(path.c_str(), list.data(), list.size());
        if (got < 0 && errno == ERANGE) {
            continue;  // one was added meanwhile
        }
        if (got < 0) {
            return errno == ENOTSUP;
        }
        for (size_t at = 0; at < static_cast<size_t>(got);) {
            const size_t end = list.find('\0', at);
            names.push_back(list.substr(at, end - at));
            at = end + 1;
        }
        return true;
    }
}

// An attribute's value through get (getxattr of a path or fgetxattr of a descriptor); none when
// there is no such attribute or it cannot be read.
template <class TGet>
std::optional<std::string> AttributeValue(TGet get) {
    for (;;) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string value(static_cast<size_t>(size), '\0');
        const ssize_t got = get(value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<size_t>(got));
            return value;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

constexpr char kAclAttribute[] = "system.posix_acl_access";

// The new file gets the target's extended attributes: its ACL and the user's own attributes,
// and whatever else the system lists and lets this user give. An ACL that the folder handed
// down to the new file goes when the target had none, as it could grant more than the target
// did. False when any of this cannot be done.
bool KeepAttributesOfTarget(int fd, const std::string& target) {
    std::vector<std::string> names;
    if (!AttributeNames(target, names)) {
        return false;
    }
    for (const std::string& name : names) {
        const auto value = AttributeValue([&](char* bytes, size_t size) {
            return ::getxattr(target.c_str(), name.c_str(), bytes, size);
        });
        if (!value) {
            return false;
        }
        const auto given = AttributeValue(
            [&](char* bytes, size_t size) { return ::fgetxattr(fd, name.c_str(), bytes, size); });
        if (given != value && ::fsetxattr(fd, name.c_str(), value->data(), value->size(), 0) != 0) {
            return false;
        }
    }
    return std::find(names.begin(), names.end(), kAclAttribute) != names.end() ||
           ::fremovexattr(fd, kAclAttribute) == 0 || errno == ENODATA || errno == ENOTSUP;
}

// An existing file keeps its owner and group where the system lets this user give them (root
// always; a user the group he belongs to), its extended attributes and ACL, and its own mode,
// set last because a change of owner may clear the set-id bits; with an ACL the mode's group
// bits are its mask, the same as the target's. False when the new file cannot carry all of this,
// or when the target has other names (hard links) that would keep the old contents: the target
// is then rewritten where it stands.
bool KeepWhatTheTargetCarries(int fd, const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return true;  // nothing there yet
    }
    // What is no file (a folder, which the rename then refuses) has nothing to keep.
    const bool bFile = S_ISREG(st.st_mode);
    if (bFile && st.st_nlink > 1) {
        return false;
    }
    if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(fd, st.st_uid, st.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
        // Neither is the user's to give: the file is his own now, as any new file of his is.
    }
    if (bFile && !KeepAttributesOfTarget(fd, target)) {
        return false;
    }
    return ::fchmod(fd, st.st_mode & 07777) == 0 || !bFile;
}

// A file that is there but may not be written by this user (his own read-only file too) is not
// replaced behind its back: the save fails as writing it would. 0 when it may be written or is
// not there.
int WriteRefusal(const std::string& target) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT) {
        return 0;
    }
    return errno;
}
}  // namespace

bool CFile::OpenRead(const std::string& path, EFileKinds kinds) {
    Close();
    if (kinds == EFileKinds::kStreamsToo) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            m_nLastError = errno;
            return false;
        }
        Attach(fd);
        return true;
    }
    // A device is not even opened (an open may raise a line); a pipe is opened without waiting
    // for a writer, and looked at once it is open, in case it took the name meanwhile.
    auto refusable = [](const struct stat& st) {
        return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && refusable(st)) {
        m_nLastError = kErrorNotRegularFile;
        return false;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        m_nLastError = errno;
        return false;
    }
    const bool bLooked = ::fstat(fd, &st) == 0;
    if (!bLooked || refusable(st)) {
        m_nLastError = bLooked ? kErrorNotRegularFile : errno;
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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

int file_io::DuplicateStandardStream(bool bOutput, int& nError) {
    const int fd = ::fcntl(bOutput ? STDOUT_FILENO : STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) {
        nError = errno;
    }
    return fd;
}

bool CAtomicSave::Begin(const std::string& targetPath) {
    Abandon();
    m_nLastError = 0;
    if (!FollowLinks(targetPath, m_strTarget, m_nLastError)) {
        return false;
    }
    if ((m_nLastError = WriteRefusal(m_strTarget)) != 0) {
        return false;
    }
    std::string name = m_strTarget.substr(m_strTarget.rfind('/') + 1);
    std::string tempPath;
    int fd = CreateTempFile(FolderOf(m_strTarget) + "/." + name, tempPath);
    if (fd < 0) {
        const int err = errno;
        struct stat st {};
        // A folder that takes no new file may still hold a file the user may write.
        if ((err == EACCES || err == EPERM) && ::stat(m_strTarget.c_str(), &st) == 0 &&
            S_ISREG(st.st_mode)) {
            return BeginInPlace(err);
        }
        m_nLastError = err;
        return false;
    }
    m_strTempPath = tempPath;
    m_file.Attach(fd);
    if (!KeepWhatTheTargetCarries(fd, m_strTarget)) {
        Abandon();
        return BeginInPlace(0);
    }
    return true;
}

bool CAtomicSave::ReplaceTarget() {
    if (::rename(m_strTempPath.c_str(), m_strTarget.c_str()) != 0) {
        m_nLastError = errno;
        return false;
    }
    // Make the rename itself durable.
    int dir = ::open(FolderOf(m_strTarget).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void CAtomicSave::RemoveTempFile() {
    ::unlink(m_strTempPath.c_str());
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
    if (S_ISFIFO(st.st_mode) && !MayUseInSharedFolder(target.strPath, st)) {
        nError = EACCES;
        return false;
    }
    target.way = EWriteWay::kInPlace;
    return true;
}

}  // namespace platform
