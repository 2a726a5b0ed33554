// The file layer on Windows, on real files in a temporary folder: the same contract as on POSIX
// systems, with the system's own error codes, and the replaced file's attributes kept.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file.h"
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

DWORD AttributesOf(const std::string& path) {
    return ::GetFileAttributesW(std::filesystem::path(path).wstring().c_str());
}

bool Save(const std::string& target, const std::string& text) {
    CAtomicSave save;
    return save.Begin(target) && save.File().WriteBytes(text.data(), text.size()) && save.Commit();
}

TEST(FileWin32, ReadsAndWritesInTurnActWhereTheCallerStands) {
    CTempDir dir;
    WriteAll(dir.File("f"), Text("0123456789"));
    CFile file;
    file.Attach(::_open(dir.File("f").c_str(), _O_RDWR | _O_BINARY));
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(Read(file, 1), "0");
    EXPECT_TRUE(file.WriteBytes("Z", 1));
    EXPECT_EQ(Read(file, 20), "23456789");
    EXPECT_TRUE(file.WriteBytes("!", 1));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(ReadAll(dir.File("f")), Text("0Z23456789!"));
}

TEST(FileWin32, ReadsLargeFilesInPiecesUpToTheEnd) {
    CTempDir dir;
    std::vector<uint8_t> data(200000);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<uint8_t>(i * 7 + i / 251);
    }
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
}

TEST(FileWin32, FailuresCarryTheSystemsErrorCodes) {
    CTempDir dir;
    CFile file;
    uint8_t byte = 0;
    EXPECT_FALSE(file.WriteBytes(&byte, 1));
    EXPECT_EQ(file.LastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(file.OpenRead(dir.File("missing")));
    EXPECT_EQ(file.LastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(file.OpenRead(dir.File("no\\such\\folder")));
    EXPECT_EQ(file.LastError(), ERROR_PATH_NOT_FOUND);

    CAtomicSave save;
    EXPECT_FALSE(save.Begin(dir.File("missing\\doc.vq")));
    EXPECT_EQ(save.LastError(), ERROR_PATH_NOT_FOUND);
}

TEST(AtomicSaveWin32, TargetChangesOnlyAtCommitThroughATemporaryFileBesideIt) {
    CTempDir dir;
    const std::string target = dir.File("doc.vq");
    WriteAll(target, {1, 2, 3});
    CAtomicSave save;
    ASSERT_TRUE(save.Begin(target));
    EXPECT_EQ(std::filesystem::path(save.TempPath()).parent_path(), dir.Path());
    EXPECT_EQ(std::filesystem::path(save.TempPath()).filename().string().rfind(".doc.vq.", 0), 0u);
    ASSERT_TRUE(save.File().WriteBytes("new", 3));
    EXPECT_EQ(ReadAll(target), (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_TRUE(save.Commit());
    EXPECT_EQ(ReadAll(target), Text("new"));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    EXPECT_FALSE(save.Commit()) << "nothing left to commit";

    {
        CAtomicSave abandoned;
        ASSERT_TRUE(abandoned.Begin(target));
        ASSERT_TRUE(abandoned.Begin(target));  // a second start drops the first temporary file
        abandoned.File().WriteBytes("lost", 4);
        EXPECT_EQ(EntriesIn(dir.Path()), 2u);
    }
    EXPECT_EQ(ReadAll(target), Text("new"));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
}

// Paths come as UTF-8 and may be written with either slash; the folder of the target is found
// either way, and a plain name saves in the current folder.
TEST(AtomicSaveWin32, PathsInUtf8WithEitherSlashOrNoneSaveWhereTheyName) {
    CTempDir dir;
    std::filesystem::create_directory(dir.Path() / "sub");
    const std::string base = dir.Path().string();
    const struct {
        std::string target;
        std::filesystem::path expected;
    } cases[] = {
        {base + "\\sub\\back.vq", dir.Path() / "sub" / "back.vq"},
        {base + "/sub/forward.vq", dir.Path() / "sub" / "forward.vq"},
        {base + "\\sub\\d\xC3\xB6k\xC3\xBCm\xC3\xA4n.vq",
         dir.Path() / "sub" / L"d\u00f6k\u00fcm\u00e4n.vq"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        EXPECT_TRUE(Save(c.target, "x"));
        EXPECT_TRUE(std::filesystem::exists(c.expected));
    }
    EXPECT_EQ(EntriesIn(dir.Path() / "sub"), 3u);

    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    const bool saved = Save("plain.vq", "y");
    std::filesystem::current_path(old);
    EXPECT_TRUE(saved);
    EXPECT_EQ(ReadAll(dir.File("plain.vq")), Text("y"));
}

TEST(AtomicSaveWin32, TheReplacedFileKeepsItsAttributesAndANewOneGetsNone) {
    CTempDir dir;
    const std::string target = dir.File("doc.vq");
    WriteAll(target, Text("old"));
    const std::wstring wide = std::filesystem::path(target).wstring();
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(Save(target, "new"));
    EXPECT_EQ(ReadAll(target), Text("new"));
    EXPECT_NE(AttributesOf(target) & FILE_ATTRIBUTE_HIDDEN, 0u);

    ASSERT_TRUE(Save(dir.File("fresh.vq"), "new"));
    EXPECT_EQ(AttributesOf(dir.File("fresh.vq")) & FILE_ATTRIBUTE_HIDDEN, 0u);
    ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A read-only document is not replaced behind the user's back: refused at once, with the
// system's words, as on every system; a folder is never replaced.
TEST(AtomicSaveWin32, ATargetThatMayNotBeReplacedStaysAndNoTemporaryFileIsLeft) {
    CTempDir dir;
    const std::string target = dir.File("doc.vq");
    WriteAll(target, Text("old"));
    const std::wstring wide = std::filesystem::path(target).wstring();
    ASSERT_TRUE(::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    CAtomicSave save;
    EXPECT_FALSE(save.Begin(target));
    EXPECT_EQ(save.LastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadAll(target), Text("old"));
    EXPECT_EQ(EntriesIn(dir.Path()), 1u);
    ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);

    std::filesystem::create_directory(dir.Path() / "folder");
    WriteAll(dir.File("folder\\inside"), Text("x"));
    EXPECT_FALSE(Save(dir.File("folder"), "new"));
    EXPECT_EQ(ReadAll(dir.File("folder\\inside")), Text("x"));
    EXPECT_EQ(EntriesIn(dir.Path()), 2u);  // doc.vq and folder
}

}  // namespace

// How a named output is written: files and new names through the atomic save, devices such as
// NUL and anything in the device space in place, a folder not at all.
TEST(OutputFileWin32, DevicesAreWrittenInPlaceAndFoldersNotAtAll) {
    CTempDir dir;
    WriteAll(dir.File("book.csv"), Text("old"));
    const struct {
        std::string path;
        bool bWritable;
        platform::EWriteWay way;
    } cases[] = {
        {dir.File("book.csv"), true, platform::EWriteWay::kReplace},
        {dir.File("new.csv"), true, platform::EWriteWay::kReplace},
        {"NUL", true, platform::EWriteWay::kInPlace},
        {"\\\\.\\pipe\\zelkor-nobody-listens", true, platform::EWriteWay::kInPlace},
        {dir.Path().string(), false, platform::EWriteWay::kReplace},
    };
    for (const auto& c : cases) {
        platform::SWriteTarget target;
        int nError = 0;
        EXPECT_EQ(platform::DecideWriteTarget(c.path, target, nError), c.bWritable) << c.path;
        if (c.bWritable) {
            EXPECT_EQ(target.way, c.way) << c.path;
            EXPECT_EQ(target.strPath, c.path);
        } else {
            EXPECT_EQ(nError, ERROR_DIRECTORY) << c.path;
        }
    }
    // NUL takes what it is given and stays a device.
    platform::COutputFile out;
    ASSERT_TRUE(out.Begin("NUL"));
    ASSERT_TRUE(out.File().WriteBytes("abc", 3));
    EXPECT_TRUE(out.Commit());
    EXPECT_EQ(out.Way(), platform::EWriteWay::kInPlace);
    EXPECT_EQ(EntriesIn(dir.Path()), 1u) << "nothing was made beside the file";
}
