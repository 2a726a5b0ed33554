// The files and books the book-file suites start from.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/program_book.h"
#include "tests/scripted_messages.h"
#include "tests/test_support.h"

namespace book_file_support {

using model::CProgramBook;
using testing_support::Bytes;
using testing_support::CTempDir;

inline std::vector<uint8_t> Header() {
    return Bytes({0x01, 0, 0, 0, 0, 0, 0x07, 0xD0});
}

inline void AppendWord(std::vector<uint8_t>& out, uint32_t w) {
    out.push_back(static_cast<uint8_t>(w >> 24));
    out.push_back(static_cast<uint8_t>(w >> 16));
    out.push_back(static_cast<uint8_t>(w >> 8));
    out.push_back(static_cast<uint8_t>(w));
}

// A good file of empty programs, with the given records in front.
inline std::vector<uint8_t> FileWith(const std::vector<std::vector<uint32_t>>& records) {
    std::vector<uint8_t> out = Header();
    for (const auto& r : records) {
        for (uint32_t w : r) {
            AppendWord(out, w);
        }
    }
    for (size_t i = records.size(); i < 2000; ++i) {
        AppendWord(out, 0);
    }
    return out;
}

// A book whose every program holds something, so that a failed load is easy to see.
inline std::unique_ptr<CProgramBook> MarkedBook() {
    auto book = std::make_unique<CProgramBook>();
    for (int i = 0; i < 2000; ++i) {
        (*book)[i].m_freq[9] = static_cast<uint32_t>(1000 + i);
        (*book)[i].UpdateGroupCount(1);
    }
    return book;
}

class BookFile : public testing::Test {
protected:
    // Each failure is one application box: the old text, and under it the file and the reason.
    void ExpectMessages(const std::vector<std::vector<std::string>>& expected) {
        std::vector<std::vector<std::string>> got;
        for (const auto& request : m_messages.Requests()) {
            EXPECT_EQ(request.caption, "ZelkorConfig");
            EXPECT_EQ(request.icon, platform::EMsgIcon::kNone);
            EXPECT_EQ(request.buttons, platform::EMsgButtons::kOk);
            got.push_back({request.text, request.subject, request.detail});
        }
        EXPECT_EQ(got, expected);
    }

    CTempDir m_dir;
    testing_support::CScriptedMessages m_messages;
};

}  // namespace book_file_support
