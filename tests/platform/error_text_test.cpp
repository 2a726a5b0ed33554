#include "platform/error_text.h"

#include <gtest/gtest.h>

namespace {

// The system's words, shaped alike on every system: no line break or full stop at the end, so
// that they fit into a sentence of the program's own.
TEST(ErrorText, GivesTheSystemsWordsWithoutTrailingPunctuation) {
    EXPECT_EQ(platform::ErrorText(0), "");
    const std::string text = platform::ErrorText(2);  // ENOENT, and ERROR_FILE_NOT_FOUND
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '.');
    EXPECT_FALSE(platform::ErrorText(0x7FFF1234).empty()) << "an unknown number still says so";
}

}  // namespace
