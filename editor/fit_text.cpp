#include "editor/fit_text.h"

#include <vector>

namespace editor {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte lengths of the prefixes of 1, 2, ... n characters.
std::vector<size_t> CharacterEnds(std::string_view text) {
    std::vector<size_t> ends;
    for (size_t i = 1; i <= text.size(); ++i) {
        if (i == text.size() || !IsContinuationByte(text[i])) {
            ends.push_back(i);
        }
    }
    return ends;
}

}  // namespace

std::string FitText(std::string_view text, int width, int allowance, const TextMeasure& measure) {
    if (text.empty() || measure(text) + allowance <= width) {
        return std::string(text);
    }
    const int dots = measure(kEllipsis);
    const std::vector<size_t> ends = CharacterEnds(text);
    // From n-1 characters down to 2; one character is what is left when nothing longer fits.
    size_t keep = ends.front();
    for (size_t n = ends.size() - 1; n >= 2; --n) {
        const std::string_view prefix = text.substr(0, ends[n - 1]);
        if (measure(prefix) + allowance + dots <= width) {
            keep = prefix.size();
            break;
        }
    }
    return std::string(text.substr(0, keep)) + kEllipsis;
}

}  // namespace editor
