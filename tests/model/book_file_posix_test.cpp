// The book file where the system refuses writes part-way and keeps file modes: POSIX resource
// limits and modes.
#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/program_book.h"
#include "tests/model/book_file_support.h"
#include "tests/test_support.h"

using model::CProgramBook;
using testing_support::Bytes;
using testing_support::ReadAll;
using testing_support::WriteAll;
using namespace book_file_support;

namespace {

// Runs the save with the process's file-size limit lowered, so that the system refuses the
// write part-way as a full disk would.
bool SaveWithSizeLimit(CProgramBook& book, const std::string& path, rlim_t limit) {
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit lowered = old;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
    bool ok = model::SaveBookToPath(book, path);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    return ok;
}

TEST_F(BookFile, FailedSaveKeepsOldFileAndLeavesNoTemporaryFile) {
    auto old = FileWith({{0x00000001u, 123u}});
    WriteAll(m_dir.File("doc.vq"), old);
    auto book = MarkedBook();
    EXPECT_FALSE(SaveWithSizeLimit(*book, m_dir.File("doc.vq"), 4096));
    EXPECT_EQ(ReadAll(m_dir.File("doc.vq")), old);
    ExpectMessages({{"File had a write error", m_dir.File("doc.vq"), "File too large"}});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(BookFile, FailedSaveOfNewFileLeavesNothing) {
    auto book = MarkedBook();
    EXPECT_FALSE(SaveWithSizeLimit(*book, m_dir.File("fresh.vq"), 4096));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.Path()));
    EXPECT_FALSE(model::SaveBookToPath(*book, m_dir.File("no/such/folder.vq")));
    ExpectMessages(
        {{"File had a write error", m_dir.File("fresh.vq"), "File too large"},
         {"File had a write error", m_dir.File("no/such/folder.vq"), "No such file or directory"}});
}

// A device is written where it is: a full one reports the system's reason, and is not replaced.
TEST_F(BookFile, SaveToAFullDeviceSaysSo) {
    if (!std::filesystem::is_character_file("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    std::filesystem::create_symlink("/dev/full", m_dir.File("full.vq"));
    auto book = MarkedBook();
    EXPECT_FALSE(model::SaveBookToPath(*book, m_dir.File("full.vq")));
    ExpectMessages({{"File had a write error", m_dir.File("full.vq"), "No space left on device"}});
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir.File("full.vq")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}

TEST_F(BookFile, SaveReplacesExistingFileAndKeepsItsMode) {
    WriteAll(m_dir.File("doc.vq"), Bytes({1, 2, 3}));
    std::filesystem::permissions(m_dir.File("doc.vq"), std::filesystem::perms(0640));
    CProgramBook book;
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("doc.vq")));
    EXPECT_EQ(ReadAll(m_dir.File("doc.vq")).size(), 8008u);
    EXPECT_EQ(std::filesystem::status(m_dir.File("doc.vq")).permissions(),
              std::filesystem::perms(0640));
}

}  // namespace
