#include <gtest/gtest.h>

#include "editor/fit_text.h"

namespace {

// Every character 10 pixels wide, counting UTF-8 characters, not bytes.
int Measure(std::string_view s) {
    int n = 0;
    for (char c : s) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 10 : 0;
    }
    return n;
}

TEST(FitText, ShortensWithEllipsisExactlyAtTheLimits) {
    const struct {
        const char* text;
        int width;
        int allowance;
        const char* expected;
    } cases[] = {
        {"", 0, 12, ""},                    // empty stays empty
        {"12345.0", 82, 12, "12345.0"},     // 70 + 12 fits exactly
        {"12345.0", 81, 12, "123..."},      // 3 chars + 12 + 30 = 72 <= 81; 4 would be 82
        {"12345.0", 82 - 1, 4, "12345.0"},  // a smaller allowance lets it fit
        {"12345.0", 10, 12, "1..."},        // shortest result even though it does not fit
        {"7", 5, 4, "7..."},                // one character that does not fit
        {"abcdefg", 72, 12, "abc..."},      // 30 + 12 + 30 = 72, exactly
        {"\xC3\xA9t\xC3\xA9s", 51, 12, "\xC3\xA9..."},  // cut between characters
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editor::FitText(c.text, c.width, c.allowance, Measure), c.expected)
            << c.text << " in " << c.width;
    }
}

TEST(FitText, LongTextsHaveNoLengthLimit) {
    const std::string text(1000, 'x');
    const std::string fitted = editor::FitText(text, 5000, 0, Measure);
    EXPECT_EQ(fitted, std::string(497, 'x') + "...");
}

}  // namespace
