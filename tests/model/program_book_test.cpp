#include "model/program_book.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using model::CFrequencyProgram;
using model::CProgramBook;
using model::kGroupsFlag;
using model::kProgramCount;

namespace {

std::unique_ptr<CProgramBook> NewBook() {
    return std::make_unique<CProgramBook>();
}

void Fill(CProgramBook& book, int index, uint32_t value, bool groups = false) {
    book[index].m_freq[0] = value;
    book[index].UpdateGroupCount(0);
    book[index].SetGroups(groups);
}

TEST(ProgramBook, FindEmpty) {
    auto book = NewBook();
    EXPECT_EQ(book->FindEmpty(0), 0);
    EXPECT_EQ(book->FindEmpty(2000), 2000);
    EXPECT_EQ(book->FindEmpty(2500), 2500);
    Fill(*book, 0, 1);
    Fill(*book, 1, 1);
    EXPECT_EQ(book->FindEmpty(0), 2);
    // A cleared Frequency Groups program is empty.
    book->operator[](2).SetGroups(true);
    EXPECT_EQ(book->FindEmpty(0), 2);
    for (int i = 0; i < kProgramCount; ++i) {
        Fill(*book, i, 1);
    }
    EXPECT_EQ(book->FindEmpty(0), 2000);
}

TEST(ProgramBook, InsertAtEmptyProgramChangesNothing) {
    auto book = NewBook();
    Fill(*book, 4, 1);
    Fill(*book, 6, 2);
    (*book)[5].SetGroups(true);
    auto before = *book;
    EXPECT_TRUE(book->InsertAt(5));
    EXPECT_EQ(*book, before);
}

TEST(ProgramBook, InsertAtShiftsUpToFirstEmptyAndKeepsType) {
    auto book = NewBook();
    Fill(*book, 5, 50, true);
    Fill(*book, 6, 60);
    Fill(*book, 7, 70);
    Fill(*book, 9, 90);
    EXPECT_TRUE(book->InsertAt(5));
    EXPECT_TRUE((*book)[5].IsEmpty());
    EXPECT_TRUE((*book)[5].IsGroups());
    EXPECT_EQ((*book)[6].m_freq[0], 50u);
    EXPECT_TRUE((*book)[6].IsGroups());
    EXPECT_EQ((*book)[7].m_freq[0], 60u);
    EXPECT_EQ((*book)[8].m_freq[0], 70u);
    EXPECT_EQ((*book)[9].m_freq[0], 90u);
    EXPECT_EQ((*book)[5].m_header, kGroupsFlag);
}

TEST(ProgramBook, InsertAtFailsWithoutEmptyProgramAtOrAfterIndex) {
    auto full = NewBook();
    for (int i = 0; i < kProgramCount; ++i) {
        Fill(*full, i, static_cast<uint32_t>(i + 1));
    }
    auto before = *full;
    EXPECT_FALSE(full->InsertAt(0));
    EXPECT_EQ(*full, before);

    auto last = NewBook();
    Fill(*last, 1999, 7);
    auto lastBefore = *last;
    EXPECT_FALSE(last->InsertAt(1999));
    EXPECT_EQ(*last, lastBefore);
}

TEST(ProgramBook, IndexesOutsideTheBookChangeNothing) {
    auto book = NewBook();
    Fill(*book, 0, 1);
    Fill(*book, 1999, 2);
    const auto before = *book;
    for (int index : {-1, -2000, 2000, 2001, 1 << 30}) {
        EXPECT_FALSE(book->InsertAt(index)) << index;
        EXPECT_EQ(*book, before) << index;
    }
    for (int32_t from : {-1, -5000}) {
        EXPECT_EQ(book->FindEmpty(from), 1) << from;
    }
}

TEST(ProgramBook, InsertAtOverwritesLastEmptyProgram) {
    auto book = NewBook();
    for (int i = 0; i < kProgramCount; ++i) {
        if (i != 3 && i != 1999) {
            Fill(*book, i, static_cast<uint32_t>(i + 1));
        }
    }
    EXPECT_TRUE(book->InsertAt(10));
    EXPECT_TRUE((*book)[10].IsEmpty());
    EXPECT_TRUE((*book)[3].IsEmpty());
    EXPECT_EQ((*book)[11].m_freq[0], 11u);
    EXPECT_EQ((*book)[1999].m_freq[0], 1999u);
    EXPECT_EQ((*book)[9].m_freq[0], 10u);
}

TEST(ProgramBook, EncodeAllLaysProgramsEndToEnd) {
    auto book = NewBook();
    std::vector<uint8_t> out(CProgramBook::EncodedSize(), 0xAA);
    EXPECT_EQ(CProgramBook::EncodedSize(), 392000);
    book->EncodeAll(out.data());
    EXPECT_EQ(out, std::vector<uint8_t>(392000, 0));

    Fill(*book, 1999, 0x11223344, true);
    book->EncodeAll(out.data());
    const size_t base = 196 * 1999;
    EXPECT_EQ(out[base], 0x80);
    EXPECT_EQ(out[base + 3], 0x01);
    EXPECT_EQ(out[base + 4], 0x11);
    EXPECT_EQ(out[base + 7], 0x44);
}

}  // namespace
