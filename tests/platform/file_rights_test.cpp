// Saves against what the system allows: files and folders of other users, a shared folder where
// another user may plant names, a read-only file, a folder that takes no new file, and names that
// are no files. Root is not bound by most of these rules, so where the rule is an ordinary
// user's, a child process becomes one (nobody) to try it.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/file.h"
#include "tests/test_support.h"

using platform::CAtomicSave;
using platform::CFile;
using platform::COutputFile;
using platform::EFileKinds;
using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;

namespace {

constexpr uid_t kOtherUser = 65534;  // nobody
constexpr gid_t kOtherGroup = 65534;

std::vector<uint8_t> Text(const std::string& text) {
    return {text.begin(), text.end()};
}

size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

// Runs the work as an ordinary user in a child process (nobody, when this process is root) and
// hands back its verdict: "" when everything held, else what did not.
std::string AsOrdinaryUser(const std::filesystem::path& folder,
                           const std::function<std::string()>& work) {
    if (::geteuid() == 0 && ::chown(folder.c_str(), kOtherUser, kOtherGroup) != 0) {
        return "cannot give the folder to the other user";
    }
    int fds[2];
    if (::pipe(fds) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::string verdict;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kOtherGroup) != 0 ||
                                 ::setuid(kOtherUser) != 0)) {
            verdict = "cannot become the other user";
        } else {
            verdict = work();
        }
        (void)!::write(fds[1], verdict.data(), verdict.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string verdict;
    char buffer[256];
    for (ssize_t n = 0; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        verdict.append(buffer, static_cast<size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return verdict;
}

std::string Save(const std::string& path, const std::string& text, int& nError) {
    CAtomicSave save;
    const bool ok =
        save.Begin(path) && save.File().WriteBytes(text.data(), text.size()) && save.Commit();
    nError = save.LastError();
    return ok ? "" : "save failed";
}

// The user's own read-only file is refused, as writing it would be, and stays as it was.
TEST(FileRights, TheUsersOwnReadOnlyFileIsNotReplaced) {
    CTempDir dir;
    const std::string file = dir.File("mine.vq");
    EXPECT_EQ(AsOrdinaryUser(dir.Path(),
                             [&] {
                                 WriteAll(file, Text("old"));
                                 ::chmod(file.c_str(), 0444);
                                 int err = 0;
                                 if (Save(file, "new", err).empty()) {
                                     return std::string("replaced");
                                 }
                                 if (err != EACCES) {
                                     return "error " + std::to_string(err);
                                 }
                                 return ReadAll(file) == Text("old") ? std::string()
                                                                     : std::string("changed");
                             }),
              "");
}

// A folder that takes no new file: the user's own writable file is rewritten where it stands,
// and when the new bytes cannot all be written the old ones are put back.
TEST(FileRights, AFolderWithoutRoomForANewFileHasItsFileRewrittenInPlace) {
    CTempDir dir;
    const std::filesystem::path folder = dir.Path() / "locked";
    const std::string file = (folder / "book.vq").string();
    EXPECT_EQ(AsOrdinaryUser(
                  dir.Path(),
                  [&] {
                      std::filesystem::create_directory(folder);
                      WriteAll(file, Text("the old book, longer than the new one"));
                      ::chmod(file.c_str(), 0640);
                      ::chmod(folder.c_str(), 0555);
                      int err = 0;
                      if (!Save(file, "new book", err).empty()) {
                          return "not rewritten: error " + std::to_string(err);
                      }
                      struct stat st {};
                      ::stat(file.c_str(), &st);
                      if (ReadAll(file) != Text("new book") || (st.st_mode & 07777) != 0640 ||
                          EntriesIn(folder) != 1) {
                          return std::string("rewritten wrongly");
                      }
                      // A file may grow no larger than this: the rewrite fails part-way.
                      ::signal(SIGXFSZ, SIG_IGN);
                      const rlimit small{64, RLIM_INFINITY};
                      ::setrlimit(RLIMIT_FSIZE, &small);
                      const bool bFailed =
                          !Save(file, std::string(100, 'x'), err).empty() && err == EFBIG;
                      const bool bPutBack = ReadAll(file) == Text("new book");
                      // Old bytes past the limit cannot go back either, and the save says so.
                      const rlimit none{RLIM_INFINITY, RLIM_INFINITY};
                      ::setrlimit(RLIMIT_FSIZE, &none);
                      WriteAll(file, Text(std::string(100, 'o')));
                      ::setrlimit(RLIMIT_FSIZE, &small);
                      CAtomicSave save;
                      const std::string text(100, 'x');
                      const bool bDamageTold = save.Begin(file) &&
                                               save.File().WriteBytes(text.data(), text.size()) &&
                                               !save.Commit() && save.RestoreError() == EFBIG;
                      ::chmod(folder.c_str(), 0755);  // so that the folder can be cleared away
                      if (!bFailed) {
                          return "a rewrite too large did not fail: error " + std::to_string(err);
                      }
                      if (!bDamageTold) {
                          return std::string("old bytes that did not go back were not told");
                      }
                      return bPutBack ? std::string()
                                      : std::string("the old bytes were not put back");
                  }),
              "");
}

// In a shared folder (sticky, everyone may write), a link or a pipe another user planted is
// refused, as the kernel refuses them itself; the user's own and the folder owner's are used.
TEST(FileRights, NamesPlantedByOthersInASharedFolderAreRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a name to another user";
    }
    CTempDir dir;
    const std::filesystem::path shared = dir.Path() / "tmp";
    std::filesystem::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    const std::string secret = dir.File("private.vq");
    WriteAll(secret, Text("private"));
    struct SCase {
        const char* name;
        std::function<void(const std::string&)> plant;
        uid_t owner;
        bool bRefused;
    };
    const auto linkTo = [](const std::string& target) {
        return [target](const std::string& name) { std::filesystem::create_symlink(target, name); };
    };
    const auto pipe = [](const std::string& name) { ::mkfifo(name.c_str(), 0666); };
    const SCase cases[] = {
        {"another user's link to a private file", linkTo(secret), kOtherUser, true},
        {"another user's dangling link", linkTo(dir.File("nowhere.vq")), kOtherUser, true},
        {"another user's pipe", pipe, kOtherUser, true},
        {"the user's own link", linkTo(dir.File("own.vq")), 0, false},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name = (shared / "link.vq").string();
        std::filesystem::remove(name);
        c.plant(name);
        ASSERT_EQ(::lchown(name.c_str(), c.owner, c.owner), 0);
        COutputFile out;
        const bool bBegun = out.Begin(name);
        if (c.bRefused) {
            EXPECT_FALSE(bBegun);
            EXPECT_EQ(out.LastError(), EACCES);
        } else {
            ASSERT_TRUE(bBegun);
            EXPECT_TRUE(out.File().WriteBytes("new", 3) && out.Commit());
        }
    }
    EXPECT_EQ(ReadAll(secret), Text("private"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("nowhere.vq")));
    EXPECT_EQ(ReadAll(dir.File("own.vq")), Text("new"));
    // A folder of the other user's own: his links are his folder's, and are followed.
    const std::string link = (shared / "link.vq").string();
    ASSERT_EQ(::lchown(link.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_EQ(::chown(shared.c_str(), kOtherUser, kOtherGroup), 0);
    COutputFile out;
    EXPECT_TRUE(out.Begin((shared / "link.vq").string())) << "the folder owner's link";
}

// The replaced file keeps its owner and group, as it keeps its mode.
TEST(FileRights, ASaveKeepsTheOwnerAndGroupOfTheFileItReplaces) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can keep another user's ownership";
    }
    CTempDir dir;
    const std::string file = dir.File("theirs.vq");
    WriteAll(file, Text("old"));
    ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherGroup), 0);
    ::chmod(file.c_str(), 0640);
    int err = 0;
    ASSERT_EQ(Save(file, "new", err), "") << err;
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kOtherUser);
    EXPECT_EQ(st.st_gid, kOtherGroup);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadAll(file), Text("new"));
}

// What a shell command prints on standard output and error; nullopt when it fails.
std::optional<std::string> Shell(const std::string& command) {
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::string out(4096, '\0');
    out.resize(pipe != nullptr ? std::fread(out.data(), 1, out.size(), pipe) : 0);
    return pipe != nullptr && ::pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

// A save keeps the file's ACL (and so its mode's group bits, the mask), its attributes and its
// other names, as the probe shows them before and after; the folder's default ACL stays out.
TEST(FileRights, ASaveKeepsTheAclAttributesAndOtherNamesOfTheFile) {
    // Shell commands on $F, the file, in its folder $D: what makes the case, and the probe.
    const std::pair<std::string, std::string> cases[] = {
        {"chmod 640 $F && setfacl -m u:nobody:rw $F", "getfacl -cp $F; stat -c %a $F"},
        {"setfattr -n user.origin -v bench3 $F", "getfattr -d --absolute-names $F"},
        {"ln $F $D/other.vq", "stat -c %h $F; cmp $F $D/other.vq && echo same"},
        {"setfacl -d -m u:nobody:rw $D", "getfacl -cp $F; stat -c %a $F"},
    };
    std::string refused;
    for (const auto& [prepare, probe] : cases) {
        CTempDir dir;
        const std::string file = dir.File("book.vq");
        WriteAll(file, Text("old"));
        const std::string vars = "F='" + file + "' D='" + dir.Path().string() + "'; ";
        if (!Shell(vars + prepare)) {
            refused += " (" + prepare + ")";
            continue;
        }
        const auto before = Shell(vars + probe);
        int err = 0;
        ASSERT_EQ(Save(file, "new", err), "") << prepare << ": error " << err;
        EXPECT_EQ(Shell(vars + probe), before) << prepare;
    }
    if (!refused.empty()) {
        GTEST_SKIP() << "the file system (or its tools, packages acl and attr) refused" << refused;
    }
}

// Where only files will do, a pipe or a device is refused at once, before anything waits on it;
// the command line's streams are taken.
TEST(FileRights, OnlyFilesAreTakenWhereOnlyFilesWillDo) {
    CTempDir dir;
    const std::string fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    WriteAll(dir.File("file"), Text("x"));
    for (const std::string& name : {fifo, std::string("/dev/null")}) {
        SCOPED_TRACE(name);
        CFile in;
        EXPECT_FALSE(in.OpenRead(name, EFileKinds::kRegularOnly));
        EXPECT_EQ(in.LastError(), platform::kErrorNotRegularFile);
        COutputFile out;
        EXPECT_FALSE(out.Begin(name, EFileKinds::kRegularOnly));
        EXPECT_EQ(out.LastError(), platform::kErrorNotRegularFile);
    }
    CFile in;
    EXPECT_TRUE(in.OpenRead(dir.File("file"), EFileKinds::kRegularOnly));
    COutputFile out;
    EXPECT_TRUE(out.Begin("/dev/null", EFileKinds::kStreamsToo));
    EXPECT_EQ(platform::ErrorText(platform::kErrorNotRegularFile),
              "Not a regular file (a pipe, a device or a socket)");
}

}  // namespace
