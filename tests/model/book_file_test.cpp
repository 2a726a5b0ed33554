#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "model/program_book.h"
#include "tests/model/book_file_support.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

using model::CProgramBook;
using model::kGroupsFlag;
using testing_support::Bytes;
using testing_support::CTempDir;
using testing_support::ReadAll;
using testing_support::WriteAll;
using namespace book_file_support;

namespace {
// While non-zero, allocations of at least this many bytes fail as on a machine out of memory.
std::atomic<size_t> g_nFailAllocationsFrom{0};
}  // namespace

void* operator new(std::size_t size) {
    const size_t limit = g_nFailAllocationsFrom.load(std::memory_order_relaxed);
    if (limit != 0 && size >= limit) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
// The compiler sees free() after new and cannot tell that this new is malloc() underneath.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

TEST_F(BookFile, NewBookSavesAs8008BytesOfHeaderAndEmptyRecords) {
    CProgramBook book;
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("new.vq")));
    EXPECT_EQ(ReadAll(m_dir.File("new.vq")), FileWith({}));
    EXPECT_EQ(ReadAll(m_dir.File("new.vq")).size(), 8008u);
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(BookFile, RecordsAreCountedSlotsAndGroupsRecordsEndWithNextProgramsSlots) {
    auto book = std::make_unique<CProgramBook>();
    (*book)[0].m_freq[0] = 1000;
    (*book)[0].m_freq[1] = 2505;
    (*book)[0].UpdateGroupCount(0);
    (*book)[1] = (*book)[0];
    (*book)[1].SetGroups(true);
    // Program 2 holds its values out of place; saving compacts it before program 1's trailing
    // words are taken from it.
    (*book)[2].m_freq[7] = 77;
    (*book)[2].m_freq[15] = 88;
    (*book)[2].UpdateGroupCount(0);
    (*book)[2].UpdateGroupCount(1);
    ASSERT_TRUE(model::SaveBookToPath(*book, m_dir.File("r.vq")));
    auto bytes = ReadAll(m_dir.File("r.vq"));

    std::vector<uint8_t> expected = Header();
    for (uint32_t w : {0x00000002u, 1000u, 2505u})
        AppendWord(expected, w);
    for (uint32_t w : {0x80000002u, 1000u, 2505u})
        AppendWord(expected, w);
    // Slots 6 to 13 of program 2 after compaction: group 1 positions 7, 8; group 2 positions 1-6.
    for (uint32_t w : {0u, 0u, 88u, 0u, 0u, 0u, 0u, 0u})
        AppendWord(expected, w);
    for (uint32_t w : {0x00000011u, 77u, 88u})
        AppendWord(expected, w);
    for (int i = 3; i < 2000; ++i)
        AppendWord(expected, 0);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(expected.size(), 8008u + 8 + 40 + 8);
}

TEST_F(BookFile, LastGroupsProgramEndsWithZeroWords) {
    CProgramBook book;
    book[1999].SetGroups(true);
    ASSERT_TRUE(model::SaveBookToPath(book, m_dir.File("l.vq")));
    auto bytes = ReadAll(m_dir.File("l.vq"));
    ASSERT_EQ(bytes.size(), 8008u + 32);
    EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 36, bytes.end()),
              Bytes({0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                     0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(BookFile, LargestBookRoundTrips) {
    auto book = std::make_unique<CProgramBook>();
    for (int i = 0; i < 2000; ++i) {
        for (int s = 0; s < 48; ++s) {
            (*book)[i].m_freq[s] = static_cast<uint32_t>(i * 48 + s + 1);
        }
        for (int g = 0; g < 6; ++g) {
            (*book)[i].UpdateGroupCount(g);
        }
        (*book)[i].SetGroups(i % 2 == 0);
    }
    ASSERT_TRUE(model::SaveBookToPath(*book, m_dir.File("big.vq")));
    auto size = std::filesystem::file_size(m_dir.File("big.vq"));
    EXPECT_EQ(size, 8 + 1000 * 196 + 1000 * 228u);
    auto loaded = std::make_unique<CProgramBook>();
    ASSERT_TRUE(model::LoadBookFromPath(*loaded, m_dir.File("big.vq")));
    EXPECT_EQ(*loaded, *book);
}

TEST_F(BookFile, LoadReadsRecordsAndClearsSlotsTheRecordDoesNotCover) {
    WriteAll(
        m_dir.File("in.vq"),
        FileWith({{0x80000012u, 1000u, 2505u, 42u, 1, 2, 3, 4, 5, 6, 7, 8}, {0x00000001u, 5u}}));
    auto book = MarkedBook();
    ASSERT_TRUE(model::LoadBookFromPath(*book, m_dir.File("in.vq")));
    EXPECT_EQ((*book)[0].m_header, 0x80000012u);
    EXPECT_EQ((*book)[0].m_freq[0], 1000u);
    EXPECT_EQ((*book)[0].m_freq[1], 2505u);
    EXPECT_EQ((*book)[0].m_freq[8], 42u);
    // The trailing words are dropped: program 1 holds only what its own record says.
    EXPECT_EQ((*book)[1].m_freq[0], 5u);
    for (int s = 1; s < 48; ++s) {
        EXPECT_EQ((*book)[1].m_freq[s], 0u) << s;
    }
    EXPECT_TRUE((*book)[2].IsEmpty());
    EXPECT_EQ(m_messages.Count(), 0u);
}

struct SBadFile {
    const char* name;
    std::vector<uint8_t> bytes;
};

std::vector<SBadFile> BadFiles() {
    std::vector<SBadFile> cases;
    cases.push_back({"empty file", {}});
    cases.push_back({"ends inside first word", Bytes({0x01, 0})});
    cases.push_back({"ends after first word", Bytes({0x01, 0, 0, 0})});
    cases.push_back({"ends inside second word", Bytes({0x01, 0, 0, 0, 0, 0})});
    auto swapped = FileWith({});
    swapped[0] = 0;
    swapped[3] = 1;
    cases.push_back({"magic stored least significant byte first", swapped});
    auto count1999 = FileWith({});
    count1999[7] = 0xCF;
    cases.push_back({"1999 programs", count1999});
    auto truncated = FileWith({});
    truncated.resize(truncated.size() - 4);
    cases.push_back({"ends before last record", truncated});
    auto halfWord = FileWith({});
    halfWord.resize(halfWord.size() - 2);
    cases.push_back({"ends inside last record", halfWord});
    auto recordCut = Header();
    AppendWord(recordCut, 3);
    AppendWord(recordCut, 1);
    cases.push_back({"record ends early", recordCut});
    cases.push_back({"group count above 8", FileWith({{0x00000009u, 1, 2, 3, 4, 5, 6, 7, 8, 9}})});
    cases.push_back({"count 15 in group 6", FileWith({{0x00F00000u}})});
    cases.push_back({"bit 24 set", FileWith({{0x01000000u}})});
    cases.push_back({"bit 30 set", FileWith({{0x40000000u}})});
    auto groupsNoTrailer = Header();
    AppendWord(groupsNoTrailer, kGroupsFlag);
    for (int i = 0; i < 7; ++i)
        AppendWord(groupsNoTrailer, 0);
    cases.push_back({"trailing words cut short", groupsNoTrailer});
    return cases;
}

TEST_F(BookFile, BadFilesAreRefusedAndLeaveTheBookAsItWas) {
    for (const auto& c : BadFiles()) {
        SCOPED_TRACE(c.name);
        m_messages.Clear();
        WriteAll(m_dir.File("bad.vq"), c.bytes);
        auto book = MarkedBook();
        auto before = *book;
        EXPECT_FALSE(model::LoadBookFromPath(*book, m_dir.File("bad.vq")));
        EXPECT_EQ(*book, before);
        ExpectMessages({{"File has a bad format", m_dir.File("bad.vq"),
                         "Not a VQ7100 program book, or one that was cut short"}});
    }
}

TEST_F(BookFile, DataAfterLastRecordIsIgnored) {
    auto bytes = FileWith({{0x00000001u, 7u}});
    bytes.push_back(0xEE);
    WriteAll(m_dir.File("tail.vq"), bytes);
    CProgramBook book;
    EXPECT_TRUE(model::LoadBookFromPath(book, m_dir.File("tail.vq")));
    EXPECT_EQ(book[0].m_freq[0], 7u);
}

TEST_F(BookFile, MissingFileIsAReadError) {
    auto book = MarkedBook();
    auto before = *book;
    EXPECT_FALSE(model::LoadBookFromPath(*book, m_dir.File("absent.vq")));
    EXPECT_EQ(*book, before);
    ExpectMessages(
        {{"File had a read error", m_dir.File("absent.vq"), testing_support::ReasonNoSuchFile()}});
}

TEST_F(BookFile, ReadingAFolderIsAReadError) {
    auto book = MarkedBook();
    auto before = *book;
    EXPECT_FALSE(model::LoadBookFromPath(*book, m_dir.Path().string()));
    EXPECT_EQ(*book, before);
    ExpectMessages(
        {{"File had a read error", m_dir.Path().string(), testing_support::ReasonReadFolder()}});
}

// Memory running out is no failure of the program's own: it is shown as unknown, and the book
// and the file on disk stay as they were.
TEST_F(BookFile, RunningOutOfMemoryIsAnUnknownErrorAndChangesNothing) {
    struct SCase {
        const char* name;
        size_t nFailFrom;  // the book read into is about 400 kB, the file buffer 64 kB
        std::function<bool(CProgramBook&, const std::string&)> work;
        const char* text;
    };
    const SCase cases[] = {
        {"load", 300000,
         [](CProgramBook& book, const std::string& path) {
             return model::LoadBookFromPath(book, path);
         },
         "Unknown read error."},
        {"save", 60000,
         [](CProgramBook& book, const std::string& path) {
             return model::SaveBookToPath(book, path);
         },
         "Unknown write error."},
    };
    const auto old = FileWith({{0x00000001u, 123u}});
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_messages.Clear();
        WriteAll(m_dir.File("doc.vq"), old);
        auto book = MarkedBook();
        for (int i = 0; i < 2000; ++i) {
            (*book)[i].Compact();  // as every save does first
        }
        auto before = *book;
        g_nFailAllocationsFrom = c.nFailFrom;
        bool ok = false;
        EXPECT_NO_THROW(ok = c.work(*book, m_dir.File("doc.vq")));
        g_nFailAllocationsFrom = 0;
        EXPECT_FALSE(ok);
        EXPECT_EQ(*book, before);
        EXPECT_EQ(ReadAll(m_dir.File("doc.vq")), old);
        ExpectMessages({{c.text, m_dir.File("doc.vq"), ""}});
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
