#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "platform/error_text.h"
#include "platform/file.h"
#include "tests/test_support.h"

using platform::CAtomicSave;
using platform::CFile;
using platform::COutputFile;
using platform::EWriteWay;
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

TEST(AtomicSave, ADanglingLinkCreatesTheFileItNamesAndStaysALink) {
    CTempDir dir;
    std::filesystem::create_directory(dir.Path() / "sub");
    std::filesystem::create_symlink("sub/new.vq", dir.Path() / "link.vq");
    CAtomicSave save;
    ASSERT_TRUE(save.Begin(dir.File("link.vq")));
    uint8_t byte = 4;
    ASSERT_TRUE(save.File().WriteBytes(&byte, 1) && save.Commit());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.Path() / "link.vq"));
    EXPECT_EQ(ReadAll(dir.File("sub/new.vq")), (std::vector<uint8_t>{4}));
}

TEST(WriteTarget, EachKindOfPathIsWrittenItsWay) {
    CTempDir dir;
    WriteAll(dir.File("file"), {1});
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(dir.Path() / "folder");
    std::filesystem::create_symlink("pipe", dir.Path() / "to-pipe");
    std::filesystem::create_symlink("to-pipe", dir.Path() / "to-to-pipe");
    std::filesystem::create_symlink("/dev/null", dir.Path() / "to-null");
    std::filesystem::create_symlink("file", dir.Path() / "to-file");
    std::filesystem::create_symlink("folder/new", dir.Path() / "dangling");
    std::filesystem::create_symlink("loop-b", dir.Path() / "loop-a");
    std::filesystem::create_symlink("loop-a", dir.Path() / "loop-b");
    struct SCase {
        std::string path;
        bool bOk;
        EWriteWay way;
        std::string resolved;
        int nError;
    };
    const SCase cases[] = {
        {dir.File("file"), true, EWriteWay::kReplace, dir.File("file"), 0},
        {dir.File("new"), true, EWriteWay::kReplace, dir.File("new"), 0},
        {dir.File("pipe"), true, EWriteWay::kInPlace, dir.File("pipe"), 0},
        {"/dev/null", true, EWriteWay::kInPlace, "/dev/null", 0},
        {dir.File("to-pipe"), true, EWriteWay::kInPlace, dir.File("pipe"), 0},
        {dir.File("to-to-pipe"), true, EWriteWay::kInPlace, dir.File("pipe"), 0},
        {dir.File("to-null"), true, EWriteWay::kInPlace, "/dev/null", 0},
        {dir.File("to-file"), true, EWriteWay::kReplace, dir.File("file"), 0},
        {dir.File("dangling"), true, EWriteWay::kReplace, dir.File("folder/new"), 0},
        {dir.File("folder"), false, EWriteWay::kReplace, "", EISDIR},
        {dir.File("loop-a"), false, EWriteWay::kReplace, "", ELOOP},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.path);
        platform::SWriteTarget target;
        int nError = 0;
        ASSERT_EQ(platform::DecideWriteTarget(c.path, target, nError), c.bOk);
        EXPECT_EQ(nError, c.nError);
        if (c.bOk) {
            EXPECT_EQ(target.way, c.way);
            EXPECT_EQ(std::filesystem::path(target.strPath).lexically_normal(),
                      std::filesystem::path(c.resolved));
        }
    }
}

TEST(OutputFile, APipeIsWrittenInPlaceAndAFileReplacedOnCommit) {
    CTempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    const auto data = Pattern(200000);  // more than the pipe holds at once
    std::vector<uint8_t> got;
    std::thread reader([&] {
        const int fd = ::open(dir.File("pipe").c_str(), O_RDONLY | O_CLOEXEC);
        uint8_t buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0) {
            got.insert(got.end(), buffer, buffer + n);
        }
        ::close(fd);
    });
    COutputFile out;
    const bool ok = out.Begin(dir.File("pipe")) &&
                    out.File().WriteBytes(data.data(), data.size()) && out.Commit();
    reader.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(out.Way(), EWriteWay::kInPlace);
    EXPECT_EQ(got, data);
    EXPECT_TRUE(std::filesystem::is_fifo(dir.File("pipe")));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);

    WriteAll(dir.File("doc"), {7});
    ASSERT_TRUE(out.Begin(dir.File("doc")));
    EXPECT_EQ(out.Way(), EWriteWay::kReplace);
    ASSERT_TRUE(out.File().WriteBytes(data.data(), 10));
    EXPECT_EQ(ReadAll(dir.File("doc")), (std::vector<uint8_t>{7}));
    out.Abandon();
    EXPECT_EQ(ReadAll(dir.File("doc")), (std::vector<uint8_t>{7}));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);  // the pipe and the file, no temporary one

    EXPECT_FALSE(out.Begin(dir.Path().string()));
    EXPECT_EQ(out.LastError(), EISDIR);
    EXPECT_EQ(platform::ErrorText(out.LastError()), "Is a directory");
    EXPECT_EQ(platform::ErrorText(0), "");
    // A commit with nothing begun (or done already) fails with a reason, either way.
    EXPECT_FALSE(out.Commit());
    EXPECT_EQ(out.LastError(), EBADF);
    ASSERT_TRUE(out.BeginStandardOutput() && out.Commit());
    EXPECT_FALSE(out.Commit());
    EXPECT_EQ(out.LastError(), EBADF);
}

}  // namespace
