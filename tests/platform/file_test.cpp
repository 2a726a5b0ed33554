// The file layer on real files in a temporary folder: a file both read and written keeps every
// byte where the caller put it, and the atomic save touches the target only on a good Commit.
#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "tests/test_support.h"

using platform::CAtomicSave;
using platform::CFile;
using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;

namespace {

std::vector<uint8_t> Text(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Read(CFile& file, size_t count) {
    std::string out(count, '\0');
    long got = file.ReadBytes(out.data(), count);
    out.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return out;
}

size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

// Reads and writes take turns on one open file; each must act at the caller's position, though
// the file reads ahead and holds writes back.
TEST(File, ReadsAndWritesInTurnActWhereTheCallerStands) {
    struct SCase {
        const char* name;
        void (*play)(CFile&);
        const char* expected;
    };
    const SCase cases[] = {
        {"read, then write",
         [](CFile& f) {
             EXPECT_EQ(Read(f, 2), "01");
             EXPECT_TRUE(f.WriteBytes("xy", 2));
         },
         "01xy456789"},
        {"write, then read",
         [](CFile& f) {
             EXPECT_TRUE(f.WriteBytes("ab", 2));
             EXPECT_EQ(Read(f, 3), "234");
         },
         "ab23456789"},
        {"read, write, read",
         [](CFile& f) {
             EXPECT_EQ(Read(f, 1), "0");
             EXPECT_TRUE(f.WriteBytes("Z", 1));
             EXPECT_EQ(Read(f, 20), "23456789");
             EXPECT_TRUE(f.WriteBytes("!", 1));
         },
         "0Z23456789!"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTempDir dir;
        WriteAll(dir.File("f"), Text("0123456789"));
        CFile file;
        file.Attach(::open(dir.File("f").c_str(), O_RDWR | O_CLOEXEC));
        c.play(file);
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(ReadAll(dir.File("f")), Text(c.expected));
    }
}

TEST(AtomicSave, TargetChangesOnlyOnCommit) {
    CTempDir dir;
    WriteAll(dir.File("doc"), Text("old"));
    {
        CAtomicSave save;
        ASSERT_TRUE(save.Begin(dir.File("doc")));
        EXPECT_TRUE(save.File().WriteBytes("new", 3));
        EXPECT_EQ(ReadAll(dir.File("doc")), Text("old"));
    }  // abandoned
    EXPECT_EQ(ReadAll(dir.File("doc")), Text("old"));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    CAtomicSave save;
    ASSERT_TRUE(save.Begin(dir.File("doc")));
    EXPECT_TRUE(save.File().WriteBytes("new", 3));
    EXPECT_TRUE(save.Commit());
    EXPECT_EQ(ReadAll(dir.File("doc")), Text("new"));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    EXPECT_FALSE(save.Commit()) << "nothing left to commit";
}

// A new document gets 0666 less the user's umask, as any program's new file does; an existing
// one keeps its mode.
TEST(AtomicSave, NewFilesFollowTheUmaskAndExistingFilesKeepTheirMode) {
    struct SCase {
        mode_t nUmask;
        int nExistingMode;  // -1: no file yet
        std::filesystem::perms expected;
    };
    const SCase cases[] = {
        {022, -1, std::filesystem::perms(0644)},   {077, -1, std::filesystem::perms(0600)},
        {002, -1, std::filesystem::perms(0664)},   {022, 0600, std::filesystem::perms(0600)},
        {077, 0664, std::filesystem::perms(0664)},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "umask " << std::oct << c.nUmask << " existing " << c.nExistingMode);
        CTempDir dir;
        if (c.nExistingMode >= 0) {
            WriteAll(dir.File("doc"), Text("old"));
            std::filesystem::permissions(dir.File("doc"), std::filesystem::perms(c.nExistingMode));
        }
        const mode_t oldMask = ::umask(c.nUmask);
        CAtomicSave save;
        bool ok = save.Begin(dir.File("doc")) && save.File().WriteBytes("new", 3) && save.Commit();
        ::umask(oldMask);
        ASSERT_TRUE(ok);
        EXPECT_EQ(std::filesystem::status(dir.File("doc")).permissions(), c.expected);
        EXPECT_EQ(::umask(oldMask), oldMask) << "the umask is the caller's again";
        EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    }
}

// Each failure reports its own error, not one left over from an earlier attempt.
TEST(AtomicSave, FailuresReportTheirOwnErrorAndLeaveNoTemporaryFile) {
    CTempDir dir;
    std::filesystem::create_directory(dir.Path() / "folder");
    WriteAll(dir.File("folder/inside"), Text("x"));
    CAtomicSave save;

    EXPECT_FALSE(save.Begin(dir.File("missing/doc")));
    EXPECT_EQ(save.LastError(), ENOENT);

    ASSERT_TRUE(save.Begin(dir.File("doc")));
    EXPECT_EQ(save.LastError(), 0);
    EXPECT_TRUE(save.Commit());
    EXPECT_EQ(save.LastError(), 0);

    // A non-empty folder cannot be replaced by a file.
    ASSERT_TRUE(save.Begin(dir.File("folder")));
    EXPECT_FALSE(save.Commit());
    EXPECT_EQ(save.LastError(), EISDIR);
    EXPECT_EQ(ReadAll(dir.File("folder/inside")), Text("x"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);  // doc and folder
}

}  // namespace
