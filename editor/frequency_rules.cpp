#include "editor/frequency_rules.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

#include "res/strings.h"

namespace editor {

namespace {

// atof follows the process's locale, which Qt sets from the user's environment; the files and
// fields of this program always use the C locale's decimal point.
locale_t CLocale() {
    static const locale_t kLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return kLocale;
}

struct SParsed {
    double value = 0.0;
    size_t nUsed = 0;  // characters the number took, leading white space included
};

SParsed Parse(std::string_view text) {
    const std::string copy(text);  // strtod needs the terminating zero
    char* end = nullptr;
    const double v = ::strtod_l(copy.c_str(), &end, CLocale());
    return {v, static_cast<size_t>(end - copy.c_str())};
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
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

double TextToFrequency(std::string_view text) {
    const double v = Parse(text).value;
    return std::isnan(v) ? 0.0 : v;
}

bool IsWholeNumber(std::string_view text) {
    const SParsed parsed = Parse(text);
    size_t end = parsed.nUsed;
    if (end == 0 || std::isnan(parsed.value)) {
        return false;
    }
    while (end < text.size() && IsSpace(text[end])) {
        ++end;
    }
    return end == text.size();
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
    return FrequencyToText(slot / 10.0);
}

std::optional<uint32_t> FrequencyToSlot(double v) {
    if (std::isnan(v) || v < 0.0 || v > kMaxFrequencyHz) {
        return std::nullopt;
    }
    if (v < kMinFrequencyHz) {
        return 0u;
    }
    return static_cast<uint32_t>(v * 10.0);  // at most 200000000, so it always fits
}

std::optional<uint32_t> TextToSlot(std::string_view text) {
    return FrequencyToSlot(TextToFrequency(text));
}

const char* FaultMessage(EEntryFault fault) {
    switch (fault) {
        case EEntryFault::kNone:
            return nullptr;
        case EEntryFault::kNotPositive:
            return res::kMsgPositiveFrequency;
        case EEntryFault::kAboveMax:
            return res::kMsgAtMost20MHz;
        case EEntryFault::kTooManyHigh:
            return res::kMsgTooManyHigh;
        case EEntryFault::kHighMixed:
            return res::kMsgHighMixed;
    }
    return nullptr;
}

bool EmptiesBeforeMessage(EEntryFault fault) {
    return fault == EEntryFault::kTooManyHigh || fault == EEntryFault::kHighMixed;
}

SEntryCheck CheckEntry(std::span<const std::string, model::kSlotsPerGroup> groupTexts,
                       int nPosition, bool bGroups) {
    SEntryCheck check;
    const double v = TextToFrequency(groupTexts[nPosition]);
    check.strRewritten = FrequencyToText(v);
    if (v < 0.0) {
        check.fault = EEntryFault::kNotPositive;
        return check;
    }
    // The limit applies to the value as typed: 20000000.04 is refused though shown as 20000000.0.
    if (v > kMaxFrequencyHz) {
        check.fault = EEntryFault::kAboveMax;
        return check;
    }
    if (!bGroups) {
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
    return check;
}

std::vector<const char*> SFormCheck::Messages() const {
    std::vector<const char*> messages;
    if (bHighMixed) {
        messages.push_back(res::kMsgHighMixed);
    }
    if (bTooManyHigh) {
        messages.push_back(res::kMsgTooManyHigh);
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

}  // namespace editor
