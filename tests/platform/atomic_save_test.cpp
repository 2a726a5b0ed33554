#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <numeric>
#include <vector>

#include "platform/file.h"
#include "tests/test_support.h"

using platform::CAtomicSave;
using platform::CFile;
using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;

namespace {

std::vector<uint8_t> Pattern(size_t size) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                             std::filesystem::directory_iterator()));
}

TEST(File, ReadsInPiecesAcrossItsBufferUpToTheEnd) {
    CTempDir dir;
    const auto data = Pattern(200000);  // a few of the reader's buffers
    WriteAll(dir.File("data"), data);
    CFile file;
    ASSERT_TRUE(file.OpenRead(dir.File("data")));
    std::vector<uint8_t> got;
    std::vector<uint8_t> piece(7777);
    long n = 0;
    while ((n = file.ReadBytes(piece.data(), piece.size())) > 0) {
        got.insert(got.end(), piece.begin(), piece.begin() + n);
    }
    EXPECT_EQ(n, 0);
    EXPECT_EQ(got, data);
    EXPECT_EQ(file.ReadBytes(piece.data(), 1), 0);  // the end stays the end
}

TEST(File, AMovedFileReadsOnWhereItWas) {
    CTempDir dir;
    WriteAll(dir.File("data"), Pattern(100));
    CFile first;
    ASSERT_TRUE(first.OpenRead(dir.File("data")));
    uint8_t bytes[60];
    ASSERT_EQ(first.ReadBytes(bytes, 40), 40);
    CFile second(std::move(first));
    EXPECT_FALSE(first.IsOpen());
    ASSERT_EQ(second.ReadBytes(bytes, 60), 60);
    EXPECT_EQ(bytes[0], Pattern(100)[40]);
}

TEST(File, UnopenedFileRefusesEverything) {
    CFile file;
    uint8_t byte = 0;
    EXPECT_FALSE(file.WriteBytes(&byte, 1));
    EXPECT_EQ(file.LastError(), EBADF);
    EXPECT_EQ(file.ReadBytes(&byte, 1), -1);
    EXPECT_FALSE(file.Flush());
    EXPECT_TRUE(file.Close());
    CTempDir dir;
    EXPECT_FALSE(file.OpenRead(dir.File("missing")));
    EXPECT_EQ(file.LastError(), ENOENT);
}

TEST(File, AFullDiskIsReportedAtFlushAndStaysFailed) {
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        GTEST_SKIP() << "no /dev/full";
    }
    CFile file;
    file.Attach(fd);
    const auto data = Pattern(100);
    EXPECT_TRUE(file.WriteBytes(data.data(), data.size()));  // still in the buffer
    EXPECT_FALSE(file.Flush());
    EXPECT_EQ(file.LastError(), ENOSPC);
    EXPECT_FALSE(file.WriteBytes(data.data(), data.size()));
    EXPECT_FALSE(file.Close());
}

TEST(AtomicSave, TargetChangesOnlyAtCommit) {
    CTempDir dir;
    const std::string target = dir.File("doc.vq");
    WriteAll(target, {1, 2, 3});
    CAtomicSave save;
    ASSERT_TRUE(save.Begin(target));
    // The temporary file is hidden beside the target, so the rename never crosses file systems.
    EXPECT_EQ(std::filesystem::path(save.TempPath()).parent_path(), dir.Path());
    EXPECT_EQ(std::filesystem::path(save.TempPath()).filename().string().rfind(".doc.vq.", 0), 0u);
    const auto data = Pattern(100000);
    ASSERT_TRUE(save.File().WriteBytes(data.data(), data.size()));
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ(ReadAll(target), data);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    EXPECT_FALSE(save.Commit());  // nothing left to commit
}

TEST(AtomicSave, WithoutCommitNothingChangesAndNothingIsLeft) {
    CTempDir dir;
    const std::string target = dir.File("doc.vq");
    WriteAll(target, {9});
    {
        CAtomicSave save;
        ASSERT_TRUE(save.Begin(target));
        uint8_t byte = 5;
        save.File().WriteBytes(&byte, 1);
        ASSERT_TRUE(save.Begin(target));  // a second start drops the first temporary file
        EXPECT_EQ(EntriesIn(dir.Path()), 2u);
    }
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{9}));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    CAtomicSave never;
    EXPECT_FALSE(never.Commit());
}

TEST(AtomicSave, AFolderThatRefusesFilesFailsAtBegin) {
    CTempDir dir;
    std::filesystem::create_directory(dir.Path() / "locked");
    std::filesystem::permissions(dir.Path() / "locked", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    CAtomicSave save;
    EXPECT_FALSE(save.Begin(dir.File("missing/doc.vq")));
    EXPECT_EQ(save.LastError(), ENOENT);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_FALSE(save.Begin(dir.File("locked/doc.vq")));
        EXPECT_EQ(save.LastError(), EACCES);
    }
}

TEST(AtomicSave, SavingThroughALinkUpdatesTheFileItPointsTo) {
    CTempDir dir;
    std::filesystem::create_directory(dir.Path() / "real");
    const std::string real = dir.File("real/doc.vq");
    WriteAll(real, {1});
    std::filesystem::create_symlink(real, dir.Path() / "link.vq");
    CAtomicSave save;
    ASSERT_TRUE(save.Begin(dir.File("link.vq")));
    uint8_t byte = 2;
    ASSERT_TRUE(save.File().WriteBytes(&byte, 1));
    ASSERT_TRUE(save.Commit());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.vq"));
    EXPECT_EQ(ReadAll(real), (std::vector<uint8_t>{2}));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);
}

TEST(AtomicSave, APlainFileNameSavesInTheCurrentFolder) {
    CTempDir dir;
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    CAtomicSave save;
    const bool begun = save.Begin("doc.vq");
    uint8_t byte = 3;
    const bool committed = begun && save.File().WriteBytes(&byte, 1) && save.Commit();
    std::filesystem::current_path(old);
    EXPECT_TRUE(committed);
    EXPECT_EQ(ReadAll(dir.File("doc.vq")), (std::vector<uint8_t>{3}));
}

TEST(AtomicSave, NewFilesFollowTheUmask) {
    CTempDir dir;
    const mode_t old = ::umask(027);
    CAtomicSave save;
    const bool ok = save.Begin(dir.File("new.vq")) && save.Commit();
    ::umask(old);
    ASSERT_TRUE(ok);
    EXPECT_EQ(std::filesystem::status(dir.File("new.vq")).permissions(),
              std::filesystem::perms(0640));
}

}  // namespace
