#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cmath>
#include <string>
#include <vector>

#include "editor/frequency_rules.h"

using namespace editor;

namespace {

using Group = std::array<std::string, 8>;

TEST(FrequencyRules, ClassifiesAtTheLimits) {
    const struct {
        double v;
        EFrequencyClass expected;
    } cases[] = {
        {-5.0, EFrequencyClass::kEmpty},      {0.0, EFrequencyClass::kEmpty},
        {0.099, EFrequencyClass::kEmpty},     {0.1, EFrequencyClass::kLow},
        {40000.0, EFrequencyClass::kLow},     {40000.01, EFrequencyClass::kHigh},
        {20000000.0, EFrequencyClass::kHigh},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClassifyFrequency(c.v), c.expected) << c.v;
    }
}

TEST(FrequencyRules, GroupVerdictsInTheirOrder) {
    const struct {
        std::array<double, 8> values;
        EGroupVerdict expected;
    } cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8}, EGroupVerdict::kOk},              // all low
        {{50000, 60000}, EGroupVerdict::kOk},                        // two high
        {{1000, 50000}, EGroupVerdict::kOk},                         // one of each
        {{50000, 60000, 70000}, EGroupVerdict::kTooManyHigh},        // three high
        {{50000, 60000, 70000, 1000}, EGroupVerdict::kTooManyHigh},  // tested first
        {{1000, 2000, 50000}, EGroupVerdict::kHighMixed},            // high among three
        {{50000, 60000, 40000}, EGroupVerdict::kHighMixed},          // 40 kHz is low
        {{0, 0.05, 50000, -3, 0, 1000, 0, 0}, EGroupVerdict::kOk},   // empties count not
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckGroup(c.values), c.expected);
    }
}

TEST(FrequencyRules, TextConvertsAsStrtodInTheCLocaleOrGivesZero) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"1000", 1000.0}, {"  12.34", 12.34}, {"1e3", 1000.0}, {"12abc", 0.0},
        {"abc", 0.0},     {"", 0.0},          {"-0.5", -0.5},  {"+7", 7.0},
        {"0x10", 16.0},   {"nan", 0.0},       {"1,5", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(TextToFrequency(c.text), c.expected) << c.text;
    }
}

// The edges of strtod's grammar, which the conversion keeps on every system.
TEST(FrequencyRules, TextConvertsAsStrtodAtTheEdges) {
    const double inf = HUGE_VAL;
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"\t\n 5", 5.0},
        {"+-5", 0.0},
        {"-+5", 0.0},
        {"0x", 0.0},
        {"0x-1", 0.0},
        {"0x1p4", 16.0},
        {"-0x.8", -0.5},
        {"0XaP1", 20.0},
        {"infinity", inf},
        {"-INF", -inf},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0.0},
        {"0.0000001e-400", 0.0},
        {"1000e-330", 0.0},
        {"1e99999999999999999999", inf},
        {"1e-99999999999999999999", 0.0},
        {"0x1p99999", inf},
        {"0x1p-99999", 0.0},
        {"5e", 0.0},
        {"5e+", 0.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(TextToFrequency(c.text), c.expected) << c.text;
    }
}

TEST(FrequencyRules, ConversionIgnoresTheProcessLocale) {
    // Qt sets the user's locale at start-up; a comma locale must not change fields or files.
    const char* comma = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (comma == nullptr) {
        comma = std::setlocale(LC_ALL, "fr_FR.UTF-8");
    }
    if (comma == nullptr) {
        comma = std::setlocale(LC_ALL, "German_Germany.1252");  // the Windows name
    }
    EXPECT_DOUBLE_EQ(TextToFrequency("12.5"), 12.5);
    EXPECT_EQ(FrequencyToText(12.5), "12.5");
    std::setlocale(LC_ALL, "C");
    if (comma == nullptr) {
        GTEST_SKIP() << "no comma locale installed";
    }
}

// A text is wholly one number or refused, and a number beyond a double keeps its side of the range.
TEST(FrequencyRules, WholeNumbers) {
    const std::pair<EEntryFault, std::vector<const char*>> cases[] = {
        {EEntryFault::kNone, {"1000", " 12.5 ", "1e3", "0x10", "0", "-0", "", " ", "0.1"}},
        {EEntryFault::kNotANumber, {"12abc", "abc", "nan", "2.5.5", "0x", "5e", "1\tsingle\t5.5"}},
        {EEntryFault::kSeparators, {"1,5", "1,500", "12 345", "1 2"}},
        {EEntryFault::kNotPositive, {"-4", "-1e400", "-1e9223372036854775807"}},
        {EEntryFault::kAboveMax, {"1e400", "1e9223372036854775807", "20000000.04", "inf"}},
        {EEntryFault::kBelowMin, {"0.05", "1e-400", "1e-99999999999999999999", "0x1p-99999"}},
    };
    for (const auto& [fault, texts] : cases) {
        for (const char* text : texts) {
            EXPECT_EQ(ReadFrequency(text).fault, fault) << text;
        }
    }
}

TEST(FrequencyRules, DisplayAndSlotConversion) {
    const struct {
        double v;
        const char* text;
        std::optional<uint32_t> slot;
    } cases[] = {
        {1000.0, "1000.0", 10000u},
        {12.34, "12.3", 123u},
        {0.1, "0.1", 1u},
        {0.05, "", 0u},
        {0.0, "", 0u},
        {-0.5, "", std::nullopt},
        {40000.04, "40000.0", 400000u},
        {20000000.0, "20000000.0", 200000000u},
        {20000000.04, "20000000.0", std::nullopt},
        {25000000.0, "25000000.0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyToText(c.v), c.text) << c.v;
        EXPECT_EQ(FrequencyToSlot(c.v), c.slot) << c.v;
    }
    EXPECT_EQ(SlotToText(0), "");
    EXPECT_EQ(SlotToText(1), "0.1");
    EXPECT_EQ(SlotToText(500000), "50000.0");
    EXPECT_EQ(SlotToText(0xFFFFFFFFu), "429496729.5");
    EXPECT_EQ(TextToSlot("12.34"), 123u);
    EXPECT_EQ(TextToSlot("abc"), 0u);
}

TEST(FrequencyRules, ShownSlotsCommitToTheSameSlot) {
    for (uint32_t slot : {1u, 3u, 7u, 123u, 99999999u, 123456789u, 199999999u, 200000000u}) {
        EXPECT_EQ(TextToSlot(SlotToText(slot)), slot) << slot;
    }
}

struct SEntryCase {
    const char* name;
    Group group;
    int nPosition;
    bool bGroups;
    const char* rewritten;
    EEntryFault fault;
};

TEST(FrequencyRules, EntryCheck) {
    const SEntryCase cases[] = {
        {"typed 1000 is shown with one decimal", {"1000"}, 0, false, "1000.0", EEntryFault::kNone},
        {"typed 1e3", {"1e3"}, 0, true, "1000.0", EEntryFault::kNone},
        {"12.34 is cut", {"12.34"}, 0, false, "12.3", EEntryFault::kNone},
        {"no number stays during its message", {"abc"}, 0, true, "abc", EEntryFault::kNotANumber},
        {"below 0.1 too", {"0.05"}, 0, true, "0.05", EEntryFault::kBelowMin},
        {"negative", {"-0.5"}, 0, false, "", EEntryFault::kNotPositive},
        {"20 MHz itself", {"20000000"}, 0, false, "20000000.0", EEntryFault::kNone},
        {"above 20 MHz", {"20000000.1"}, 0, false, "20000000.1", EEntryFault::kAboveMax},
        {"above as typed", {"20000000.04"}, 0, true, "20000000.0", EEntryFault::kAboveMax},
        {"rewritten shows during message",
         {"25000000"},
         0,
         false,
         "25000000.0",
         EEntryFault::kAboveMax},
        {"low third beside two high",
         {"50000.0", "60000.0", "40000"},
         2,
         true,
         "40000.0",
         EEntryFault::kHighMixed},
        {"rewritten 40000.04 is low",
         {"50000.0", "60000.0", "40000.04"},
         2,
         true,
         "40000.0",
         EEntryFault::kHighMixed},
        {"third high",
         {"50000.0", "60000.0", "", "", "70000"},
         4,
         true,
         "70000.0",
         EEntryFault::kTooManyHigh},
        {"mixed group takes no third",
         {"1000.0", "50000.0", "5"},
         2,
         true,
         "5.0",
         EEntryFault::kHighMixed},
        {"mixed group takes an empty third",
         {"1000.0", "50000.0", "0"},
         2,
         true,
         "",
         EEntryFault::kNone},
        {"low group takes all eight",
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         7,
         true,
         "8.0",
         EEntryFault::kNone},
        {"single frequencies take any mix",
         {"50000.0", "60000.0", "70000", "1"},
         2,
         false,
         "70000.0",
         EEntryFault::kNone},
        {"unchanged stored value breaking a rule",
         {"50000.0", "60000.0", "70000.0"},
         0,
         true,
         "50000.0",
         EEntryFault::kTooManyHigh},
    };
    for (const auto& c : cases) {
        const SEntryCheck check = CheckEntry(c.group, c.nPosition, c.bGroups);
        EXPECT_EQ(check.strRewritten, c.rewritten) << c.name;
        EXPECT_EQ(check.fault, c.fault) << c.name;
        EXPECT_EQ(check.EmptiesField(), c.fault != EEntryFault::kNone) << c.name;
    }
}

TEST(FrequencyRules, EntryMessagesAndTheirOrder) {
    using F = EEntryFault;
    EXPECT_EQ(FaultMessage(EEntryFault::kNone), nullptr);
    EXPECT_STREQ(FaultMessage(EEntryFault::kNotPositive), "You must enter a positive frequency.");
    EXPECT_STREQ(FaultMessage(EEntryFault::kAboveMax),
                 "Enter a frequency less than or equal to 20MHz.");
    EXPECT_STREQ(FaultMessage(EEntryFault::kTooManyHigh),
                 "You can only have up to two frequencies greater than 40KHz per group.");
    EXPECT_STREQ(
        FaultMessage(EEntryFault::kHighMixed),
        "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.");
    // A text is quoted on one line, blanks run together, a long one cut on a character's border.
    const std::string cut =
        EntryFaultMessage(F::kNotANumber, "1\t\tx" + std::string(36, 'y') + "é");
    EXPECT_EQ(cut.substr(0, 44), "\"1 x" + std::string(36, 'y') + "...\"");
    EXPECT_FALSE(EmptiesBeforeMessage(EEntryFault::kNotPositive));
    EXPECT_FALSE(EmptiesBeforeMessage(EEntryFault::kAboveMax));
    EXPECT_TRUE(EmptiesBeforeMessage(EEntryFault::kTooManyHigh));
    EXPECT_TRUE(EmptiesBeforeMessage(EEntryFault::kHighMixed));
}

struct SFormCase {
    const char* name;
    std::vector<std::pair<int, std::string>> filled;  // slot, text
    std::vector<int> emptied;
    std::vector<std::string> messages;
};

TEST(FrequencyRules, WholeFormCheck) {
    const std::string tooMany =
        "You can only have up to two frequencies greater than 40KHz per group.";
    const std::string mixed =
        "If you have one frequency greater than 40KHz, the group can only have 2 frequencies.";
    const SFormCase cases[] = {
        {"empty form", {}, {}, {}},
        {"third high of a group is emptied",
         {{0, "50000.0"}, {1, "60000.0"}, {2, "70000.0"}},
         {2},
         {tooMany}},
        {"both faults, high-mixed reported first",
         {{0, "1000.0"},
          {1, "2000.0"},
          {2, "50000.0"},
          {8, "50000.0"},
          {9, "60000.0"},
          {10, "70000.0"},
          {11, "1000.0"}},
         {2, 10, 8, 9},
         {mixed, tooMany}},
        {"each message once however many groups",
         {{0, "50000"},
          {1, "60000"},
          {2, "70000"},
          {40, "50000"},
          {41, "60000"},
          {42, "70000"},
          {43, "80000"}},
         {2, 42, 43},
         {tooMany}},
        {"low frequencies stay", {{16, "1"}, {17, "2"}, {18, "3"}, {23, "50000"}}, {23}, {mixed}},
        {"two of each class in separate groups stay",
         {{0, "50000"}, {1, "1000"}, {8, "1"}, {9, "2"}, {10, "3"}},
         {},
         {}},
    };
    for (const auto& c : cases) {
        std::array<std::string, 48> texts;
        for (const auto& [slot, text] : c.filled) {
            texts[slot] = text;
        }
        const SFormCheck check = CheckWholeForm(texts);
        EXPECT_EQ(check.emptiedSlots, c.emptied) << c.name;
        std::vector<std::string> messages;
        for (const char* m : check.Messages()) {
            messages.emplace_back(m);
        }
        EXPECT_EQ(messages, c.messages) << c.name;
    }
}

}  // namespace
