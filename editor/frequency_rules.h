// The rules every frequency entry must meet, as pure functions over numbers and texts, so that
// the editor form, the command line's import and the tests share one definition.
//
// Frequencies are typed and shown in hertz; a program slot stores tenths of a hertz as an
// unsigned 32-bit count, 0 meaning an empty slot. Everything here is free of windows and state
// and may be called from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/frequency_program.h"

namespace editor {

// Below it: no frequency, an empty slot.
inline constexpr double kMinFrequencyHz = model::SlotToHertz(1);
inline constexpr double kHighFrequencyHz = 40000.0;    // strictly above it: a high frequency
inline constexpr double kMaxFrequencyHz = 20000000.0;  // strictly above it: refused

enum class EFrequencyClass { kEmpty, kLow, kHigh };

// Empty below 0.1 Hz (negative values included), low up to and including 40 kHz, high above.
EFrequencyClass ClassifyFrequency(double v);

enum class EGroupVerdict {
    kOk,
    kTooManyHigh,  // more than two high frequencies
    kHighMixed,    // a high frequency among more than two frequencies in all
};

// The Frequency Groups rule for one group of eight slots (in hertz). Empty values count for
// nothing; too-many-high is reported before high-mixed.
EGroupVerdict CheckGroup(std::span<const double, model::kSlotsPerGroup> values);

enum class EEntryFault {
    kNone,
    kNotANumber,   // the text is not wholly one number
    kSeparators,   // a number written with a decimal comma or a thousands separator
    kBelowMin,     // above 0 and below 0.1 Hz, the device's least frequency
    kNotPositive,  // below 0
    kAboveMax,     // above 20 MHz
    kTooManyHigh,  // a group with more than two high frequencies
    kHighMixed,    // a group with a high frequency among more than two
    // A stored program whose header counts or slot order the book would not keep (a record
    // that came from elsewhere); never a field's fault.
    kNotAsStored,
};

struct SFrequencyText {
    double value = 0.0;  // hertz; 0 for text that is no number
    EEntryFault fault = EEntryFault::kNone;
};

// The one reading of a frequency's text, for the form, the CSV files and the Clipboard. The text
// must be wholly one number, blanks around it aside, as the C library reads numbers in the C
// locale whatever the process's locale is: an optional sign, digits with a point as the decimal
// sign, an optional exponent ("1e3"), also "0x" hexadecimal and "inf". Anything else, or a
// number outside the device's range, gives its fault; empty text and zero are an empty slot.
// A number too small or too large for a double keeps its side: "1e-400" is below the least
// frequency, "1e400" above the greatest.
SFrequencyText ReadFrequency(std::string_view text);

// The value ReadFrequency finds in the text, refused or not (0 for text that is no number).
double TextToFrequency(std::string_view text);

// Hertz to the text of a field: "%.1f", or the empty text below 0.1 Hz.
std::string FrequencyToText(double v);

// A stored slot to the text of a field (slot 1 is "0.1", slot 0 the empty text).
std::string SlotToText(uint32_t slot);

// Hertz to a stored slot: times 10 with the fraction cut off. Values below 0.1 Hz give 0 (an
// empty slot). Values that no slot may hold (negative, above 20 MHz) give no value, so that the
// caller decides; the entry check has refused them before any commit sees them.
std::optional<uint32_t> FrequencyToSlot(double v);

// The slot the commit stores for a field's text: TextToSlot(text) ==
// FrequencyToSlot(TextToFrequency(text)).
std::optional<uint32_t> TextToSlot(std::string_view text);

// ---------------------------------------------------------------------------------------------
// The two variants of the check, as the form needs them: they say what to write and what to
// show, and leave the writing and the showing to the caller.

// The message text of a fault (nullptr for kNone); the text's own faults give a pattern for it.
const char* FaultMessage(EEntryFault fault);
// The message of a fault of the text given, which the text's own faults quote.
std::string EntryFaultMessage(EEntryFault fault, std::string_view text);

// For the limit faults the message is shown while the field still holds its rewritten text and
// the field is emptied after it; for the group faults the field is emptied first.
bool EmptiesBeforeMessage(EEntryFault fault);

struct SEntryCheck {
    std::string strRewritten;  // the text the field shows at once after it was left
    EEntryFault fault = EEntryFault::kNone;
    std::string strMessage;  // what the user is told of the fault
    // Every fault empties the field that was left (after strRewritten, see EmptiesBeforeMessage).
    bool EmptiesField() const { return fault != EEntryFault::kNone; }
};

// The check when the user leaves a field: groupTexts are the eight field texts of its group as
// they stand, nPosition (0 to 7) the field that was left. In a Single Frequencies program only
// the reading and the device's range apply; a text refused as it reads is left as typed while
// its message is up. The group rule classifies the rewritten text of the field
// that was left, so typed 40000.04 counts as the low 40000.0.
SEntryCheck CheckEntry(std::span<const std::string, model::kSlotsPerGroup> groupTexts,
                       int nPosition, bool bGroups);

struct SFormCheck {
    // Slots (0 to 47) whose fields are to be emptied, in the order the check empties them; each
    // counts as an edit of the program.
    std::vector<int> emptiedSlots;
    bool bHighMixed = false;
    bool bTooManyHigh = false;
    // The messages to show after the fields were emptied: high-mixed first, each at most once.
    std::vector<const char*> Messages() const;
};

// The check over the whole form when a program becomes Frequency Groups: per group, the third
// and later high frequencies are emptied (too-many-high); in a group whose high and low
// frequencies together exceed two, every remaining high frequency is emptied (high-mixed). Low
// frequencies are never touched.
SFormCheck CheckWholeForm(std::span<const std::string, model::kSlotCount> texts);

// The values the check empties from these texts, a line for each group in slot order:
// "Group 2: Freq. 3 (70000.0 Hz), Freq. 5 (80000.0 Hz)".
std::string DescribeEmptied(const SFormCheck& check,
                            std::span<const std::string, model::kSlotCount> texts);

}  // namespace editor
