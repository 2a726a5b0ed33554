#include "editor/frequency_rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/text_format.h"

#include "res/strings_editor.h"

namespace editor {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool IsDigit(char c, bool bHex) {
    return (c >= '0' && c <= '9') || (bHex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Digits with a comma or a blank among them, as "1,5", "1,500.5" and "12 345" are written where
// the decimal sign is a comma or thousands are set apart.
bool LooksLikeSeparatedNumber(std::string_view text) {
    bool bDigit = false;
    bool bSeparator = false;
    for (const char c : text) {
        if (IsDigit(c, false)) {
            bDigit = true;
        } else if (c == ',' || c == ' ') {
            bSeparator = true;
        } else if (std::strchr("+-.eE", c) == nullptr) {
            return false;
        }
    }
    return bDigit && bSeparator;
}

// The text as a message quotes it: on one line with its blanks run together, and cut short when
// it is long (a whole row pasted into a field), never inside a character.
std::string Quoted(std::string_view text) {
    constexpr size_t kMaxQuoted = 40;
    std::string quoted;
    for (const char c : text) {
        const bool bBlank = static_cast<unsigned char>(c) <= ' ';
        if (!bBlank || quoted.empty() || quoted.back() != ' ') {
            quoted += bBlank ? ' ' : c;
        }
    }
    if (quoted.size() <= kMaxQuoted) {
        return quoted;
    }
    size_t length = kMaxQuoted;
    while (length > 0 && (static_cast<unsigned char>(quoted[length]) & 0xC0) == 0x80) {
        --length;
    }
    return quoted.substr(0, length) + "...";
}

struct SParsed {
    double value = 0.0;
    size_t nUsed = 0;  // characters the number took, leading white space included
};

// Whether a number that does not fit a double is too large (strtod gives HUGE_VAL) rather than
// too small (strtod gives 0): the place of its first significant digit plus its exponent. Such
// numbers lie hundreds of powers away from 1, so the rough scale decides safely. The scale is
// bounded by the text's length, so comparing the exponent with it cannot overflow as a sum of
// the two could ("1e9223372036854775807").
bool IsTooLarge(std::string_view number, bool bHex) {
    long long scale = 0;
    bool bSignificant = false;
    size_t i = 0;
    for (; i < number.size() && IsDigit(number[i], bHex); ++i) {
        bSignificant = bSignificant || number[i] != '0';
        scale += bSignificant ? 1 : 0;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && IsDigit(number[i], bHex); ++i) {
            bSignificant = bSignificant || number[i] != '0';
            scale -= bSignificant ? 0 : 1;
        }
    }
    scale *= bHex ? 4 : 1;  // hexadecimal digits against a binary exponent
    if (i + 1 < number.size()) {
        const char* first = number.data() + i + 1;
        const char* last = number.data() + number.size();
        first += *first == '+' ? 1 : 0;
        long long exponent = 0;
        auto [end, ec] = std::from_chars(first, last, exponent);
        if (ec == std::errc::result_out_of_range) {
            return *first != '-';
        }
        return exponent > -scale;
    }
    return scale > 0;
}

// strtod in the C locale, on every system alike: the process's locale follows the user's (Qt
// sets it), but the fields and files of this program always take a decimal point. Leading white
// space, a sign, then a decimal or "0x" hexadecimal number, "inf", "infinity" or "nan".
SParsed Parse(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        bNegative = text[i] == '-';
        ++i;
    }
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    if (first == last || *first == '+' || *first == '-') {
        return {};  // from_chars would take a second sign
    }
    const bool bHex = last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X') &&
                      (IsDigit(first[2], true) ||
                       (first[2] == '.' && last - first > 3 && IsDigit(first[3], true)));
    const char* digits = bHex ? first + 2 : first;
    double value = 0.0;
    auto [end, ec] = std::from_chars(digits, last, value,
                                     bHex ? std::chars_format::hex : std::chars_format::general);
    if (ec == std::errc::invalid_argument) {
        return {};
    }
    if (ec == std::errc::result_out_of_range) {
        // Too small is still no zero: it must not pass for an empty slot.
        value = IsTooLarge(std::string_view(digits, static_cast<size_t>(end - digits)), bHex)
                    ? HUGE_VAL
                    : std::numeric_limits<double>::denorm_min();
    }
    return {bNegative ? -value : value, static_cast<size_t>(end - text.data())};
}

}  // namespace

EFrequencyClass ClassifyFrequency(double v) {
    if (!(v >= kMinFrequencyHz)) {
        return EFrequencyClass::kEmpty;
    }
    return v > kHighFrequencyHz ? EFrequencyClass::kHigh : EFrequencyClass::kLow;
}

EGroupVerdict CheckGroup(std::span<const double, model::kSlotsPerGroup> values) {
    int nHigh = 0;
    int nLow = 0;
    for (double v : values) {
        switch (ClassifyFrequency(v)) {
            case EFrequencyClass::kHigh:
                ++nHigh;
                break;
            case EFrequencyClass::kLow:
                ++nLow;
                break;
            case EFrequencyClass::kEmpty:
                break;
        }
    }
    if (nHigh > 2) {
        return EGroupVerdict::kTooManyHigh;
    }
    if (nLow + nHigh > 2 && nLow > 0 && nHigh > 0) {
        return EGroupVerdict::kHighMixed;
    }
    return EGroupVerdict::kOk;
}

SFrequencyText ReadFrequency(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) {
        return {};
    }
    const SParsed parsed = Parse(text);
    if (parsed.nUsed != text.size() || std::isnan(parsed.value)) {
        return {0.0, LooksLikeSeparatedNumber(text) ? EEntryFault::kSeparators
                                                    : EEntryFault::kNotANumber};
    }
    const double v = parsed.value;
    if (v < 0.0) {
        return {v, EEntryFault::kNotPositive};
    }
    // The limit applies to the value as typed: 20000000.04 is refused though shown as 20000000.0.
    if (v > kMaxFrequencyHz) {
        return {v, EEntryFault::kAboveMax};
    }
    if (v > 0.0 && v < kMinFrequencyHz) {
        return {v, EEntryFault::kBelowMin};
    }
    return {v, EEntryFault::kNone};
}

double TextToFrequency(std::string_view text) {
    return ReadFrequency(text).value;
}

std::string FrequencyToText(double v) {
    if (!(v >= kMinFrequencyHz)) {
        return {};
    }
    // to_chars gives printf's "%.1f" in the C locale, whatever locale the process runs in.
    std::array<char, 512> buf{};  // wide enough for the largest double in fixed notation
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, 1);
    if (ec != std::errc()) {
        return {};
    }
    return std::string(buf.data(), end);
}

std::string SlotToText(uint32_t slot) {
    return FrequencyToText(model::SlotToHertz(slot));
}

std::optional<uint32_t> FrequencyToSlot(double v) {
    if (std::isnan(v) || v < 0.0 || v > kMaxFrequencyHz) {
        return std::nullopt;
    }
    if (v < kMinFrequencyHz) {
        return 0u;
    }
    // At most 200000000, so it always fits.
    return static_cast<uint32_t>(v * model::kTenthsPerHertz);
}

std::optional<uint32_t> TextToSlot(std::string_view text) {
    return FrequencyToSlot(TextToFrequency(text));
}

const char* FaultMessage(EEntryFault fault) {
    switch (fault) {
        case EEntryFault::kNone:
            return nullptr;
        case EEntryFault::kNotANumber:
            return res::Tr(res::kMsgNotANumber);
        case EEntryFault::kSeparators:
            return res::Tr(res::kMsgSeparators);
        case EEntryFault::kBelowMin:
            return res::Tr(res::kMsgBelowMinimum);
        case EEntryFault::kNotPositive:
            return res::Tr(res::kMsgPositiveFrequency);
        case EEntryFault::kAboveMax:
            return res::Tr(res::kMsgAtMost20MHz);
        case EEntryFault::kTooManyHigh:
            return res::Tr(res::kMsgTooManyHigh);
        case EEntryFault::kHighMixed:
            return res::Tr(res::kMsgHighMixed);
        case EEntryFault::kNotAsStored:
            return res::Tr(res::kClipboardBadRecord);
    }
    return nullptr;
}

std::string EntryFaultMessage(EEntryFault fault, std::string_view text) {
    if (fault == EEntryFault::kNotANumber || fault == EEntryFault::kSeparators) {
        return platform::FormatText(FaultMessage(fault), Quoted(text).c_str());
    }
    const char* message = FaultMessage(fault);
    return message != nullptr ? message : std::string();
}

bool EmptiesBeforeMessage(EEntryFault fault) {
    return fault == EEntryFault::kTooManyHigh || fault == EEntryFault::kHighMixed;
}

SEntryCheck CheckEntry(std::span<const std::string, model::kSlotsPerGroup> groupTexts,
                       int nPosition, bool bGroups) {
    SEntryCheck check;
    const std::string& text = groupTexts[nPosition];
    const SFrequencyText read = ReadFrequency(text);
    check.fault = read.fault;
    check.strMessage = EntryFaultMessage(read.fault, text);
    // A text refused as it reads, or a number no field could show, stays as typed while its
    // message is up.
    const bool bKeepsText = read.fault == EEntryFault::kNotANumber ||
                            read.fault == EEntryFault::kSeparators ||
                            read.fault == EEntryFault::kBelowMin || !std::isfinite(read.value);
    check.strRewritten = bKeepsText ? text : FrequencyToText(read.value);
    if (check.fault != EEntryFault::kNone || !bGroups) {
        return check;
    }
    std::array<double, model::kSlotsPerGroup> values{};
    for (int i = 0; i < model::kSlotsPerGroup; ++i) {
        values[i] = TextToFrequency(i == nPosition ? check.strRewritten : groupTexts[i]);
    }
    switch (CheckGroup(values)) {
        case EGroupVerdict::kTooManyHigh:
            check.fault = EEntryFault::kTooManyHigh;
            break;
        case EGroupVerdict::kHighMixed:
            check.fault = EEntryFault::kHighMixed;
            break;
        case EGroupVerdict::kOk:
            break;
    }
    check.strMessage = EntryFaultMessage(check.fault, text);
    return check;
}

std::vector<const char*> SFormCheck::Messages() const {
    std::vector<const char*> messages;
    if (bHighMixed) {
        messages.push_back(res::Tr(res::kMsgHighMixed));
    }
    if (bTooManyHigh) {
        messages.push_back(res::Tr(res::kMsgTooManyHigh));
    }
    return messages;
}

SFormCheck CheckWholeForm(std::span<const std::string, model::kSlotCount> texts) {
    SFormCheck check;
    for (int group = 0; group < model::kGroupCount; ++group) {
        const int first = group * model::kSlotsPerGroup;
        std::array<double, model::kSlotsPerGroup> values{};
        int nHigh = 0;
        int nLow = 0;
        for (int i = 0; i < model::kSlotsPerGroup; ++i) {
            values[i] = TextToFrequency(texts[first + i]);
            const EFrequencyClass cls = ClassifyFrequency(values[i]);
            if (cls == EFrequencyClass::kHigh && ++nHigh > 2) {
                check.emptiedSlots.push_back(first + i);
                values[i] = 0.0;  // the field now reads empty
                check.bTooManyHigh = true;
            }
            if (cls == EFrequencyClass::kLow) {
                ++nLow;
            }
        }
        // nHigh still counts the values emptied above, as the form's own count does.
        if (nLow + nHigh > 2 && nLow > 0 && nHigh > 0) {
            for (int i = 0; i < model::kSlotsPerGroup; ++i) {
                if (ClassifyFrequency(values[i]) == EFrequencyClass::kHigh) {
                    check.emptiedSlots.push_back(first + i);
                }
            }
            check.bHighMixed = true;
        }
    }
    return check;
}

std::string DescribeEmptied(const SFormCheck& check,
                            std::span<const std::string, model::kSlotCount> texts) {
    std::vector<int> slots = check.emptiedSlots;
    std::sort(slots.begin(), slots.end());
    std::string lines;
    int lastGroup = -1;
    for (const int slot : slots) {
        const int group = slot / model::kSlotsPerGroup;
        const std::string value = FrequencyToText(TextToFrequency(texts[slot]));
        const std::string item = platform::FormatText(
            res::Tr(res::kEmptiedValue), slot % model::kSlotsPerGroup + 1, value.c_str());
        if (group != lastGroup) {
            lines += (lines.empty() ? "" : "\n") +
                     platform::FormatText(res::Tr(res::kEmptiedGroup), group + 1, item.c_str());
        } else {
            lines += res::kEmptiedSeparator + item;
        }
        lastGroup = group;
    }
    return lines;
}

}  // namespace editor
