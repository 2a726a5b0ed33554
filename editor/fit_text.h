// Shortening of a cell text that is too wide for its column, with a trailing "...", over a text
// measure so that it runs without windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace editor {

inline constexpr const char kEllipsis[] = "...";

// Width in pixels of a text as it would be drawn.
using TextMeasure = std::function<int(std::string_view)>;

// Returns the text unchanged when it is empty or its width plus the allowance is at most width.
// Otherwise the longest prefix (of at least one character) whose width plus the allowance plus
// the width of "..." is at most width, followed by "..."; the first character and "..." when even
// that does not fit. Texts are UTF-8 and are cut between characters, never inside one; there is
// no limit on their length.
std::string FitText(std::string_view text, int width, int allowance, const TextMeasure& measure);

}  // namespace editor
