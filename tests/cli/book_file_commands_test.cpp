// The dump listing of zelkorctl.
#include "cli/book_file_commands.h"

#include <gtest/gtest.h>

#include <memory>

#include "model/program_book.h"

namespace {

using model::CProgramBook;

TEST(BookDump, ListsOnlyProgramsThatHoldFrequencies) {
    auto book = std::make_unique<CProgramBook>();
    (*book)[4].SetGroups(true);  // a type alone is not content
    (*book)[9].SetGroups(true);
    (*book)[9].m_freq[0] = 500000;
    (*book)[9].m_freq[16] = 1;
    (*book)[1999].m_freq[47] = 200000000;
    EXPECT_EQ(cli::DumpBook(*book),
              "10 groups g1: 50000.0 g3: 0.1\n"
              "2000 single g6: 20000000.0\n");
}

}  // namespace
